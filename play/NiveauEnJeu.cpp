#include "NiveauEnJeu.h"

#include "NiveauFichier.h"

namespace zorvane {

void TNiveauEnJeu::Commence(const TNiveau& niveau) {
    niveau_ = niveau;
    boule_ = true;
    ViderJournal();
}

void TNiveauEnJeu::Charge(const std::filesystem::path& jeu, const TNiveau& niveau) {
    TNiveau lu = niveau;
    LitNiveau(jeu, lu);
    Commence(lu);
}

void TNiveauEnJeu::ViderJournal() {
    zorvane::ViderJournal(journal_);
    historique_.clear();
}

TResultatCoup TNiveauEnJeu::Joue(int8_t dx, int8_t dy) {
    TResultatCoup r;
    r.boule = boule_;
    r.dx = dx;
    r.dy = dy;
    r.depart = boule_ ? niveau_.PosBoule : niveau_.PosCarre;
    r.arrivee = r.depart;
    Etat avant{niveau_, boule_, journal_};
    if (Deplace(niveau_, boule_, dx, dy)) {
        r.bouge = true;
        r.arrivee = boule_ ? niveau_.PosBoule : niveau_.PosCarre;
        // The cells crossed that still read E hold the gems the ball takes.
        for (int x = r.depart.x, y = r.depart.y; x != r.arrivee.x || y != r.arrivee.y;) {
            x += dx;
            y += dy;
            if (LitCase(niveau_, uint8_t(x), uint8_t(y)) == CaseZelmite)
                r.zelmites.push_back({uint8_t(x), uint8_t(y)});
        }
        AcheveDeplacement(niveau_, r.depart, boule_, dx, dy);
        historique_.push_back(std::move(avant));
        AjouteCoup(journal_, dx, dy);
    }
    r.resolu = NiveauFini(niveau_);
    if (r.resolu)
        historique_.clear(); // undo never goes back over a solved level
    return r;
}

TResultatCoup TNiveauEnJeu::Change() {
    historique_.push_back({niveau_, boule_, journal_});
    boule_ = !boule_;
    AjouteCoup(journal_, 0, 0);
    TResultatCoup r;
    r.change = true;
    r.boule = boule_;
    r.depart = r.arrivee = boule_ ? niveau_.PosBoule : niveau_.PosCarre;
    r.resolu = NiveauFini(niveau_);
    return r;
}

bool TNiveauEnJeu::Annule() {
    if (historique_.empty())
        return false;
    Etat& e = historique_.back();
    niveau_ = e.niveau;
    boule_ = e.boule;
    journal_ = std::move(e.journal);
    historique_.pop_back();
    return true;
}

void TNiveauEnJeu::EnregistreSolution(const std::filesystem::path& jeu,
                                      const std::string& ensemble) {
    journal_.NomFichier = ensemble;
    // The index record read when the level was shown may be stale if the editor changed the
    // set's solutions since: it is read again right before storing.
    TSoluce actuel;
    actuel.NomFichier = ensemble;
    LitIndex(jeu, actuel, NumeroNiveau(niveau_));
    EnregistreSoluce(jeu, journal_, NumeroNiveau(niveau_), CopieIndex(actuel));
}

} // namespace zorvane
