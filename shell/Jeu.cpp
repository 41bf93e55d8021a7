// The play flow: a new game, a level on the board, a restart, the next level, the end of a set,
// and the game taken up again after the editor.
#include "ChoixNiv.h"
#include "CompteARebours.h"
#include "Editeur.h"
#include "Ensemble.h"
#include "ImageWidget.h"
#include "LecteurSoluce.h"
#include "MainForm.h"
#include "Messages.h"
#include "PeintrePlateau.h"
#include "Texte.h"
#include "Video.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <filesystem>

namespace zorvane {

void TMainForm::AfficheNiveau(const TNiveau& niveau, bool charge, bool test, bool compte) {
    peintre_->Dessine(niveau);
    if (!charge)
        return;
    DessineActif(true);
    if (!test) {
        RecommencerM->setEnabled(false);
        RecommencerSB->setEnabled(false);
        if (compte)
            compte_->Demarre(Jeu(), niveau);
    }
    LabelLevel->setText(QString("Niveau n° %1").arg(NumeroNiveau(niveau)));
    gestionClavier_ = test ? Clavier::Test : Clavier::Jeu;
    MajAnnuler();
}

// The editor's test, and the game kept on its own level through what the editor did to its set.
void TMainForm::AfficheTest(const TNiveau& niveau) {
    AfficheNiveau(niveau, true, true, false);
}

bool TMainForm::ClavierAuTest() const {
    return gestionClavier_ == Clavier::Test;
}

void TMainForm::CoupeClavier() {
    gestionClavier_ = Clavier::Aucun;
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
        gestionClavier_ = Clavier::Aucun;
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
                ReprendCompte();
            }
            gestionClavier_ = Clavier::Jeu;
            MajAnnuler();
        }
    });
    if (!ok)
        stoppe();
}

void TMainForm::NouveauMClick() {
    if (PartieNonEnregistree() &&
        Confirmation(this, "Vous voulez commencer une nouvelle partie mais celle en cours n'a "
                           "pas été sauvegardée. Voulez-vous l'enregistrer ?") &&
        !EnregistrerSBClick())
        return; // the game the player wanted to keep is not replaced
    std::string choisi;
    if (!ChoisitEnsemble(this, DossierJeu_, true, choisi))
        return;
    const bool commence = Commande(this, [&] {
        Nomdujoueur->clear();
        ActiveEnregistrement(false);
        jeu_.Nouvelle(choisi);
        AfficheNiveau(jeu_.Niveau(), true, false, true);
    });
    if (!commence) {
        ArretePartie();
        return;
    }
    AfficheDescription();
}

void TMainForm::AfficheDescription() {
    Commande(this, [this] {
        const std::string description = LireDescription(Jeu(), jeu_.Niveau());
        if (!description.empty())
            Information(this, Depuis1252(description));
    });
}

// No game in progress: what start-up leaves, and where a game ends when its set cannot be read.
void TMainForm::ArretePartie() {
    gestionClavier_ = Clavier::Aucun;
    compte_->Arrete();
    lecteur_->Arrete();
    jeu_.Arrete();
    MajAnnuler();
    SolutionSB->setEnabled(false);
    SolutionSB->setToolTip(QString());
    RecommencerSB->setEnabled(false);
    RecommencerM->setEnabled(false);
    ActiveEnregistrement(false);
    LabelLevel->clear();
    peintre_->DessineFond();
}

void TMainForm::RecommencerSBClick() {
    Commande(this, [this] {
        jeu_.Recommence();
        AfficheNiveau(jeu_.Niveau(), true, false, false);
    });
}

// After the key press that collected the last gem.
void TMainForm::NiveauResolu() {
    // A solution that cannot be stored (a full or read-only folder, a damaged index) is
    // reported once, and the game goes on: the player is never kept on a solved level.
    Commande(this, [this] { jeu_.FinitNiveau(); });
    const bool fin = jeu_.FinDEnsemble();
    ActiveEnregistrement(true);
    if (fin) {
        VideoFin();
        return;
    }
    // A set or a graphics set that cannot be read leaves no level to play: the keys must not
    // act on the board of the level just solved.
    gestionClavier_ = Clavier::Aucun;
    MajAnnuler();
    if (graphismeAuto_)
        GraphismeSuivant();
    jeu_.ChargeNiveau();
    AfficheNiveau(jeu_.Niveau(), true, false, true);
}

void TMainForm::VideoFin() {
    gestionClavier_ = Clavier::Aucun;
    MajAnnuler();
    compte_->Arrete();
    lecteur_->Arrete();
    SolutionSB->setEnabled(false);
    SolutionSB->setToolTip(QString());
    RecommencerSB->setEnabled(false);
    RecommencerM->setEnabled(false);
    LabelLevel->clear();
    peintre_->DessineFond();
    TVideo video(this, [this] { JoueSonBloquant("applau.wav"); });
    video.exec();
}

const TNiveau& TMainForm::NiveauAffiche() const {
    if (Vue_ == Vue::Test)
        return editeur_->NiveauTeste().Niveau();
    if (Vue_ != Vue::Jeu)
        return editeur_->NivEdit;
    return lecteur_->Affichee() ? lecteur_->Niveau().Niveau() : jeu_.Niveau();
}

bool TMainForm::ActifCourant() const {
    if (Vue_ == Vue::Test)
        return editeur_->NiveauTeste().Boule();
    return Vue_ == Vue::Jeu && lecteur_->Affichee() ? lecteur_->Niveau().Boule() : jeu_.Boule();
}

void TMainForm::ActiveEnregistrement(bool actif) {
    nonEnregistree_ = actif;
    EnregistrerM->setEnabled(actif);
    EnregistrerSB->setEnabled(actif);
}

// ---- The solution countdown and player

bool TMainForm::CompteEnCours() const {
    return compte_->EnCours();
}

void TMainForm::SuspendCompte() {
    compte_->Suspend();
}

void TMainForm::ReprendCompte() {
    compte_->Reprend();
}

void TMainForm::SolutionSBClick() {
    lecteur_->SolutionSBClick(jeu_.Niveau());
}

void TMainForm::RegardeSolution(const TNiveau& depart, const TSoluce& soluce,
                                std::function<void()> retour) {
    lecteur_->RegardeSolution(depart, soluce, std::move(retour));
}

bool TMainForm::LectureAffichee() const {
    return lecteur_->Affichee();
}

const TNiveauEnJeu& TMainForm::NiveauSoluce() const {
    return lecteur_->Niveau();
}

// The first three items of the main menu: "&Jeu", "&Options", "&Editeur de Niveaux".
void TMainForm::ActiveMenusDuJeu(bool actifs) {
    for (QAction* a : {JeuMenu->menuAction(), OptionsMenu->menuAction(), EditeurM})
        a->setEnabled(actifs);
}

void TMainForm::CedeAuLecteur() {
    PanelEdit->hide();
    ActiveMenusDuJeu(false);
    SBPanel->hide();
    gestionClavier_ = Clavier::Aucun;
}

void TMainForm::RendLeJeu() {
    ActiveMenusDuJeu(true);
    PanelEdit->show();
    SBPanel->show();
    DessineActif(jeu_.Boule());
    AfficheNiveau(jeu_.Niveau(), false, false, false);
    gestionClavier_ = Clavier::Jeu;
    MajAnnuler();
    setFocus();
}

void TMainForm::RetireClavier() {
    gestionClavier_ = Clavier::Aucun;
    MajAnnuler();
}

void TMainForm::MontreActif(bool montre) {
    SwapPanel->setVisible(montre);
}

} // namespace zorvane
