// The play flow: a new game, a level on the board, a restart, the next level, the end of a set.
#include "ChoixNiv.h"
#include "Ensemble.h"
#include "ImageWidget.h"
#include "Messages.h"
#include "PeintrePlateau.h"
#include "Principal.h"
#include "Texte.h"
#include "Video.h"

#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

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
            DemarreCompte(NumeroNiveau(niveau));
    }
    LabelLevel->setText(QString("Niveau n° %1").arg(NumeroNiveau(niveau)));
    GestionClavier = test ? Clavier::Test : Clavier::Jeu;
    MajAnnuler();
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
        SoluceJeu.NomFichier = jeu_.Niveau().NomFichier;
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
    GestionClavier = Clavier::Aucun;
    TimerCompte->stop();
    Timer->stop();
    TimerHandler = GestionTimer::Aucun;
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
    GestionClavier = Clavier::Aucun;
    MajAnnuler();
    if (GraphismeAuto)
        GraphismeSuivant();
    jeu_.ChargeNiveau();
    AfficheNiveau(jeu_.Niveau(), true, false, true);
}

void TMainForm::VideoFin() {
    GestionClavier = Clavier::Aucun;
    MajAnnuler();
    TimerCompte->stop();
    Timer->stop();
    TimerHandler = GestionTimer::Aucun;
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
    if (Vue_ == Vue::Test && NiveauTeste)
        return NiveauTeste().Niveau();
    if (Vue_ != Vue::Jeu)
        return NivEdit;
    return lectureAffichee_ ? soluce_.Niveau() : jeu_.Niveau();
}

bool TMainForm::ActifCourant() const {
    if (Vue_ == Vue::Test && NiveauTeste)
        return NiveauTeste().Boule();
    return Vue_ == Vue::Jeu && lectureAffichee_ ? soluce_.Boule() : jeu_.Boule();
}

void TMainForm::ActiveEnregistrement(bool actif) {
    nonEnregistree_ = actif;
    EnregistrerM->setEnabled(actif);
    EnregistrerSB->setEnabled(actif);
}

} // namespace zorvane
