// The solution countdown: five minutes of one-second ticks before a stored solution is offered,
// cut short by the hidden code typed in play.
#include "Compte.h"
#include "Principal.h"

#include <QTimer>
#include <QToolButton>

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

void TMainForm::DemarreCompte(int32_t numero) {
    SolutionSB->setEnabled(false);
    TimerTag = 0;
    if (LitIndex(Jeu(), SoluceJeu, numero)) {
        TimerCompte->start();
        SolutionSB->setToolTip("Solution disponible dans 5 minutes");
    } else {
        TimerCompte->stop();
        SolutionSB->setToolTip("Pas de solution pour ce niveau");
    }
}

void TMainForm::TimerTimer() {
    ++TimerTag;
    if (Frappe.find(CodeSoluce) != std::string::npos) {
        TimerTag = DureeCompte;
        Frappe.clear();
    }
    SolutionSB->setToolTip(BulleCompte(DureeCompte - TimerTag));
    if (TimerTag >= DureeCompte) {
        SolutionSB->setToolTip("Solution disponible");
        SolutionSB->setEnabled(true);
        TimerCompte->stop();
    }
}

} // namespace zorvane
