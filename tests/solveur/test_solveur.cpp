// The solver against an exhaustive search on small boards, and on boards whose optimum is known.
#include "DossierTemporaire.h"
#include "Plateau.h"
#include "PlateauAleatoire.h"
#include "Relaxation.h"
#include "Soluce.h"
#include "Solveur.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <deque>
#include <random>
#include <string>
#include <unordered_map>

using namespace zorvane;
using test::Plateau;

namespace {

// Plays the moves with the move rule; true when the last one takes the last gem.
bool Resout(TNiveau n, const std::vector<TCoup>& coups) {
    for (const TCoup& c : coups)
        if (NiveauFini(n) || !Joue(n, c.boule, c.dx, c.dy))
            return false;
    return NiveauFini(n);
}

// Plain breadth-first search, one step per stored code: the lead-in, a move of the active
// piece, or a change of piece that must be followed by a move of the other one. Returns the
// fewest codes, or -1 when no reachable state is solved.
int OptimumExhaustif(const TNiveau& depart) {
    struct Noeud {
        TNiveau n;
        bool boule;
        bool vientDeChanger;
        int codes;
    };
    auto cle = [](const Noeud& x) {
        return std::string(x.n.Grille.begin(), x.n.Grille.end()) + char(x.boule) +
               char(x.vientDeChanger);
    };
    std::unordered_map<std::string, bool> vus;
    std::deque<Noeud> file{{depart, true, false, 1}};
    vus[cle(file.front())] = true;
    while (!file.empty()) {
        const Noeud x = file.front();
        file.pop_front();
        auto ajoute = [&](Noeud y) {
            if (vus.emplace(cle(y), true).second)
                file.push_back(std::move(y));
        };
        for (int d = 0; d < 4; ++d) {
            static const int8_t dx[] = {0, 0, -1, 1}, dy[] = {-1, 1, 0, 0};
            Noeud y{x.n, x.boule, false, x.codes + 1};
            if (!Joue(y.n, y.boule, dx[d], dy[d]))
                continue;
            if (NiveauFini(y.n))
                return y.codes;
            ajoute(std::move(y));
        }
        if (!x.vientDeChanger)
            ajoute({x.n, !x.boule, true, x.codes + 1});
    }
    return -1;
}

// A board of walls but for a w x h room at the top left, with random walls, the two pieces and
// some gems inside.
TNiveau PetitPlateau(std::mt19937& alea, int w, int h, int zelmites) {
    TNiveau n;
    std::vector<std::pair<int, int>> libres;
    for (int x = 0; x < NbColonnes; ++x)
        for (int y = 0; y < NbLignes; ++y) {
            const bool dedans = x < w && y < h && std::bernoulli_distribution(0.8)(alea);
            EcritCase(n, uint8_t(x), uint8_t(y), dedans ? CaseVide : CaseMur);
            if (dedans)
                libres.push_back({x, y});
        }
    std::shuffle(libres.begin(), libres.end(), alea);
    const char pieces[] = {CaseBoule, CaseCarre};
    for (int i = 0; i < 2 + zelmites && i < int(libres.size()); ++i) {
        const char c = i < 2 ? pieces[i] : CaseZelmite;
        EcritCase(n, uint8_t(libres[i].first), uint8_t(libres[i].second), c);
        if (c == CaseZelmite)
            AjouteZelmites(n, 1);
    }
    return n;
}

TEST(Solveur, EgaleLaRechercheExhaustiveSurDePetitsPlateaux) {
    std::mt19937 alea(20261210);
    int resolus = 0, insolubles = 0;
    for (int essai = 0; essai < 300; ++essai) {
        const int w = 4 + essai % 3, h = 3 + essai % 4;
        const TNiveau n = PetitPlateau(alea, w, h, 1 + essai % 4);
        if (n.NbZelmites == 0 || n.PosCarre == PositionHorsJeu || n.PosBoule == PositionHorsJeu)
            continue;
        const int attendu = OptimumExhaustif(n);
        const ResultatSolveur r = Resous(n);
        SCOPED_TRACE("essai " + std::to_string(essai));
        if (attendu < 0) {
            EXPECT_EQ(r.verdict, VerdictSolveur::Insoluble);
            ++insolubles;
            continue;
        }
        ++resolus;
        ASSERT_EQ(r.verdict, VerdictSolveur::Resolu);
        EXPECT_EQ(r.nbCodes, attendu);
        EXPECT_EQ(NombreDeCodes(r.coups), r.nbCodes);
        EXPECT_TRUE(Resout(n, r.coups));
    }
    // The sample holds both kinds, in numbers that make the comparison meaningful.
    EXPECT_GT(resolus, 150);
    EXPECT_GT(insolubles, 10);
}

// More gems than the bounds follow one by one (12): small rooms packed with gems.
TEST(Solveur, EgaleLaRechercheExhaustiveAvecBeaucoupDeZelmites) {
    std::mt19937 alea(12);
    int resolus = 0;
    for (int essai = 0; essai < 30; ++essai) {
        const TNiveau n = PetitPlateau(alea, 6, 4, 13 + essai % 4);
        if (n.NbZelmites < 13 || n.PosCarre == PositionHorsJeu)
            continue;
        const int attendu = OptimumExhaustif(n);
        const ResultatSolveur r = Resous(n);
        SCOPED_TRACE("essai " + std::to_string(essai));
        if (attendu < 0) {
            EXPECT_EQ(r.verdict, VerdictSolveur::Insoluble);
            continue;
        }
        ++resolus;
        ASSERT_EQ(r.verdict, VerdictSolveur::Resolu);
        EXPECT_EQ(r.nbCodes, attendu);
        EXPECT_TRUE(Resout(n, r.coups));
    }
    EXPECT_GT(resolus, 5);
}

// Every state reachable on small boards packed with gems (more than the bounds follow one by
// one), with its exact remaining codes from a backward search of the whole graph: from each
// state where the ball has just moved, the estimate never exceeds them (and never calls a
// solvable state dead).
TEST(Relaxation, NeSurestimeJamais) {
    struct Noeud {
        TNiveau n;
        bool boule;
        bool vientDeChanger;
    };
    std::mt19937 alea(2026);
    int verifies = 0;
    for (int essai = 0; essai < 8; ++essai) {
        const TNiveau depart = PetitPlateau(alea, 6, 4, 13 + essai % 4);
        if (depart.PosCarre == PositionHorsJeu || depart.NbZelmites < 13)
            continue;
        std::vector<Noeud> noeuds{{depart, true, false}};
        std::vector<std::vector<int>> avant(1);
        std::unordered_map<std::string, int> index;
        auto cle = [](const Noeud& x) {
            return std::string(x.n.Grille.begin(), x.n.Grille.end()) + char(x.boule) +
                   char(x.vientDeChanger);
        };
        index[cle(noeuds[0])] = 0;
        std::vector<int> buts;
        for (std::size_t i = 0; i < noeuds.size(); ++i) {
            const Noeud x = noeuds[i];
            if (NiveauFini(x.n)) {
                buts.push_back(int(i));
                continue;
            }
            auto lie = [&](Noeud y) {
                auto [it, nouveau] = index.emplace(cle(y), int(noeuds.size()));
                if (nouveau) {
                    noeuds.push_back(std::move(y));
                    avant.emplace_back();
                }
                avant[it->second].push_back(int(i));
            };
            for (int d = 0; d < 4; ++d) {
                Noeud y{x.n, x.boule, false};
                if (Joue(y.n, y.boule, solveur::DX[d], solveur::DY[d]))
                    lie(std::move(y));
            }
            if (!x.vientDeChanger)
                lie({x.n, !x.boule, true});
        }
        std::vector<int> reste(noeuds.size(), -1);
        std::deque<int> file(buts.begin(), buts.end());
        for (int b : buts)
            reste[b] = 0;
        for (; !file.empty(); file.pop_front())
            for (int a : avant[file.front()])
                if (reste[a] < 0) {
                    reste[a] = reste[file.front()] + 1;
                    file.push_back(a);
                }
        const solveur::Plateau p(depart);
        const solveur::Relaxation relaxation(p);
        for (std::size_t i = 0; i < noeuds.size(); ++i) {
            const Noeud& x = noeuds[i];
            if (!x.boule || x.vientDeChanger || NiveauFini(x.n))
                continue;
            uint64_t gemmes = 0;
            for (int z = 0; z < p.nbZelmites(); ++z) {
                const int cz = p.caseZelmite(z);
                if (LitCase(x.n, uint8_t(solveur::ColonneDe(cz)), uint8_t(solveur::LigneDe(cz))) ==
                    CaseZelmite)
                    gemmes |= uint64_t(1) << (z + solveur::DecalageZelmites);
            }
            const int h =
                relaxation.Estime(solveur::Case(x.n.PosBoule.x, x.n.PosBoule.y),
                                  solveur::Case(x.n.PosCarre.x, x.n.PosCarre.y), &gemmes, 1);
            if (reste[i] < 0)
                continue; // no solution left: any estimate will do
            ASSERT_LE(h, reste[i]) << "essai " << essai;
            ++verifies;
        }
    }
    EXPECT_GT(verifies, 1000);
}

// The bound tables of a board of 20 gems take a while: the caller's flag or the time limit stops
// them between two steps, and the solver then answers at once, without searching.
TEST(Relaxation, SArreteALaDemande) {
    std::mt19937 alea(2026);
    const TNiveau n = PlateauAleatoire(alea, 20, 0.12);
    const solveur::Plateau p(n);
    int questions = 0;
    EXPECT_TRUE(solveur::Relaxation(p, [&] { return ++questions < 0; }).complete());
    ASSERT_GT(questions, 10);
    for (int arret : {1, questions / 2, questions}) {
        int posees = 0;
        const solveur::Relaxation r(p, [&] { return ++posees == arret; });
        EXPECT_FALSE(r.complete());
        EXPECT_EQ(posees, arret) << "asked again after the stop";
    }

    std::atomic<bool> annule{true};
    OptionsSolveur o;
    o.annulation = &annule;
    const ResultatSolveur r = Resous(n, o);
    EXPECT_EQ(r.verdict, VerdictSolveur::Annule);
    EXPECT_EQ(r.etatsDeveloppes, 0u);
    EXPECT_TRUE(r.coups.empty());
}

struct CasConnu {
    const char* nom;
    std::vector<std::string> plateau;
    int codes; // -1: no solution
};

class SolveurConnu : public testing::TestWithParam<CasConnu> {};

TEST_P(SolveurConnu, TrouveLOptimum) {
    const TNiveau n = Plateau(GetParam().plateau);
    const ResultatSolveur r = Resous(n);
    if (GetParam().codes < 0) {
        EXPECT_EQ(r.verdict, VerdictSolveur::Insoluble);
        return;
    }
    ASSERT_EQ(r.verdict, VerdictSolveur::Resolu);
    EXPECT_EQ(r.nbCodes, GetParam().codes);
    EXPECT_TRUE(Resout(n, r.coups));
    EXPECT_EQ(OptimumExhaustif(n), GetParam().codes); // the hand count, checked once more
}

INSTANTIATE_TEST_SUITE_P(
    Plateaux, SolveurConnu,
    testing::Values(
        // One slide to the right: the lead-in and the move.
        CasConnu{"UnCoup", {"o....*", "", "x"}, 2},
        // The gem lies where the ball cannot stop on an open board: down, then right against
        // the square, then up across the gem.
        CasConnu{"CarreButee", {"o", "", "", "", "", ".....*", "", "", "", "", "", "......x"}, 4},
        // The square stands in the ball's way and must go first: lead-in, change, square down,
        // change, ball right.
        CasConnu{"CarreDAbord", {"ox...*", "#"}, 5},
        // A gem walled in can never be reached.
        CasConnu{"ZelmiteEmmuree", {"o.....#*#", "x......#"}, -1},
        // The ball walled in with the square cannot move at all.
        CasConnu{"BouleEmmuree", {"o#...*", "##", "x"}, -1}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Solveur, SansZelmiteRienAJouer) {
    const ResultatSolveur r = Resous(Plateau({"o", "x"}));
    EXPECT_EQ(r.verdict, VerdictSolveur::Resolu);
    EXPECT_EQ(r.nbCodes, 0);
    EXPECT_TRUE(r.coups.empty());
}

TEST(Solveur, AbandonneALaLimiteDEtats) {
    std::mt19937 alea(7);
    const TNiveau n = PetitPlateau(alea, 16, 12, 12);
    OptionsSolveur o;
    o.etatsMax = 50;
    EXPECT_EQ(Resous(n, o).verdict, VerdictSolveur::Abandon);
}

// A gem behind walls: unsolvable, and the answer names the gem.
TEST(Solveur, NommeLesZelmitesQueRienNAtteint) {
    const ResultatSolveur r = Resous(Plateau({"o.....#*#", "x......#", "..*"}));
    EXPECT_EQ(r.verdict, VerdictSolveur::Insoluble);
    EXPECT_EQ(r.inaccessibles, std::vector<int>{7});
}

// The progress never promises more than the optimum, and the flag stops the search where it
// stands, with the bound reached so far.
TEST(Solveur, RendCompteEtSArreteALaDemande) {
    std::mt19937 alea(7);
    const TNiveau n = PetitPlateau(alea, 16, 12, 12);
    std::vector<int> bornes;
    OptionsSolveur o;
    o.progression = [&](const ProgressionSolveur& p) { bornes.push_back(p.borne); };
    const ResultatSolveur complet = Resous(n, o);
    ASSERT_EQ(complet.verdict, VerdictSolveur::Resolu);
    ASSERT_FALSE(bornes.empty());
    EXPECT_TRUE(std::is_sorted(bornes.begin(), bornes.end()));
    EXPECT_LE(bornes.back(), complet.nbCodes);

    std::atomic<bool> annule{false};
    o.annulation = &annule;
    o.progression = [&](const ProgressionSolveur&) { annule = true; };
    const ResultatSolveur arrete = Resous(n, o);
    EXPECT_EQ(arrete.verdict, VerdictSolveur::Annule);
    EXPECT_TRUE(arrete.coups.empty());
    EXPECT_GE(arrete.borne, 1);
    EXPECT_LE(arrete.borne, complet.nbCodes);
    EXPECT_LT(arrete.etatsDeveloppes, complet.etatsDeveloppes);
}

TEST(Solveur, RefuseUnPlateauSansUneBouleEtUnCarre) {
    for (const std::vector<std::string>& p :
         std::vector<std::vector<std::string>>{{"o.o*x"}, {"o*"}, {"x*"}, {"ox*x"}})
        EXPECT_THROW(Resous(Plateau(p)), std::invalid_argument);
}

// A snake of gems: every even row full of gems, every odd row a wall with one gap at
// alternating ends, so the ball sweeps the board row after row.
TNiveau Serpent() {
    std::vector<std::string> p;
    for (int y = 0; y < NbLignes; ++y) {
        if (y % 2 == 0)
            p.push_back(std::string(NbColonnes, '*'));
        else if (y % 4 == 1)
            p.push_back(std::string(NbColonnes - 1, '#') + "*");
        else
            p.push_back("*" + std::string(NbColonnes - 1, '#'));
    }
    p[0][0] = 'o';
    p[NbLignes - 1][NbColonnes - 1] = 'x'; // in the last wall row, where the ball turns
    return Plateau(p);
}

// Boards of more than 48 gems need more than one key word.
TEST(Solveur, PlateauxAuxNombreuxZelmites) {
    const TNiveau serpent = Serpent();
    ASSERT_GT(serpent.NbZelmites, 64);
    const ResultatSolveur r = Resous(serpent);
    ASSERT_EQ(r.verdict, VerdictSolveur::Resolu);
    EXPECT_TRUE(Resout(serpent, r.coups));
    EXPECT_EQ(r.nbCodes, 13); // six rows, five turns and the last gap: the lead-in, 12 moves

    // Up to 190 gems: a full board, searched until the bound, and one with a gem walled in.
    std::vector<std::string> plein(NbLignes, std::string(NbColonnes, '*'));
    plein[0][0] = 'o';
    plein[0][7] = 'x';
    OptionsSolveur o;
    o.etatsMax = 2000;
    EXPECT_EQ(Resous(Plateau(plein), o).verdict, VerdictSolveur::Abandon);
    plein[10][15] = '#';
    plein[11][14] = '#';
    EXPECT_EQ(Resous(Plateau(plein), o).verdict, VerdictSolveur::Insoluble);
}

// The cost model is the move log's: for any sequence of moves, the codes that AjouteCoup packs
// are 1 + moves + changes of piece before a move.
TEST(NombreDeCodes, EgaleLeJournal) {
    EXPECT_EQ(NombreDeCodes({}), 0);
    // Right, down, a change, left, up: 01 11 01 01 10 00.
    EXPECT_EQ(NombreDeCodes({{true, 1, 0}, {true, 0, 1}, {false, -1, 0}, {false, 0, -1}}), 6);
    // A change, right, a change, right: five codes 11.
    EXPECT_EQ(NombreDeCodes({{false, 1, 0}, {true, 1, 0}}), 5);
    std::mt19937 alea(3);
    for (int essai = 0; essai < 500; ++essai) {
        std::vector<TCoup> coups(1 + essai % 40);
        TJournal j;
        ViderJournal(j);
        bool boule = true;
        for (TCoup& c : coups) {
            const int d = int(alea() % 4);
            c = {alea() % 3 != 0, int8_t(d == 2 ? -1 : d == 3), int8_t(d == 0 ? -1 : d == 1)};
            if (c.boule != boule)
                AjouteCoup(j, 0, 0);
            boule = c.boule;
            AjouteCoup(j, c.dx, c.dy);
        }
        if (!j.Attente.empty())
            RangeOctet(j);
        EXPECT_EQ(NombreDeCodes(coups), j.NbCodes);
    }
}

} // namespace
