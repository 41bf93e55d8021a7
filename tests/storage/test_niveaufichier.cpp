#include "DossierTemporaire.h"
#include "Ensemble.h"
#include "Erreur.h"
#include "NiveauFichier.h"

#include <gtest/gtest.h>

using namespace zorvane;
using zorvane::test::DossierTemporaire;
using zorvane::test::Plateau;

namespace {

class FichierNiveaux : public ::testing::Test {
  protected:
    void SetUp() override { EcrireDescription(d, n, "SET", "", "P", true); }

    // Appends a board as the next level of the set.
    void Ajoute(TNiveau plateau) {
        CompteNiveaux(d, n, false);
        plateau.NomFichier = "SET";
        plateau.Numero = n.NbNiveaux + 1;
        EcritNiveau(d, plateau);
    }

    TNiveau Lit(int numero) {
        TNiveau lu;
        lu.NomFichier = "SET";
        lu.Numero = numero;
        LitNiveau(d, lu);
        return lu;
    }

    DossierTemporaire d;
    TNiveau n;
};

TEST(CodageNiveau, RowWordWorkedExample) {
    TNiveau n = Plateau({"#..............*", "o", "x"});
    const TNiveauFichier r = EncodeNiveau(n);
    EXPECT_EQ(r[0], 0x02);
    EXPECT_EQ(r[1], 0x00);
    EXPECT_EQ(r[2], 0x00);
    EXPECT_EQ(r[3], 0x40);
    EXPECT_EQ(r[4 + 0], 0x00); // the ball is not coded in its row
    EXPECT_EQ(r[8 + 3], 0xC0); // the square, column 0 of row 2
    EXPECT_EQ(r[48], 0);
    EXPECT_EQ(r[49], 1);
    EXPECT_EQ(r[50], 0);
    EXPECT_EQ(r[51], 0);
}

TEST(CodageNiveau, UnknownCodesAreWrittenEmpty) {
    TNiveau n = Plateau({"o"});
    EcritCase(n, 3, 3, 'Z');
    EXPECT_EQ(EncodeNiveau(n), EncodeNiveau(Plateau({"o"})));
}

TEST(CodageNiveau, BallCellComesFromItsBytesAndLastSquareWins) {
    TNiveauFichier r{};
    r[3] = 0xC0;  // a square at column 0... of row 0 (bits 7-6 of the word's top byte)
    r[7] = 0xC0;  // and another one, row 1
    r[11] = 0xC0; // row 2, where the ball bytes point too
    r[48] = 0;
    r[49] = 2;
    TNiveau n;
    n.NomFichier = "X";
    n.PosCarre = {9, 9};
    DecodeNiveau(r, n, "f");
    EXPECT_EQ(LitCase(n, 0, 0), CaseCarre);
    EXPECT_EQ(LitCase(n, 0, 1), CaseCarre);
    EXPECT_EQ(LitCase(n, 0, 2), CaseBoule);
    EXPECT_EQ(n.PosCarre, (TPosition{0, 2})); // the last square in reading order
    EXPECT_EQ(n.NomFichier, "X");

    TNiveauFichier sansCarre{};
    n.PosCarre = {9, 9};
    DecodeNiveau(sansCarre, n, "f");
    EXPECT_EQ(n.PosCarre, (TPosition{9, 9}));
}

TEST(CodageNiveau, AGemUnderTheBallIsNotCounted) {
    TNiveauFichier r{};
    r[3] = 0xA0; // gems at columns 0 and 1 of row 0
    r[48] = 1;   // the ball on the second one
    TNiveau n;
    DecodeNiveau(r, n, "f");
    EXPECT_EQ(LitCase(n, 1, 0), CaseBoule);
    EXPECT_EQ(n.NbZelmites, 1); // the one left to collect
}

TEST(CodageNiveau, BallOutsideTheBoardIsRefusedAndTheRecordKept) {
    for (auto [x, y] : {std::pair{16, 0}, {0, 12}, {255, 255}}) {
        TNiveauFichier r{};
        r[48] = uint8_t(x);
        r[49] = uint8_t(y);
        TNiveau n = Plateau({"o*x"});
        const TNiveau avant = n;
        EXPECT_THROW(DecodeNiveau(r, n, "niveaux/X.niv"), ErreurES);
        EXPECT_EQ(n, avant);
    }
}

TEST_F(FichierNiveaux, WrittenAndReadBackIsTheSameLevel) {
    TNiveau plateau = Plateau({"#.*..o", "", "..*...#", "", "x.........*....#"});
    Ajoute(plateau);
    const TNiveau lu = Lit(1);
    EXPECT_EQ(lu.Grille, plateau.Grille);
    EXPECT_EQ(lu.PosBoule, plateau.PosBoule);
    EXPECT_EQ(lu.PosCarre, plateau.PosCarre);
    EXPECT_EQ(lu.NbZelmites, 3);
    EXPECT_EQ(lu.Numero, 1);
}

TEST_F(FichierNiveaux, CountsWholeRecordsAndResets) {
    d.ecrit("niveaux/SET.niv", std::vector<uint8_t>(105, 0));
    n.Numero = 5;
    n.NbZelmites = 3;
    CompteNiveaux(d, n, false);
    EXPECT_EQ(n.NbNiveaux, 2);
    EXPECT_EQ(n.Numero, 5);
    const auto grille = n.Grille;
    CompteNiveaux(d, n, true);
    EXPECT_EQ(n.Numero, 0);
    EXPECT_TRUE(NiveauFini(n));
    EXPECT_EQ(n.PosBoule, PositionHorsJeu);
    EXPECT_EQ(n.PosCarre, PositionHorsJeu);
    EXPECT_EQ(n.Grille, grille);
    EXPECT_EQ(n.NomFichier, "SET");
}

TEST_F(FichierNiveaux, ReadingOutsideTheFileIsAnError) {
    Ajoute(Plateau({"o*x"}));
    for (int numero : {0, -1, 2}) {
        TNiveau lu = Plateau({"x"});
        lu.NomFichier = "SET";
        lu.Numero = numero;
        const TNiveau avant = lu;
        EXPECT_THROW(LitNiveau(d, lu), ErreurES) << numero;
        EXPECT_EQ(lu, avant);
    }
}

TEST_F(FichierNiveaux, OverwriteInPlaceAndRefuseGaps) {
    Ajoute(Plateau({"o*x"}));
    Ajoute(Plateau({"o**x"}));
    TNiveau autre = Plateau({"x", "o", "*"});
    autre.NomFichier = "SET";
    autre.Numero = 1;
    EcritNiveau(d, autre);
    EXPECT_EQ(Lit(1).Grille, autre.Grille);
    EXPECT_EQ(Lit(2).NbZelmites, 2);
    autre.Numero = 4; // would leave a hole at level 3
    EXPECT_THROW(EcritNiveau(d, autre), ErreurES);
    EXPECT_EQ(d.lit("niveaux/SET.niv").size(), 104u);
}

TEST_F(FichierNiveaux, WritingNeedsAnExistingFile) {
    fs::remove(d.chemin() / "niveaux/SET.niv");
    TNiveau p = Plateau({"o*x"});
    p.NomFichier = "SET";
    p.Numero = 1;
    EXPECT_THROW(EcritNiveau(d, p), ErreurES);
    EXPECT_FALSE(fs::exists(d.chemin() / "niveaux/SET.niv"));
}

TEST_F(FichierNiveaux, ErasingMovesTheLaterLevelsByteForByte) {
    Ajoute(Plateau({"o*x"}));
    Ajoute(Plateau({"o**x"}));
    Ajoute(Plateau({"o***x"}));
    const auto avant = d.lit("niveaux/SET.niv");
    n.Numero = 1;
    EffaceNiveau(d, n);
    const auto apres = d.lit("niveaux/SET.niv");
    EXPECT_EQ(apres, std::vector<uint8_t>(avant.begin() + 52, avant.end()));
    n.Numero = 2; // the last one now
    EffaceNiveau(d, n);
    EXPECT_EQ(d.lit("niveaux/SET.niv"), std::vector<uint8_t>(avant.begin() + 52, avant.begin() + 104));
    n.Numero = 1;
    EffaceNiveau(d, n);
    EXPECT_TRUE(d.lit("niveaux/SET.niv").empty());
    EXPECT_THROW(EffaceNiveau(d, n), ErreurES); // nothing left to erase
}

TEST_F(FichierNiveaux, ErasingInALargeFileCrossesTheBufferBoundary) {
    std::vector<uint8_t> octets(52 * 200);
    for (std::size_t i = 0; i < octets.size(); ++i)
        octets[i] = uint8_t(i * 7 + i / 52);
    d.ecrit("niveaux/SET.niv", octets);
    n.Numero = 3;
    EffaceNiveau(d, n);
    std::vector<uint8_t> attendu = octets;
    attendu.erase(attendu.begin() + 104, attendu.begin() + 156);
    EXPECT_EQ(d.lit("niveaux/SET.niv"), attendu);
}

} // namespace
