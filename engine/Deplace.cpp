#include "Niveau.h"

namespace zorvane {

bool Deplace(TNiveau& n, bool boule, int8_t dx, int8_t dy) {
    TPosition& pos = boule ? n.PosBoule : n.PosCarre;
    // A piece that is not on the board (a reset record) cannot move.
    if (!DansLaGrille(pos.x, pos.y))
        return false;
    int x = pos.x;
    int y = pos.y;
    bool bouge = false;
    for (;;) {
        x += dx;
        y += dy;
        if (!DansLaGrille(x, y))
            break;
        const char c = LitCase(n, uint8_t(x), uint8_t(y));
        if (c == CaseBoule || c == CaseCarre || c == CaseMur)
            break;
        if (c == CaseZelmite) {
            if (!boule)
                break;
            n.NbZelmites = uint8_t(n.NbZelmites - 1);
        }
        // The cell just left becomes empty, unless it is a gem the animation must still clear.
        char& quittee = n.Grille[12 * (x - dx) + (y - dy)];
        if (quittee != CaseZelmite)
            quittee = CaseVide;
        pos = {uint8_t(x), uint8_t(y)};
        bouge = true;
    }
    return bouge;
}

void AcheveDeplacement(TNiveau& n, TPosition depart, bool boule, int8_t dx, int8_t dy) {
    const TPosition arrivee = boule ? n.PosBoule : n.PosCarre;
    int x = depart.x;
    int y = depart.y;
    while (x != arrivee.x || y != arrivee.y) {
        x += dx;
        y += dy;
        if (LitCase(n, uint8_t(x), uint8_t(y)) == CaseZelmite)
            EcritCase(n, uint8_t(x), uint8_t(y), CaseVide);
    }
    EcritCase(n, arrivee.x, arrivee.y, boule ? CaseBoule : CaseCarre);
}

bool Joue(TNiveau& n, bool boule, int8_t dx, int8_t dy) {
    const TPosition depart = boule ? n.PosBoule : n.PosCarre;
    if (!Deplace(n, boule, dx, dy))
        return false;
    AcheveDeplacement(n, depart, boule, dx, dy);
    return true;
}

} // namespace zorvane
