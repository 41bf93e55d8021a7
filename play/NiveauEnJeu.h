// One level played by moves: the level record, the active piece, the move log and the history
// that undo walks back. The game, the level test and the solution replay all play through it.
#pragma once

#include "Niveau.h"
#include "Soluce.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zorvane {

// What one move or switch did, for the views to show.
struct TResultatCoup {
    bool bouge = false;  // the active piece advanced at least one cell
    bool change = false; // the active piece was switched
    bool boule = true;   // the piece that moved, or the one active after the switch
    TPosition depart, arrivee;
    int8_t dx = 0, dy = 0;
    std::vector<TPosition> zelmites; // the gems collected, in the order the ball crossed them
    bool resolu = false;             // no gem is left
};

class TNiveauEnJeu {
  public:
    // A level as loaded: the ball active, the log and the history empty.
    void Commence(const TNiveau& niveau);
    // Reads level Numero of the set NomFichier of `niveau`, then commences it. Throws ErreurES,
    // with the level in play unchanged, when the file cannot be read.
    void Charge(const std::filesystem::path& jeu, const TNiveau& niveau);

    // Slides the active piece. A move that does not advance is neither logged nor kept.
    TResultatCoup Joue(int8_t dx, int8_t dy);
    TResultatCoup Change();

    // Takes back the last move or switch; false when there is none. The log loses its code.
    bool PeutAnnuler() const { return !historique_.empty(); }
    bool Annule();
    // No undo from here on (a solved level).
    void OublieHistorique() { historique_.clear(); }

    // Offers the log as the level's solution in set `ensemble`: stored when the level has none
    // or the log is shorter. The level's index record is read again just before.
    void EnregistreSolution(const std::filesystem::path& jeu, const std::string& ensemble);

    const TNiveau& Niveau() const { return niveau_; }
    TNiveau& Niveau() { return niveau_; }
    bool Boule() const { return boule_; } // true while the ball is active
    const TJournal& Journal() const { return journal_; }
    void ViderJournal();

  private:
    // Before each move or switch kept: undo puts it back whole, the log included, so the log
    // is exactly that of a player who never made the moves taken back.
    struct Etat {
        TNiveau niveau;
        bool boule;
        TJournal journal;
    };

    TNiveau niveau_;
    bool boule_ = true;
    TJournal journal_;
    std::vector<Etat> historique_;
};

} // namespace zorvane
