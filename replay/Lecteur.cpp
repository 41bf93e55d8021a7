// The solution player: the level's stored solution replayed move by move on a copy of the level,
// like a tape, and the game given back as it was on eject.
#include "Boutons.h"
#include "ImageWidget.h"
#include "Messages.h"
#include "Principal.h"

#include <QAction>
#include <QMenuBar>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace zorvane {

namespace {

int Intervalle(int position) {
    return 1531 - 170 * position;
}

} // namespace

void TMainForm::ConstruitLecteur() {
    auto bouton = [this](const char* nom, const char* image, const char* bulle, int x) {
        return BoutonPlat(SolucePanel, nom, image, bulle, {x, 4, 36, 41});
    };
    PlaySB = bouton("PlaySB", "jouer.png", "Jouer", 0);
    PauseSB = bouton("PauseSB", "pause.png", "Pause", 38);
    RewindSB = bouton("RewindSB", "rembobiner.png", "Rembobiner", 76);
    EjectSB = bouton("EjectSB", "ejecter.png", "Revenir au jeu", 114);
    connect(PlaySB, &QToolButton::clicked, Timer, qOverload<>(&QTimer::start));
    connect(PauseSB, &QToolButton::clicked, Timer, &QTimer::stop);
    connect(RewindSB, &QToolButton::clicked, this, EnCommande(this, [this] { RewindSBClick(); }));
    connect(EjectSB, &QToolButton::clicked, this, EnCommande(this, [this] { EjectSBClick(); }));
    connect(TrackBar, &QSlider::valueChanged, this,
            [this](int position) { Timer->setInterval(Intervalle(position)); });
}

void TMainForm::ActiveMenusDuJeu(bool actifs) {
    for (QAction* a : {JeuMenu->menuAction(), OptionsMenu->menuAction(), EditeurM})
        a->setEnabled(actifs);
}

void TMainForm::SolutionSBClick() {
    Commande(this, [this] {
        PanelEdit->hide();
        TrackBar->show();
        TrackBar->setFocus();
        ActiveMenusDuJeu(false);
        SBPanel->hide();
        RewindTag = 1;
        SolucePanel->show();
        lectureAffichee_ = true;
        // The keys belong to the speed slider now; the game waits for the eject.
        GestionClavier = Clavier::Aucun;
        // The editor may have moved the solutions since the level was shown: read the index
        // record again.
        LitIndex(Jeu(), SoluceJeu, NumeroNiveau(jeu_.Niveau()));
        OuvreSoluce(Jeu(), SoluceJeu);
        soluce_.Charge(Jeu(), jeu_.Niveau());
        AfficheNiveau(soluce_.Niveau(), true, false, false);
        GestionClavier = Clavier::Aucun;
        MajAnnuler();
        TimerHandler = GestionTimer::Replay;
        Timer->setInterval(Intervalle(TrackBar->value()));
        Timer->start();
    });
}

void TMainForm::RegardeSolution(const TNiveau& depart, const TSoluce& soluce,
                                std::function<void()> retour) {
    ReplayMemoire = ReplayEnMemoire{depart, soluce, soluce, std::move(retour)};
    TrackBar->show();
    TrackBar->setFocus();
    RewindTag = 1;
    SolucePanel->show();
    lectureAffichee_ = true;
    SwapPanel->show();
    GestionClavier = Clavier::Aucun;
    soluce_.Commence(depart);
    AfficheNiveau(soluce_.Niveau(), false, false, false);
    DessineActif(true);
    TimerHandler = GestionTimer::Replay;
    Timer->setInterval(Intervalle(TrackBar->value()));
    Timer->start();
}

// One step of the replay: the timer is off while the move is animated, so steps never overlap.
void TMainForm::JoueSoluce() {
    Timer->stop();
    const int code = CoupSuivant(ReplayMemoire ? ReplayMemoire->lue : SoluceJeu);
    if (code == CoupFin) {
        // A damaged solution that ends before the level is solved: the replay stops there.
        TimerHandler = GestionTimer::Aucun;
        Timer->start();
        return;
    }
    if (code != CoupChangement)
        RewindTag = 0;
    // A move the piece cannot make (an outdated solution) is skipped: nothing moves.
    const Geste geste = code == CoupChangement ? Geste{true}
                                               : Geste{false, DirectionsDesCoups[code].dx,
                                                       DirectionsDesCoups[code].dy};
    // The next step comes one whole interval after this one's slide.
    JoueGeste(soluce_, geste, [this](const TResultatCoup& r) {
        if (!r.change && r.resolu)
            TimerHandler = GestionTimer::Aucun;
        Timer->start();
    });
}

void TMainForm::RewindSBClick() {
    if (RewindTag != 0)
        return;
    if (ReplayMemoire) {
        ReplayMemoire->lue = ReplayMemoire->soluce;
        soluce_.Commence(ReplayMemoire->depart);
        AfficheNiveau(soluce_.Niveau(), false, false, false);
        DessineActif(true);
        TimerHandler = GestionTimer::Replay;
        RewindTag = 1;
        return;
    }
    Commande(this, [this] {
        OuvreSoluce(Jeu(), SoluceJeu);
        soluce_.Charge(Jeu(), soluce_.Niveau());
        AfficheNiveau(soluce_.Niveau(), true, false, false);
        GestionClavier = Clavier::Aucun;
        TimerHandler = GestionTimer::Replay;
        RewindTag = 1;
    });
}

void TMainForm::EjectSBClick() {
    TimerHandler = GestionTimer::Aucun;
    Timer->stop();
    lectureAffichee_ = false;
    if (ReplayMemoire) {
        SolucePanel->hide();
        TrackBar->hide();
        SwapPanel->hide();
        const std::function<void()> retour = std::move(ReplayMemoire->retour);
        ReplayMemoire.reset();
        retour();
        return;
    }
    ActiveMenusDuJeu(true);
    SolucePanel->hide();
    TrackBar->hide();
    PanelEdit->show();
    SBPanel->show();
    DessineActif(jeu_.Boule());
    AfficheNiveau(jeu_.Niveau(), false, false, false);
    GestionClavier = Clavier::Jeu;
    MajAnnuler();
    setFocus();
}

} // namespace zorvane
