#include "Champs.h"

#include "Texte.h"

#include <QProxyStyle>
#include <QToolTip>
#include <QValidator>

namespace zorvane {

namespace {

class Valide1252 : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& texte, int&) const override {
        return HorsCp1252(texte).isEmpty() ? Acceptable : Invalid;
    }
};

// The platform's style, with "*" as the password character.
class StyleEtoiles : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* retour) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, retour);
    }
};

// Capitals where the code page has them: the capital of µ, for one, is not in it.
QString Majuscules(const QString& texte) {
    QString resultat;
    for (const QChar c : texte) {
        const QString capitale = QString(c).toUpper();
        resultat += Vers1252Exact(capitale) ? capitale : QString(c);
    }
    return resultat;
}

} // namespace

QLineEdit* Champ1252(QWidget* parent, const char* nom, QRect place, int longueur) {
    auto* champ = new QLineEdit(parent);
    champ->setObjectName(nom);
    champ->setGeometry(place);
    champ->setMaxLength(longueur);
    champ->setValidator(new Valide1252(champ));
    QObject::connect(champ, &QLineEdit::inputRejected, champ, [champ] {
        if (champ->text().size() < champ->maxLength())
            QToolTip::showText(champ->mapToGlobal(QPoint(0, champ->height())),
                               "Ce caractère ne peut pas être enregistré.", champ);
    });
    return champ;
}

QLineEdit* ChampMajuscules(QWidget* parent, const char* nom, QRect place, int longueur,
                           bool masque) {
    QLineEdit* champ = Champ1252(parent, nom, place, longueur);
    if (masque) {
        static StyleEtoiles* etoiles = new StyleEtoiles;
        champ->setStyle(etoiles);
        champ->setEchoMode(QLineEdit::Password);
    }
    QObject::connect(champ, &QLineEdit::textEdited, champ, [champ](const QString& texte) {
        const QString majuscules = Majuscules(texte);
        if (majuscules != texte) {
            const int curseur = champ->cursorPosition();
            champ->setText(majuscules.left(champ->maxLength()));
            champ->setCursorPosition(curseur);
        }
    });
    return champ;
}

} // namespace zorvane
