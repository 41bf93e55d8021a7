#include "DossierTemporaire.h"
#include "Niveau.h"

#include <gtest/gtest.h>

using namespace zorvane;
using zorvane::test::Plateau;

namespace {

// Completes a move without gems as the animation does: the piece's code in its final cell.
void Acheve(TNiveau& n, bool boule) {
    const TPosition p = boule ? n.PosBoule : n.PosCarre;
    EcritCase(n, p.x, p.y, boule ? CaseBoule : CaseCarre);
}

struct CasDeplace {
    const char* nom;
    std::vector<std::string> plateau;
    bool boule;
    int8_t dx, dy;
    bool bouge;
    TPosition arrivee;
    int zelmitesRamassees;
};

void PrintTo(const CasDeplace& c, std::ostream* os) { *os << c.nom; }

class Deplacement : public ::testing::TestWithParam<CasDeplace> {};

TEST_P(Deplacement, StopsWhereTheRuleSays) {
    const CasDeplace& c = GetParam();
    TNiveau n = Plateau(c.plateau);
    const TNiveau avant = n;
    EXPECT_EQ(Deplace(n, c.boule, c.dx, c.dy), c.bouge);
    EXPECT_EQ(c.boule ? n.PosBoule : n.PosCarre, c.arrivee);
    EXPECT_EQ(avant.NbZelmites - n.NbZelmites, c.zelmitesRamassees);
    if (!c.bouge) {
        EXPECT_EQ(n, avant); // a blocked move changes nothing
    }
}

// Rows are drawn from the top; the ball 'o', the square 'x', walls '#', gems '*'.
INSTANTIATE_TEST_SUITE_P(
    Regles, Deplacement,
    ::testing::Values(
        CasDeplace{"BallToTheEdge", {"o"}, true, 1, 0, true, {15, 0}, 0},
        CasDeplace{"BallAgainstWall", {"o#"}, true, 1, 0, false, {0, 0}, 0},
        CasDeplace{"BallStopsBeforeWall", {"o...#"}, true, 1, 0, true, {3, 0}, 0},
        CasDeplace{"BallCollectsAllCrossedGems", {"o*.**#"}, true, 1, 0, true, {4, 0}, 3},
        CasDeplace{"BallCollectsGemItStopsOn", {"", "..o*#"}, true, 1, 0, true, {3, 1}, 1},
        CasDeplace{"SquareBlockedByGem", {"x*"}, false, 1, 0, false, {0, 0}, 0},
        CasDeplace{"SquareStopsNextToGem", {"x.*"}, false, 1, 0, true, {1, 0}, 0},
        CasDeplace{"BallDoesNotPushSquare", {"ox"}, true, 1, 0, false, {0, 0}, 0},
        CasDeplace{"SquareDoesNotPushBall", {"o", "", "x"}, false, 0, -1, true, {0, 1}, 0},
        CasDeplace{"TopRowCannotGoUp", {"...o"}, true, 0, -1, false, {3, 0}, 0},
        CasDeplace{"LastColumnCannotGoRight", {"...............o"}, true, 1, 0, false,
                   {15, 0}, 0},
        CasDeplace{"BallDown", {"o", "*", "#"}, true, 0, 1, true, {0, 1}, 1},
        CasDeplace{"SquareLeft", {"#...x"}, false, -1, 0, true, {1, 0}, 0},
        CasDeplace{"NullDirectionNeverMoves", {"o"}, true, 0, 0, false, {0, 0}, 0}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Deplace, LeavesTheTransitionalStateForTheAnimation) {
    TNiveau n = Plateau({"o*.*#"});
    ASSERT_TRUE(Deplace(n, true, 1, 0));
    EXPECT_EQ(LitCase(n, 0, 0), CaseVide);    // start cell
    EXPECT_EQ(LitCase(n, 1, 0), CaseZelmite); // crossed gem still shown
    EXPECT_EQ(LitCase(n, 2, 0), CaseVide);
    EXPECT_EQ(LitCase(n, 3, 0), CaseZelmite); // final cell: the gem, not yet the ball
    EXPECT_EQ(n.PosBoule, (TPosition{3, 0}));
    EXPECT_EQ(n.NbZelmites, 0);
    EXPECT_TRUE(NiveauFini(n));
}

TEST(Deplace, AfterCompletionOnlyThePiecesReadBOrC) {
    TNiveau n = Plateau({"o..#", ".", "x"});
    ASSERT_TRUE(Deplace(n, true, 1, 0));
    Acheve(n, true);
    ASSERT_TRUE(Deplace(n, false, 1, 0));
    Acheve(n, false);
    int boules = 0, carres = 0;
    for (char c : n.Grille) {
        boules += c == CaseBoule;
        carres += c == CaseCarre;
    }
    EXPECT_EQ(boules, 1);
    EXPECT_EQ(carres, 1);
    EXPECT_EQ(LitCase(n, 2, 0), CaseBoule);
    EXPECT_EQ(LitCase(n, 15, 2), CaseCarre);
}

TEST(Joue, CompletesTheMoveLikeTheAnimation) {
    TNiveau n = Plateau({"o*.*#", "", "x"});
    ASSERT_TRUE(Joue(n, true, 1, 0));
    EXPECT_EQ(LitCase(n, 1, 0), CaseVide);
    EXPECT_EQ(LitCase(n, 3, 0), CaseBoule);
    EXPECT_EQ(n.PosBoule, (TPosition{3, 0}));
    EXPECT_FALSE(Joue(n, true, 1, 0));
    ASSERT_TRUE(Joue(n, false, 0, -1));
    EXPECT_EQ(LitCase(n, 0, 0), CaseCarre);
    EXPECT_EQ(LitCase(n, 0, 2), CaseVide);
}

TEST(Deplace, PieceOffTheBoardNeverMoves) {
    TNiveau n = Plateau({"x"});
    n.PosBoule = PositionHorsJeu; // a record reset for a new level
    EXPECT_FALSE(Deplace(n, true, -1, 0));
    n.PosBoule = {16, 5}; // just right of the board
    const TNiveau avant = n;
    EXPECT_FALSE(Deplace(n, true, -1, 0));
    EXPECT_EQ(n, avant);
}

TEST(Deplace, UnknownCodesAreCrossedLikeEmptyCells) {
    TNiveau n = Plateau({"o"});
    EcritCase(n, 4, 0, 'Z');
    EXPECT_TRUE(Deplace(n, true, 1, 0));
    EXPECT_EQ(n.PosBoule, (TPosition{15, 0}));
}

} // namespace
