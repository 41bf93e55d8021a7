#include "Plateau.h"

#include <stdexcept>

namespace zorvane::solveur {

Plateau::Plateau(const TNiveau& n) {
    zelmiteDe_.fill(-1);
    for (int y = 0; y < NbLignes; ++y)
        for (int x = 0; x < NbColonnes; ++x) {
            const int c = Case(x, y);
            switch (LitCase(n, uint8_t(x), uint8_t(y))) {
            case CaseMur:
                mur_[c] = true;
                break;
            case CaseZelmite:
                zelmiteDe_[c] = int16_t(caseZelmite_.size());
                caseZelmite_.push_back(uint8_t(c));
                break;
            case CaseBoule:
                if (boule_ >= 0)
                    throw std::invalid_argument("le niveau a plus d'une boule");
                boule_ = c;
                break;
            case CaseCarre:
                if (carre_ >= 0)
                    throw std::invalid_argument("le niveau a plus d'un carré");
                carre_ = c;
                break;
            }
        }
    if (boule_ < 0)
        throw std::invalid_argument("le niveau n'a pas de boule");
    if (carre_ < 0)
        throw std::invalid_argument("le niveau n'a pas de carré");
    for (int c = 0; c < NbCases; ++c)
        for (int d = 0; d < 4; ++d) {
            Rayon& r = rayons_[c][d];
            int x = ColonneDe(c) + DX[d];
            int y = LigneDe(c) + DY[d];
            while (DansLaGrille(x, y) && !mur_[Case(x, y)]) {
                r.cases[r.longueur++] = uint8_t(Case(x, y));
                x += DX[d];
                y += DY[d];
            }
        }
}

int Plateau::RangSurRayon(int c, int d, int p, int longueur) {
    int rang;
    if (DX[d] == 0) {
        if (ColonneDe(p) != ColonneDe(c))
            return -1;
        rang = (LigneDe(p) - LigneDe(c)) * DY[d] - 1;
    } else {
        if (LigneDe(p) != LigneDe(c))
            return -1;
        rang = (ColonneDe(p) - ColonneDe(c)) * DX[d] - 1;
    }
    return rang >= 0 && rang < longueur ? rang : -1;
}

} // namespace zorvane::solveur
