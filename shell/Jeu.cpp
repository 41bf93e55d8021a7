// The play flow: a new game, a level on the board, a restart, the next level, the end of a set.
#include "ChoixNiv.h"
#include "Ensemble.h"
#include "Fenetres.h"
#include "ImageWidget.h"
#include "Messages.h"
#include "NiveauFichier.h"
#include "Principal.h"
#include "Texte.h"

#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace zorvane {

void TMainForm::AfficheNiveau(TNiveau& niveau, bool charger, bool test, bool& actif, bool compte) {
    if (charger)
        LitNiveau(Jeu(), niveau); // a damaged level leaves the record as it was
    DessinePlateau(niveau);
    if (!charger)
        return;
    actif = false;
    ChangeControl(actif);
    if (!test) {
        RecommencerM->setEnabled(false);
        RecommencerSB->setEnabled(false);
        if (compte)
            DemarreCompte(NumeroNiveau(niveau));
    }
    LabelLevel->setText(QString("Niveau n° %1").arg(NumeroNiveau(niveau)));
    GestionClavier = test ? Clavier::Test : Clavier::Jeu;
}

// The whole board: background, gems and walls, then the ball and the square.
void TMainForm::DessinePlateau(const TNiveau& niveau) {
    QPainter p(&ImgFond->image());
    p.drawPixmap(0, 0, Fond);
    for (uint8_t x = 0; x < NbColonnes; ++x)
        for (uint8_t y = 0; y < NbLignes; ++y) {
            const char c = LitCase(niveau, x, y);
            if (c == CaseZelmite)
                p.drawPixmap(x * TailleCase, y * TailleCase, ImgZelmite);
            else if (c == CaseMur)
                p.drawPixmap(x * TailleCase, y * TailleCase, ImgMur);
        }
    p.drawPixmap(niveau.PosBoule.x * TailleCase, niveau.PosBoule.y * TailleCase, ImgBoule);
    p.drawPixmap(niveau.PosCarre.x * TailleCase, niveau.PosCarre.y * TailleCase, ImgCarre);
    p.end();
    ImgFond->repaint();
}

void TMainForm::NouveauMClick() {
    if (EnregistrerSB->isEnabled() &&
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
        NivJeu.NomFichier = choisi.substr(0, LongueurNomEnsemble);
        CompteNiveaux(Jeu(), NivJeu, false);
        FixeRang(PartieEnCours, -1);
        FixeNiveau(PartieEnCours, 1);
        FixeEnsemble(PartieEnCours, NivJeu.NomFichier);
        ViderJournal(JournalJeu);
        ChangeNumero(NivJeu, 1);
        SoluceJeu.NomFichier = NivJeu.NomFichier;
        AfficheNiveau(NivJeu, true, false, ActifJeu, true);
    });
    if (!commence) {
        ArretePartie();
        return;
    }
    AfficheDescription();
}

void TMainForm::AfficheDescription() {
    Commande(this, [this] {
        const std::string description = LireDescription(Jeu(), NivJeu);
        if (!description.empty())
            Information(this, Depuis1252(description));
    });
}

// No game in progress: what start-up leaves, and where a game ends when its set cannot be read.
void TMainForm::ArretePartie() {
    GestionClavier = Clavier::Aucun;
    Timer->stop();
    TimerHandler = GestionTimer::Aucun;
    NivJeu.NomFichier.clear();
    SolutionSB->setEnabled(false);
    SolutionSB->setToolTip(QString());
    RecommencerSB->setEnabled(false);
    RecommencerM->setEnabled(false);
    ActiveEnregistrement(false);
    LabelLevel->clear();
    DessineFond();
}

void TMainForm::DessineFond() {
    {
        QPainter p(&ImgFond->image());
        p.drawPixmap(0, 0, Fond);
    }
    ImgFond->repaint();
}

void TMainForm::RecommencerSBClick() {
    Commande(this, [this] {
        ViderJournal(JournalJeu);
        AfficheNiveau(NivJeu, true, false, ActifJeu, false);
    });
}

// After the key press that collected the last gem.
void TMainForm::NiveauResolu() {
    JournalJeu.NomFichier = EnsemblePartie(PartieEnCours);
    // The index record read when the level was shown may be stale if the editor changed the
    // set's solutions since: read it again right before storing.
    TSoluce actuel;
    actuel.NomFichier = JournalJeu.NomFichier;
    LitIndex(Jeu(), actuel, NumeroNiveau(NivJeu));
    EnregistreSoluce(Jeu(), JournalJeu, NumeroNiveau(NivJeu), CopieIndex(actuel));
    ChangeNumero(NivJeu, 0);
    FixeNiveau(PartieEnCours, 0);
    ViderJournal(JournalJeu);
    ActiveEnregistrement(true);
    if (NumeroNiveau(NivJeu) > NombreNiveaux(NivJeu)) {
        VideoFin();
        return;
    }
    // A set or a graphics set that cannot be read leaves no level to play: the keys must not
    // act on the board of the level just solved.
    GestionClavier = Clavier::Aucun;
    if (GraphismeAuto)
        GraphismeSuivant();
    AfficheNiveau(NivJeu, true, false, ActifJeu, true);
}

void TMainForm::VideoFin() {
    GestionClavier = Clavier::Aucun;
    Timer->stop();
    TimerHandler = GestionTimer::Aucun;
    SolutionSB->setEnabled(false);
    SolutionSB->setToolTip(QString());
    RecommencerSB->setEnabled(false);
    RecommencerM->setEnabled(false);
    LabelLevel->clear();
    DessineFond();
    TVideo video(this, [this] { JoueSonBloquant("applau.wav"); });
    video.exec();
}

TNiveau& TMainForm::NiveauAffiche() {
    if (Vue_ != Vue::Jeu)
        return NivEdit;
    return !SolucePanel->isHidden() ? NivSoluce : NivJeu;
}

bool& TMainForm::ActifCourant() {
    if (Vue_ == Vue::Test || !SolucePanel->isHidden())
        return ActifTest;
    return ActifJeu;
}

void TMainForm::ActiveEnregistrement(bool actif) {
    EnregistrerM->setEnabled(actif);
    EnregistrerSB->setEnabled(actif);
}

} // namespace zorvane
