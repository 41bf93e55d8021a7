// The window as the editor's host: entering and leaving the editor's views, and the game in
// progress kept on its own level through what the editor did to its set.
#include "Editeur.h"
#include "Ensemble.h"
#include "ImageWidget.h"
#include "Messages.h"
#include "PeintrePlateau.h"
#include "Principal.h"

#include <QLabel>
#include <QTimer>
#include <filesystem>

namespace zorvane {

void TMainForm::EditeurSBClick() {
    // The countdown pauses: it resumes on the return only if it was running now.
    compteEnCours_ = TimerCompte->isActive();
    TimerCompte->stop();
    NiveauJeuModifie = false;
    effacesDuJeu_.clear();
    MontreVueEditeur();
    Editeur->EditeurSBClick();
}

void TMainForm::MontreVueEditeur() {
    GestionClavier = Clavier::Aucun;
    InstalleVue(Vue::Editeur);
    SBPanel->hide();
    SwapPanel->hide();
}

void TMainForm::MontreVueTest() {
    InstalleVue(Vue::Test);
    SwapPanel->show();
}

void TMainForm::AfficheTest(const TNiveau& niveau) {
    AfficheNiveau(niveau, true, true, false);
}

bool TMainForm::ClavierAuTest() const {
    return GestionClavier == Clavier::Test;
}

void TMainForm::CoupeClavier() {
    GestionClavier = Clavier::Aucun;
}

void TMainForm::NiveauEfface(const std::string& ensemble, int32_t numero) {
    if (ensemble == jeu_.Niveau().NomFichier)
        effacesDuJeu_.push_back(numero);
}

void TMainForm::NiveauEnregistre(const std::string& ensemble, int32_t numero) {
    if (numero == NumeroNiveau(jeu_.Niveau()) && ensemble == jeu_.Niveau().NomFichier)
        NiveauJeuModifie = true;
}

void TMainForm::RetourAuJeu() {
    SwapPanel->show();
    InstalleVue(Vue::Jeu);
    SBPanel->show();
    // No level to go on with: an empty board, no keys, the game's progress kept for a save.
    auto stoppe = [this] {
        GestionClavier = Clavier::Aucun;
        MajAnnuler();
        LabelLevel->clear();
        ImgSwap->image().fill(palette().color(QPalette::Button));
        ImgSwap->repaint();
        peintre_->DessineFond();
    };
    if (jeu_.Niveau().NomFichier.empty()) {
        stoppe();
        return;
    }
    // The game's set may have been deleted meanwhile: the game then ends cleanly.
    const auto niv = Jeu() / CheminEnsemble(jeu_.Niveau().NomFichier, ".niv");
    std::error_code erreur;
    if (!std::filesystem::is_regular_file(niv, erreur)) {
        ArretePartie();
        stoppe();
        return;
    }
    // Levels erased before the game's level move it down. Its own level erased, the level that
    // took its number is played from its start, as a level saved over it would be.
    const int32_t numero = NumeroNiveau(jeu_.Niveau());
    int32_t nouveau = numero;
    for (int32_t efface : effacesDuJeu_) {
        if (efface == nouveau)
            NiveauJeuModifie = true;
        else if (efface < nouveau)
            --nouveau;
    }
    const bool ok = Commande(this, [&] {
        jeu_.RecompteNiveaux();
        if (nouveau > NombreNiveaux(jeu_.Niveau())) {
            stoppe();
            return;
        }
        if (nouveau != numero)
            jeu_.Renumerote(nouveau);
        if (NiveauJeuModifie) {
            jeu_.ChargeNiveau();
            AfficheNiveau(jeu_.Niveau(), true, false, true);
        } else {
            LabelLevel->setText(QString("Niveau n° %1").arg(nouveau));
            AfficheNiveau(jeu_.Niveau(), false, false, false);
            DessineActif(jeu_.Boule());
            if (compteEnCours_) {
                TimerCompte->start();
            }
            GestionClavier = Clavier::Jeu;
            MajAnnuler();
        }
    });
    if (!ok)
        stoppe();
}

} // namespace zorvane
