#include "Verification.h"

#include <QThread>

namespace zorvane {

TVerification::TVerification(QObject* parent) : QObject(parent) {
    Options.etatsMax = 12'000'000;
    Options.dureeMax = std::chrono::seconds(30);
}

TVerification::~TVerification() {
    for (auto& [fil, tache] : fils_)
        tache->annulee = true;
    for (auto& [fil, tache] : fils_) {
        fil->wait();
        delete fil;
    }
}

void TVerification::Annule() {
    if (courante_)
        courante_->annulee = true;
    courante_.reset();
}

void TVerification::Lance(const TNiveau& n) {
    Annule();
    auto tache = std::make_shared<Tache>();
    courante_ = tache;
    OptionsSolveur o = Options;
    o.annulation = &tache->annulee;
    // The thread only posts to this object, which outlives it (the destructor waits), and an
    // answer is taken only while its check is still the current one.
    o.progression = [this, tache](const ProgressionSolveur& p) {
        QMetaObject::invokeMethod(
            this,
            [this, tache, p] {
                if (courante_ == tache)
                    emit Progression(p);
            },
            Qt::QueuedConnection);
    };
    QThread* fil = QThread::create([this, n, o, tache] {
        ResultatSolveur r;
        try {
            r = Resous(n, o);
        } catch (const std::exception&) { // out of memory: given up where it stood
            r.verdict = VerdictSolveur::Abandon;
        }
        QMetaObject::invokeMethod(
            this,
            [this, tache, n, r] {
                if (courante_ != tache)
                    return;
                courante_.reset();
                emit Terminee(n, r);
            },
            Qt::QueuedConnection);
    });
    fils_.emplace_back(fil, tache);
    connect(fil, &QThread::finished, this, [this, fil] {
        for (auto it = fils_.begin(); it != fils_.end(); ++it)
            if (it->first == fil) {
                fils_.erase(it);
                break;
            }
        fil->deleteLater();
    });
    fil->start(QThread::LowPriority);
}

} // namespace zorvane
