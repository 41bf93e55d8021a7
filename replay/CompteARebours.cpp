// The solution countdown: five minutes of one-second ticks before a stored solution is offered,
// cut short by the hidden code typed in play.
#include "CompteARebours.h"

#include "Niveau.h"
#include "Soluce.h"

namespace zorvane {

namespace {

constexpr int DureeCompte = 300;
// The code, newest letter first: typed in the reverse order.
constexpr std::string_view CodeSoluce = "QZXWVKJRPLMY";

} // namespace

QString BulleCompte(int restant) {
    const int m = restant / 60;
    const int s = restant % 60;
    QString bulle = "Solution disponible dans ";
    if (m != 0)
        bulle += QString::number(m) + (m == 1 ? " minute" : " minutes");
    if (s != 0) {
        if (m != 0)
            bulle += " et ";
        bulle += QString::number(s) + (s == 1 ? " seconde." : " secondes.");
    } else {
        bulle += ".";
    }
    return bulle;
}

TCompteARebours::TCompteARebours(std::string& frappe, QObject* parent)
    : QObject(parent), frappe_(frappe), minuterie_(this) {
    setObjectName("Compte");
    minuterie_.setObjectName("TimerCompte");
    minuterie_.setInterval(1000);
    connect(&minuterie_, &QTimer::timeout, this, &TCompteARebours::TimerTimer);
}

void TCompteARebours::Demarre(const std::filesystem::path& jeu, const TNiveau& niveau) {
    emit SolutionDisponible(false);
    TimerTag = 0;
    // No solution until the index says otherwise: an index that cannot be read (it throws)
    // leaves no countdown running on from the level before.
    minuterie_.stop();
    emit BulleChangee("Pas de solution pour ce niveau");
    TSoluce index;
    index.NomFichier = niveau.NomFichier;
    if (LitIndex(jeu, index, NumeroNiveau(niveau))) {
        minuterie_.start();
        emit BulleChangee("Solution disponible dans 5 minutes");
    }
}

void TCompteARebours::TimerTimer() {
    ++TimerTag;
    if (frappe_.find(CodeSoluce) != std::string::npos) {
        TimerTag = DureeCompte;
        frappe_.clear();
    }
    emit BulleChangee(BulleCompte(DureeCompte - TimerTag));
    if (TimerTag >= DureeCompte) {
        emit BulleChangee("Solution disponible");
        emit SolutionDisponible(true);
        minuterie_.stop();
    }
}

} // namespace zorvane
