// One set in play: the level being played with its active piece, move log and undo history,
// and the saved-game record that follows the game from level to level.
#pragma once

#include "FPlayer.h"
#include "NiveauEnJeu.h"

#include <filesystem>
#include <string>

namespace zorvane {

class TJeu {
  public:
    // jeu: the folder whose niveaux/ holds the sets.
    explicit TJeu(std::filesystem::path jeu) : jeu_(std::move(jeu)) { Arrete(); }

    // A game is in progress while its set is named.
    bool EnCours() const { return !enJeu_.Niveau().NomFichier.empty(); }
    // The level number is past the last level: the set is finished.
    bool FinDEnsemble() const { return NumeroNiveau(Niveau()) > NombreNiveaux(Niveau()); }

    // A new game on set `ensemble`, at level 1, with a fresh saved-game record not yet stored.
    // Throws ErreurES when the set cannot be read; no game is then in progress.
    void Nouvelle(const std::string& ensemble);
    // Takes up a saved game at its set and level (the level is not read: the set may be
    // finished). Throws ErreurES, with the game in progress unchanged, when the record's level
    // is not a level number or its set cannot be counted.
    void Reprend(const TPartie& partie);
    // Reads the current level from its file: the ball active, the log and the history empty.
    // Throws ErreurES, with the level unchanged, when the file cannot be read.
    void ChargeNiveau();
    void Recommence() { ChargeNiveau(); }
    // No game in progress.
    void Arrete();

    TResultatCoup Joue(int8_t dx, int8_t dy) { return enJeu_.Joue(dx, dy); }
    TResultatCoup Change() { return enJeu_.Change(); }
    bool PeutAnnuler() const { return enJeu_.PeutAnnuler(); }
    bool Annule() { return enJeu_.Annule(); }

    // After the move that solved the level: the log is offered as the level's solution, and the
    // game and its saved-game record move on to the next level number. Returns true when that
    // was the last level (the next level is not read: ChargeNiveau does it). A solution that
    // cannot be stored never keeps the game on the solved level: the game moves on all the
    // same, then the ErreurES is thrown (FinDEnsemble() tells where the game stands).
    bool FinitNiveau();

    // The set changed in the editor: its levels are counted again, and the level in play,
    // renumbered, takes number `numero` in the game and in its saved-game record.
    void RecompteNiveaux();
    void Renumerote(int32_t numero);

    // The level in play, for the view that plays and shows its moves.
    TNiveauEnJeu& EnJeu() { return enJeu_; }
    const TNiveau& Niveau() const { return enJeu_.Niveau(); }
    bool Boule() const { return enJeu_.Boule(); }
    const TJournal& Journal() const { return enJeu_.Journal(); }
    const TPartie& Partie() const { return partie_; }
    TPartie& Partie() { return partie_; }

  private:
    std::filesystem::path jeu_;
    TNiveauEnJeu enJeu_;
    TPartie partie_;
};

} // namespace zorvane
