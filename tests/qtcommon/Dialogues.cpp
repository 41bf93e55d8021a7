#include "Dialogues.h"

#include <QAbstractButton>
#include <QtTest/QTest>

namespace zorvane::test {

namespace {

QString SansAccelerateur(QString texte) {
    return texte.remove('&');
}

} // namespace

void QuandDialogue(std::function<void(QWidget*)> reponse, int essais) {
    QTimer::singleShot(10, [reponse, essais] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            reponse(modal);
        } else if (essais > 0) {
            QuandDialogue(reponse, essais - 1);
        } else {
            qFatal("no modal dialog opened");
        }
    });
}

void Tape(QWidget* champ, const QString& texte) {
    for (const QChar c : texte) {
        const Qt::Key touche = c.unicode() < 0x80 && c.isLetterOrNumber()
                                   ? Qt::Key(c.toUpper().unicode())
                                   : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, champ, touche, QString(c), Qt::NoModifier);
    }
}

void Clique(QWidget* dialogue, const QString& bouton) {
    for (QAbstractButton* b : dialogue->findChildren<QAbstractButton*>())
        if (SansAccelerateur(b->text()) == bouton || b->objectName() == bouton) {
            b->click();
            return;
        }
    qFatal("button not found: %s", qPrintable(bouton));
}

void RepondMessage(const QString& bouton, QString* texte) {
    QuandDialogue([bouton, texte](QWidget* w) {
        auto* boite = qobject_cast<QMessageBox*>(w);
        if (!boite)
            qFatal("expected a message box, got %s", w->metaObject()->className());
        if (texte)
            *texte = boite->text();
        Clique(boite, bouton);
    });
}

QStringList MessagesPendant(const std::function<void()>& action) {
    QStringList textes;
    QTimer veille;
    veille.setInterval(5);
    QObject::connect(&veille, &QTimer::timeout, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!boite || !boite->isVisible())
            return;
        // Only the boxes with an OK button: questions are left to their own answers.
        for (QAbstractButton* b : boite->buttons())
            if (SansAccelerateur(b->text()) == "OK") {
                textes << boite->text();
                b->click();
                return;
            }
    });
    veille.start();
    action();
    veille.stop();
    return textes;
}

} // namespace zorvane::test
