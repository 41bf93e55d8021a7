// The solver run on a level in a thread of its own, so that the editor stays usable meanwhile.
// A new check cancels the one before; the answer of a cancelled check is never delivered.
#pragma once

#include "Niveau.h"
#include "Solveur.h"

#include <QObject>
#include <atomic>
#include <memory>
#include <vector>

class QThread;

namespace zorvane {

class TVerification : public QObject {
    Q_OBJECT
  public:
    explicit TVerification(QObject* parent = nullptr);
    ~TVerification() override; // cancels every check and waits for its thread

    // Starts checking `n` (a copy is taken), after cancelling the running check.
    void Lance(const TNiveau& n);
    void Annule();
    bool EnCours() const { return courante_ != nullptr; }

    // The bounds of a check: 12 million states (about 1.1 GB, open lists included) and 30 s of
    // processor time.
    OptionsSolveur Options;

  signals:
    void Progression(const ProgressionSolveur& p);
    // The answer for the level last given to Lance.
    void Terminee(const TNiveau& n, const ResultatSolveur& r);

  private:
    struct Tache {
        std::atomic<bool> annulee{false};
    };
    std::shared_ptr<Tache> courante_;
    std::vector<std::pair<QThread*, std::shared_ptr<Tache>>> fils_;
};

} // namespace zorvane
