// The solution player: the level's stored solution replayed move by move on a copy of the level,
// like a tape, and the game given back as it was on eject.
#include "LecteurSoluce.h"

#include "Boutons.h"
#include "HoteLecteur.h"
#include "ImageWidget.h"
#include "Messages.h"
#include "Touches.h"

#include <QSlider>
#include <QToolButton>

namespace zorvane {

namespace {

int Intervalle(int position) {
    return 1531 - 170 * position;
}

} // namespace

TLecteurSoluce::TLecteurSoluce(HoteLecteur& hote, QWidget* client)
    : QObject(client), hote_(hote), Timer(this) {
    setObjectName("Lecteur");
    SolucePanel = new Panneau(client, Panneau::Aucun, Panneau::Aucun);
    SolucePanel->setObjectName("SolucePanel");
    SolucePanel->setGeometry(8, 0, 153, 49);
    SolucePanel->hide();
    TrackBar = new QSlider(Qt::Horizontal, client);
    TrackBar->setObjectName("TrackBar");
    TrackBar->setGeometry(216, 2, 150, 45);
    TrackBar->setRange(0, 9);
    TrackBar->setValue(5);
    TrackBar->setTickInterval(1);
    TrackBar->setTickPosition(QSlider::TicksBothSides);
    TrackBar->setToolTip("Vitesse de lecture");
    TrackBar->hide();
    auto bouton = [this](const char* nom, const char* image, const char* bulle, int x) {
        return BoutonPlat(SolucePanel, nom, image, bulle, {x, 4, 36, 41});
    };
    PlaySB = bouton("PlaySB", "jouer.png", "Jouer", 0);
    PauseSB = bouton("PauseSB", "pause.png", "Pause", 38);
    RewindSB = bouton("RewindSB", "rembobiner.png", "Rembobiner", 76);
    EjectSB = bouton("EjectSB", "ejecter.png", "Revenir au jeu", 114);

    Timer.setObjectName("Timer");
    Timer.setInterval(1000);
    QWidget* fenetre = client->window();
    connect(&Timer, &QTimer::timeout, this, EnCommande(fenetre, [this] {
        if (joue_)
            JoueSoluce();
    }));
    connect(PlaySB, &QToolButton::clicked, &Timer, qOverload<>(&QTimer::start));
    connect(PauseSB, &QToolButton::clicked, &Timer, &QTimer::stop);
    connect(RewindSB, &QToolButton::clicked, this,
            EnCommande(fenetre, [this] { RewindSBClick(); }));
    connect(EjectSB, &QToolButton::clicked, this, EnCommande(fenetre, [this] { EjectSBClick(); }));
    connect(TrackBar, &QSlider::valueChanged, this,
            [this](int position) { Timer.setInterval(Intervalle(position)); });
}

// The controls in place of the tool bar, the replay at its start.
void TLecteurSoluce::Montre() {
    TrackBar->show();
    TrackBar->setFocus();
    RewindTag = 1;
    SolucePanel->show();
    affichee_ = true;
}

void TLecteurSoluce::Lance() {
    joue_ = true;
    Timer.setInterval(Intervalle(TrackBar->value()));
    Timer.start();
}

void TLecteurSoluce::SolutionSBClick(const TNiveau& niveauDuJeu) {
    Commande(SolucePanel->window(), [&] {
        hote_.CedeAuLecteur();
        Montre();
        // The editor may have moved the solutions since the level was shown: read the index
        // record again.
        SoluceJeu.NomFichier = niveauDuJeu.NomFichier;
        LitIndex(hote_.Jeu(), SoluceJeu, NumeroNiveau(niveauDuJeu));
        OuvreSoluce(hote_.Jeu(), SoluceJeu);
        soluce_.Charge(hote_.Jeu(), niveauDuJeu);
        hote_.AfficheNiveau(soluce_.Niveau(), true, false, false);
        hote_.RetireClavier();
        Lance();
    });
}

void TLecteurSoluce::RegardeSolution(const TNiveau& depart, const TSoluce& soluce,
                                     std::function<void()> retour) {
    ReplayMemoire = ReplayEnMemoire{depart, soluce, soluce, std::move(retour)};
    Montre();
    hote_.MontreActif(true);
    hote_.RetireClavier();
    soluce_.Commence(depart);
    hote_.AfficheNiveau(soluce_.Niveau(), false, false, false);
    hote_.DessineActif(true);
    Lance();
}

// One step of the replay: the timer is off while the move is animated, so steps never overlap.
void TLecteurSoluce::JoueSoluce() {
    Timer.stop();
    const int code = CoupSuivant(ReplayMemoire ? ReplayMemoire->lue : SoluceJeu);
    if (code == CoupFin) {
        // A damaged solution that ends before the level is solved: the replay stops there.
        joue_ = false;
        Timer.start();
        return;
    }
    if (code != CoupChangement)
        RewindTag = 0;
    // A move the piece cannot make (an outdated solution) is skipped: nothing moves.
    const Geste geste = code == CoupChangement ? Geste{true}
                                               : Geste{false, DirectionsDesCoups[code].dx,
                                                       DirectionsDesCoups[code].dy};
    // The next step comes one whole interval after this one's slide.
    hote_.JoueGeste(soluce_, geste, [this](const TResultatCoup& r) {
        if (!r.change && r.resolu)
            joue_ = false;
        Timer.start();
    });
}

void TLecteurSoluce::RewindSBClick() {
    if (RewindTag != 0)
        return;
    if (ReplayMemoire) {
        ReplayMemoire->lue = ReplayMemoire->soluce;
        soluce_.Commence(ReplayMemoire->depart);
        hote_.AfficheNiveau(soluce_.Niveau(), false, false, false);
        hote_.DessineActif(true);
        joue_ = true;
        RewindTag = 1;
        return;
    }
    Commande(SolucePanel->window(), [this] {
        OuvreSoluce(hote_.Jeu(), SoluceJeu);
        soluce_.Charge(hote_.Jeu(), soluce_.Niveau());
        hote_.AfficheNiveau(soluce_.Niveau(), true, false, false);
        hote_.RetireClavier();
        joue_ = true;
        RewindTag = 1;
    });
}

void TLecteurSoluce::EjectSBClick() {
    Arrete();
    affichee_ = false;
    SolucePanel->hide();
    TrackBar->hide();
    if (ReplayMemoire) {
        hote_.MontreActif(false);
        const std::function<void()> retour = std::move(ReplayMemoire->retour);
        ReplayMemoire.reset();
        retour();
        return;
    }
    hote_.RendLeJeu();
}

void TLecteurSoluce::Arrete() {
    joue_ = false;
    Timer.stop();
}

} // namespace zorvane
