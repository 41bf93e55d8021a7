// Edit fields of the dialogs. Their text goes into the files, which hold Windows-1252: a character
// outside that code page is kept out of the field as it is typed or pasted, and the reason shows
// beside the field. Password fields show "*" for each character.
#pragma once

#include <QLineEdit>

namespace zorvane {

QLineEdit* Champ1252(QWidget* parent, const char* nom, QRect place, int longueur);

// Letters turned into capitals as they are typed, optionally masked.
QLineEdit* ChampMajuscules(QWidget* parent, const char* nom, QRect place, int longueur,
                           bool masque = false);

} // namespace zorvane
