// Times the solver on random boards of 16 x 12 cells: each cell a wall with probability 0.12,
// then the ball, the square and the gems on distinct free cells, drawn from a fixed seed.
//
//   zv_chrono_solveur [gems=20] [boards=20] [seed=2026] [limit in s=10] [only this board]
//
// Prints each board's verdict, codes, states and processor time (the machine may be shared), then
// how many were decided (solved or proved unsolvable) within the limit and the median time.
#include "PlateauAleatoire.h"
#include "Solveur.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <vector>

using namespace zorvane;

namespace {

const char* Nom(VerdictSolveur v) {
    switch (v) {
    case VerdictSolveur::Resolu:
        return "résolu";
    case VerdictSolveur::Insoluble:
        return "insoluble";
    case VerdictSolveur::Annule:
        return "annulé";
    default:
        return "abandon";
    }
}

} // namespace

int main(int argc, char** argv) {
    const int zelmites = argc > 1 ? std::atoi(argv[1]) : 20;
    const int plateaux = argc > 2 ? std::atoi(argv[2]) : 20;
    const uint32_t graine = argc > 3 ? uint32_t(std::atoll(argv[3])) : 2026;
    const int limite = argc > 4 ? std::atoi(argv[4]) : 10;
    const int seul = argc > 5 ? std::atoi(argv[5]) : -1;
    std::mt19937 alea(graine);
    OptionsSolveur o;
    o.dureeMax = std::chrono::seconds(limite);
    o.etatsMax = 400'000'000;
    std::vector<double> durees;
    int decides = 0;
    for (int i = 0; i < plateaux; ++i) {
        const TNiveau n = PlateauAleatoire(alea, zelmites, 0.12);
        if (seul >= 0 && i != seul)
            continue;
        const std::clock_t debut = std::clock();
        const ResultatSolveur r = Resous(n, o);
        const double s = double(std::clock() - debut) / CLOCKS_PER_SEC;
        durees.push_back(s);
        const bool decide =
            r.verdict == VerdictSolveur::Resolu || r.verdict == VerdictSolveur::Insoluble;
        decides += decide;
        std::printf("%2d  %-9s  %3d codes  %10llu états  %10llu développés  %6.2f s\n", i,
                    Nom(r.verdict), r.nbCodes, (unsigned long long)r.etatsMemorises,
                    (unsigned long long)r.etatsDeveloppes, s);
        std::fflush(stdout);
    }
    std::sort(durees.begin(), durees.end());
    const double mediane = durees.empty() ? 0
                           : durees.size() % 2
                               ? durees[durees.size() / 2]
                               : (durees[durees.size() / 2 - 1] + durees[durees.size() / 2]) / 2;
    std::printf("graine %u, %d zelmites: %d / %d décidés en %d s, médiane %.2f s, max %.2f s\n",
                graine, zelmites, decides, plateaux, limite, mediane,
                durees.empty() ? 0 : durees.back());
    return 0;
}
