// The solution player: a solution replayed move by move on a copy of its level, like a tape, with
// play, pause, rewind, eject and a speed slider. It replays the game level's stored solution in
// place of the game, or a solution held in memory for the editor.
#pragma once

#include "NiveauEnJeu.h"
#include "Soluce.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

class QSlider;
class QToolButton;
class QWidget;

namespace zorvane {

class HoteLecteur;

class TLecteurSoluce : public QObject {
    Q_OBJECT
  public:
    // Builds the hidden controls on the window's client area `client`.
    TLecteurSoluce(HoteLecteur& hote, QWidget* client);

    // Replays the stored solution of `niveauDuJeu`, the game's level, on a copy read again from
    // its file; the eject gives the game back.
    void SolutionSBClick(const TNiveau& niveauDuJeu);
    // Replays a solution held in memory (not in the set's files) from the level `depart`, with
    // the same controls; the eject calls `retour` instead of giving the game back.
    void RegardeSolution(const TNiveau& depart, const TSoluce& soluce,
                         std::function<void()> retour);
    void JoueSoluce(); // one step, at each tick
    void RewindSBClick();
    void EjectSBClick();
    // The game stops: no more steps.
    void Arrete();

    // The replay is shown in place of the game or the editor.
    bool Affichee() const { return affichee_; }
    // The copy the replay plays on.
    const TNiveauEnJeu& Niveau() const { return soluce_; }
    bool AuDebut() const { return RewindTag != 0; }
    // The ticks play steps: false once the replayed level is solved or its moves are used up.
    bool EnLecture() const { return joue_; }

  private:
    void Montre();
    void Lance(); // the steps start at the slider's pace

    struct ReplayEnMemoire {
        TNiveau depart;
        TSoluce soluce; // rewound
        TSoluce lue;    // being read
        std::function<void()> retour;
    };

    HoteLecteur& hote_;
    QWidget* SolucePanel;
    QToolButton* PlaySB;
    QToolButton* PauseSB;
    QToolButton* RewindSB;
    QToolButton* EjectSB;
    QSlider* TrackBar;
    QTimer Timer;
    TNiveauEnJeu soluce_;
    TSoluce SoluceJeu; // the game level's stored solution, being read
    std::optional<ReplayEnMemoire> ReplayMemoire;
    int RewindTag = 0; // 1 while the replay stands at its start
    bool joue_ = false;
    bool affichee_ = false;
};

} // namespace zorvane
