// The solution countdown: five minutes of one-second ticks after a level with a stored solution
// is shown, cut short by the hidden code typed in play, before the solution is offered.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <filesystem>
#include <string>

namespace zorvane {

struct TNiveau;

// The hint of the solution button with `restant` seconds left.
QString BulleCompte(int restant);

class TCompteARebours : public QObject {
    Q_OBJECT
  public:
    // frappe: the last keys typed in play, newest first; the hidden code found there at a tick
    // ends the countdown, and the keys are forgotten.
    TCompteARebours(std::string& frappe, QObject* parent);

    // A fresh countdown for `niveau`, shown for play from the set in `jeu`; it runs only when the
    // level has a stored solution. A damaged index leaves it stopped, and throws.
    void Demarre(const std::filesystem::path& jeu, const TNiveau& niveau);
    // The editor's pause keeps the ticks counted; Reprend goes on from them.
    bool EnCours() const { return minuterie_.isActive(); }
    void Suspend() { minuterie_.stop(); }
    void Reprend() { minuterie_.start(); }
    // No level in play any more.
    void Arrete() { minuterie_.stop(); }

  signals:
    // The solution button: its hint, and whether it offers the solution.
    void BulleChangee(const QString& bulle);
    void SolutionDisponible(bool disponible);

  private:
    void TimerTimer(); // one tick
    std::string& frappe_;
    QTimer minuterie_;
    int TimerTag = 0;
};

} // namespace zorvane
