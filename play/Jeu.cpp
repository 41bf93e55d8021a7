#include "Jeu.h"

#include "Erreur.h"
#include "NiveauFichier.h"

#include <exception>

namespace zorvane {

void TJeu::Arrete() {
    TNiveau vide = enJeu_.Niveau();
    vide.NomFichier.clear();
    enJeu_.Commence(vide);
    InitPartie(partie_);
}

void TJeu::Nouvelle(const std::string& ensemble) {
    try {
        TNiveau niveau = enJeu_.Niveau();
        niveau.NomFichier = ensemble.substr(0, LongueurNomEnsemble);
        CompteNiveaux(jeu_, niveau, false);
        FixeRang(partie_, -1);
        FixeNiveau(partie_, 1);
        FixeEnsemble(partie_, niveau.NomFichier);
        ChangeNumero(niveau, 1);
        enJeu_.Commence(niveau);
        ChargeNiveau();
    } catch (...) {
        Arrete();
        throw;
    }
}

void TJeu::Reprend(const TPartie& partie) {
    const int32_t numero = NiveauPartie(partie);
    if (numero < 1)
        throw ErreurES(FichierEndommage, "partie endommagée (niveau invalide)", FichierJoueur);
    TNiveau niveau = enJeu_.Niveau();
    niveau.NomFichier = EnsemblePartie(partie);
    CompteNiveaux(jeu_, niveau, false);
    ChangeNumero(niveau, numero);
    partie_ = partie;
    enJeu_.Commence(niveau);
}

void TJeu::ChargeNiveau() {
    enJeu_.Charge(jeu_, enJeu_.Niveau());
}

bool TJeu::FinitNiveau() {
    std::exception_ptr echec;
    try {
        enJeu_.EnregistreSolution(jeu_, EnsemblePartie(partie_));
    } catch (const ErreurES&) {
        echec = std::current_exception(); // reported once the game has moved on
    }
    ChangeNumero(enJeu_.Niveau(), 0);
    FixeNiveau(partie_, 0);
    enJeu_.ViderJournal();
    if (echec)
        std::rethrow_exception(echec);
    return FinDEnsemble();
}

void TJeu::RecompteNiveaux() {
    CompteNiveaux(jeu_, enJeu_.Niveau(), false);
}

void TJeu::Renumerote(int32_t numero) {
    ChangeNumero(enJeu_.Niveau(), numero);
    FixeNiveau(partie_, numero);
}

} // namespace zorvane
