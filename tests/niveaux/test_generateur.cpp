#include "Generateur.h"

#include "DossierTemporaire.h"

#include <gtest/gtest.h>

using namespace zorvane;

namespace {

// Gems dropped on the way of a random walk leave a level the walk itself solves.
TEST(Generateur, UnParcoursDonneUnNiveauSoluble) {
    std::mt19937 alea(5);
    ParametresGeneration p;
    p.largeur = 10;
    p.hauteur = 8;
    p.murs = 0.2;
    p.parcours = true;
    p.zelmitesMin = 2;
    p.zelmitesMax = 6;
    int essais = 0;
    for (int i = 0; i < 60; ++i) {
        const TNiveau n = GenereNiveau(p, alea);
        if (n.NbZelmites == 0 || n.PosBoule == PositionHorsJeu)
            continue; // the walk crossed no cell
        ++essais;
        EXPECT_EQ(Resous(n).verdict, VerdictSolveur::Resolu) << i;
    }
    EXPECT_GT(essais, 40);
}

TEST(Generateur, SemblablesAuMiroirPres) {
    const TNiveau a = test::Plateau({"o..#", "x..*"});
    EXPECT_TRUE(Semblables(a, a));
    EXPECT_TRUE(Semblables(a, MiroirHorizontal(a)));
    EXPECT_TRUE(Semblables(MiroirVertical(a), a));
    EXPECT_TRUE(Semblables(MiroirVertical(MiroirHorizontal(a)), a));
    EXPECT_FALSE(Semblables(a, test::Plateau({"o..#", "x.*."})));
    EXPECT_EQ(LitCase(MiroirHorizontal(a), 12, 0), CaseMur);
    EXPECT_EQ(LitCase(MiroirVertical(a), 3, 10), CaseZelmite);
}

} // namespace
