#include "Generateur.h"
#include "Plateau.h"

#include <algorithm>

namespace zorvane {

namespace {

using solveur::DX;
using solveur::DY;

struct Piece {
    int x, y;
};

// The room's walls and free cells; outside the room every cell is a wall.
TNiveau Salle(const ParametresGeneration& p, std::mt19937& alea, std::vector<Piece>& libres) {
    TNiveau n;
    const int x0 = (NbColonnes - p.largeur) / 2, y0 = (NbLignes - p.hauteur) / 2;
    std::bernoulli_distribution mur(p.murs);
    for (int y = 0; y < NbLignes; ++y)
        for (int x = 0; x < NbColonnes; ++x)
            EcritCase(n, uint8_t(x), uint8_t(y), CaseMur);
    for (int y = y0; y < y0 + p.hauteur; ++y)
        for (int x = x0; x < x0 + p.largeur; ++x) {
            const int miroir = 2 * x0 + p.largeur - 1 - x;
            if (p.symetrie && miroir < x) {
                EcritCase(n, uint8_t(x), uint8_t(y), LitCase(n, uint8_t(miroir), uint8_t(y)));
                continue;
            }
            EcritCase(n, uint8_t(x), uint8_t(y), mur(alea) ? CaseMur : CaseVide);
        }
    for (int y = 0; y < NbLignes; ++y)
        for (int x = 0; x < NbColonnes; ++x)
            if (LitCase(n, uint8_t(x), uint8_t(y)) == CaseVide)
                libres.push_back({x, y});
    std::shuffle(libres.begin(), libres.end(), alea);
    return n;
}

// Gems on cells the ball crosses while both pieces wander. A gem stops the square, so a cell
// is kept only when the ball crosses it before the square first enters it: the walk then
// replays move for move with the gems on the board, and solves the level.
void SemeSurUnParcours(TNiveau& n, int zelmites, std::mt19937& alea) {
    constexpr int Jamais = 1 << 30;
    std::vector<int> premiereBoule(n.Grille.size(), Jamais), premierCarre(n.Grille.size(), Jamais);
    TNiveau marche = n;
    bool boule = true;
    for (int pas = 0; pas < 60 * zelmites; ++pas) {
        if (std::uniform_int_distribution<int>(0, 3)(alea) == 0)
            boule = !boule;
        const int d = std::uniform_int_distribution<int>(0, 3)(alea);
        const TPosition depart = boule ? marche.PosBoule : marche.PosCarre;
        if (!Joue(marche, boule, DX[d], DY[d]))
            continue;
        const TPosition arrivee = boule ? marche.PosBoule : marche.PosCarre;
        std::vector<int>& premier = boule ? premiereBoule : premierCarre;
        for (int x = depart.x, y = depart.y; x != arrivee.x || y != arrivee.y;) {
            x += DX[d];
            y += DY[d];
            premier[12 * x + y] = std::min(premier[12 * x + y], pas);
        }
    }
    std::vector<int> sures;
    for (std::size_t c = 0; c < n.Grille.size(); ++c)
        if (n.Grille[c] == CaseVide && premiereBoule[c] < premierCarre[c])
            sures.push_back(int(c));
    std::shuffle(sures.begin(), sures.end(), alea);
    for (int i = 0; i < zelmites && i < int(sures.size()); ++i) {
        n.Grille[sures[i]] = CaseZelmite;
        AjouteZelmites(n, 1);
    }
}

} // namespace

TNiveau GenereNiveau(const ParametresGeneration& p, std::mt19937& alea) {
    std::vector<Piece> libres;
    TNiveau n = Salle(p, alea, libres);
    const int zelmites = std::uniform_int_distribution<int>(p.zelmitesMin, p.zelmitesMax)(alea);
    if (int(libres.size()) < 2 + zelmites)
        return n; // too few free cells: no ball, rejected by the caller
    EcritCase(n, uint8_t(libres[0].x), uint8_t(libres[0].y), CaseBoule);
    EcritCase(n, uint8_t(libres[1].x), uint8_t(libres[1].y), CaseCarre);
    if (p.parcours) {
        SemeSurUnParcours(n, zelmites, alea);
        return n;
    }
    for (int i = 0; i < zelmites; ++i) {
        EcritCase(n, uint8_t(libres[2 + i].x), uint8_t(libres[2 + i].y), CaseZelmite);
        AjouteZelmites(n, 1);
    }
    return n;
}

MesureNiveau Mesure(const TNiveau& depart, const ResultatSolveur& r) {
    MesureNiveau m;
    m.codes = r.nbCodes;
    m.coups = int(r.coups.size());
    m.etats = r.etatsMemorises;
    TNiveau n = depart;
    bool boule = true;
    for (const TCoup& c : r.coups) {
        m.changements += c.boule != boule;
        boule = c.boule;
        m.coupsCarre += !c.boule;
        Joue(n, c.boule, c.dx, c.dy);
        const TPosition p = c.boule ? n.PosBoule : n.PosCarre;
        const int x = p.x + c.dx, y = p.y + c.dy;
        if (!DansLaGrille(x, y))
            continue;
        const char devant = LitCase(n, uint8_t(x), uint8_t(y));
        m.appuisCarre += c.boule && devant == CaseCarre;
        m.arretsZelmite += !c.boule && devant == CaseZelmite;
        m.arretsBoule += !c.boule && devant == CaseBoule;
    }
    return m;
}

TNiveau MiroirHorizontal(const TNiveau& n) {
    TNiveau m = n;
    for (int x = 0; x < NbColonnes; ++x)
        for (int y = 0; y < NbLignes; ++y)
            EcritCase(m, uint8_t(x), uint8_t(y),
                      LitCase(n, uint8_t(NbColonnes - 1 - x), uint8_t(y)));
    return m;
}

TNiveau MiroirVertical(const TNiveau& n) {
    TNiveau m = n;
    for (int x = 0; x < NbColonnes; ++x)
        for (int y = 0; y < NbLignes; ++y)
            EcritCase(m, uint8_t(x), uint8_t(y), LitCase(n, uint8_t(x), uint8_t(NbLignes - 1 - y)));
    return m;
}

bool Semblables(const TNiveau& a, const TNiveau& b) {
    const TNiveau h = MiroirHorizontal(b);
    return a.Grille == b.Grille || a.Grille == h.Grille || a.Grille == MiroirVertical(b).Grille ||
           a.Grille == MiroirVertical(h).Grille;
}

} // namespace zorvane
