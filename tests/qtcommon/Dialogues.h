// Answering the game's modal dialogs and message boxes from a test: the answer is queued before
// the action that opens the dialog, and runs inside the dialog's own event loop.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace zorvane::test {

// Runs `reponse` on the next modal widget that opens (polling briefly until one is active).
void QuandDialogue(std::function<void(QWidget*)> reponse, int essais = 200);

// Clicks the button whose text is `bouton` (accelerator '&' ignored) in the next message box,
// and records its text in *texte when given.
void RepondMessage(const QString& bouton, QString* texte = nullptr);

// Texts of the message boxes answered with OK while `action` runs (any number of them).
QStringList MessagesPendant(const std::function<void()>& action);

// Types the text into a widget one key press per character, accented letters included (the
// events carry the character's text, as a keyboard layout gives it).
void Tape(QWidget* champ, const QString& texte);

// Clicks a push button of a dialog by its text or object name.
void Clique(QWidget* dialogue, const QString& bouton);

} // namespace zorvane::test
