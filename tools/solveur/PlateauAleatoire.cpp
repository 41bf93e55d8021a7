#include "PlateauAleatoire.h"

#include <algorithm>
#include <vector>

namespace zorvane {

TNiveau PlateauAleatoire(std::mt19937& alea, int zelmites, double murs) {
    std::uniform_real_distribution<> tirage(0, 1);
    TNiveau n;
    std::vector<int> libres;
    for (int y = 0; y < NbLignes; ++y)
        for (int x = 0; x < NbColonnes; ++x) {
            const bool mur = tirage(alea) < murs;
            EcritCase(n, uint8_t(x), uint8_t(y), mur ? CaseMur : CaseVide);
            if (!mur)
                libres.push_back(NbColonnes * y + x);
        }
    std::shuffle(libres.begin(), libres.end(), alea);
    auto pose = [&](int i, char c) {
        EcritCase(n, uint8_t(libres[i] % NbColonnes), uint8_t(libres[i] / NbColonnes), c);
    };
    pose(0, CaseBoule);
    pose(1, CaseCarre);
    for (int i = 0; i < zelmites; ++i) {
        pose(2 + i, CaseZelmite);
        AjouteZelmites(n, 1);
    }
    return n;
}

} // namespace zorvane
