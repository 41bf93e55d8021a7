// Edit fields of the dialogs: letters turned into capitals as they are typed, a maximum length,
// and optionally masked input.
#pragma once

#include <QLineEdit>

namespace zorvane {

inline QLineEdit* ChampMajuscules(QWidget* parent, const char* nom, QRect place, int longueur,
                                  bool masque = false) {
    auto* champ = new QLineEdit(parent);
    champ->setObjectName(nom);
    champ->setGeometry(place);
    champ->setMaxLength(longueur);
    if (masque)
        champ->setEchoMode(QLineEdit::Password);
    QObject::connect(champ, &QLineEdit::textEdited, champ, [champ](const QString& texte) {
        const QString majuscules = texte.toUpper();
        if (majuscules != texte) {
            const int curseur = champ->cursorPosition();
            champ->setText(majuscules.left(champ->maxLength()));
            champ->setCursorPosition(curseur);
        }
    });
    return champ;
}

} // namespace zorvane
