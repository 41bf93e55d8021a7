#include "DossierTemporaire.h"
#include "Niveau.h"

#include <gtest/gtest.h>

using namespace zorvane;
using zorvane::test::Plateau;

TEST(Niveau, EcritCaseMovesThePieceButLeavesTheOldCell) {
    TNiveau n = Plateau({"o"});
    EcritCase(n, 5, 3, CaseBoule);
    EXPECT_EQ(PosBoule(n), 5 | (3 << 8));
    EXPECT_EQ(LitCase(n, 0, 0), CaseBoule); // only the caller clears the old cell
    EcritCase(n, 15, 11, CaseCarre);
    EXPECT_EQ(n.PosCarre, (TPosition{15, 11}));
    EcritCase(n, 2, 2, CaseMur);
    EXPECT_EQ(n.PosBoule, (TPosition{5, 3}));
}

TEST(Niveau, GridIsStoredColumnByColumn) {
    TNiveau n;
    EcritCase(n, 1, 2, CaseMur);
    EXPECT_EQ(n.Grille[12 * 1 + 2], CaseMur);
}

TEST(Niveau, ChangeNumeroSetsOrAdvances) {
    TNiveau n;
    n.Numero = 7;
    ChangeNumero(n, 0);
    EXPECT_EQ(NumeroNiveau(n), 8);
    ChangeNumero(n, 3);
    EXPECT_EQ(NumeroNiveau(n), 3);
}

TEST(Niveau, AjouteZelmitesWrapsModulo256) {
    TNiveau n;
    AjouteZelmites(n, 1);
    AjouteZelmites(n, 255);
    EXPECT_TRUE(NiveauFini(n));
    AjouteZelmites(n, 255);
    EXPECT_EQ(n.NbZelmites, 255);
}

TEST(Niveau, CopyCarriesTheSetIdentity) {
    TNiveau jeu = Plateau({"o*x"});
    jeu.NomFichier = "ABC";
    jeu.Numero = 4;
    jeu.NbNiveaux = 9;
    TNiveau copie = jeu;
    EXPECT_EQ(copie, jeu);
    Deplace(copie, true, 1, 0);
    EXPECT_NE(copie.Grille, jeu.Grille);
}
