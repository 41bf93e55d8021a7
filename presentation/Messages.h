// The game's message boxes: confirmation (Oui/Non), error and information (OK), titled "Zorvane".
#pragma once

#include <QString>
#include <exception>
#include <utility>

class QWidget;

namespace zorvane {

bool Confirmation(QWidget* parent, const QString& texte); // true for Oui
void Erreur(QWidget* parent, const QString& texte);
void Information(QWidget* parent, const QString& texte);
void Message(QWidget* parent, const QString& texte); // a plain box without an icon

// Shows an error raised by a command (the storage's French message, or any other failure).
void AfficheErreur(QWidget* parent, const std::exception& e);

// Runs a command; an error ends it with the error box. Returns false when it failed.
template <class F> bool Commande(QWidget* parent, F&& commande) {
    try {
        commande();
        return true;
    } catch (const std::exception& e) {
        AfficheErreur(parent, e);
        return false;
    }
}

// A command bound to a signal: an error ends it with the error box, never the program.
template <class F> auto EnCommande(QWidget* parent, F commande) {
    return [parent, commande = std::move(commande)] { Commande(parent, commande); };
}

} // namespace zorvane
