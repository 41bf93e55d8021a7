#include "DossierTemporaire.h"
#include "Ensemble.h"
#include "Erreur.h"
#include "NiveauFichier.h"

#include <gtest/gtest.h>

using namespace zorvane;
using zorvane::test::DossierTemporaire;

namespace {

bool Existe(const DossierTemporaire& d, const std::string& f) {
    return fs::exists(d.chemin() / "niveaux" / f);
}

TEST(Description, WorkedExampleAbc) {
    DossierTemporaire d;
    TNiveau n;
    EcrireDescription(d, n, "abc", "abc", "", true);
    const auto octets = d.lit("niveaux/abc.des");
    ASSERT_EQ(octets.size(), 132u);
    EXPECT_EQ(octets[0], 3);
    EXPECT_EQ(octets[1], 88);
    EXPECT_EQ(octets[2], 150);
    EXPECT_EQ(octets[3], 38);
    EXPECT_EQ(octets[101], 0);
    EXPECT_EQ(LireDescription(d, n), "abc");
}

TEST(Description, WritesReadsAndChecks) {
    DossierTemporaire d;
    TNiveau n;
    EcrireDescription(d, n, "LONGNOM12", "Premiers pas", "SECRET", true);
    EXPECT_EQ(n.NomFichier, "LONGNOM1");
    for (const char* f : {"LONGNOM1.des", "LONGNOM1.niv", "LONGNOM1.sol", "LONGNOM1.ind"})
        EXPECT_TRUE(Existe(d, f)) << f;
    EXPECT_EQ(LireDescription(d, n), "Premiers pas");
    EXPECT_EQ(LireMotDePasse(d, n), "SECRET");
    EXPECT_TRUE(VerifieMotDePasse(d, n, "SECRET"));
    EXPECT_FALSE(VerifieMotDePasse(d, n, "secret")); // case counts
    EXPECT_FALSE(VerifieMotDePasse(d, n, "SECRE"));
}

TEST(Description, FieldsAreCutToTheirCapacity) {
    DossierTemporaire d;
    TNiveau n;
    const std::string cent(100, 'd');
    EcrireDescription(d, n, "CUT", cent + "XYZ", std::string(30, 'P') + "Q", false);
    EXPECT_EQ(LireDescription(d, n), cent);
    EXPECT_EQ(LireMotDePasse(d, n), std::string(30, 'P'));
    EXPECT_TRUE(VerifieMotDePasse(d, n, std::string(30, 'P') + "anything")); // candidate cut too
    EXPECT_FALSE(Existe(d, "CUT.niv")); // without the flag only the .des is written
}

TEST(Description, EmptyTextsAndCaseOfTheName) {
    DossierTemporaire d;
    TNiveau n;
    EcrireDescription(d, n, "abc", "", "", true);
    EXPECT_EQ(LireDescription(d, n), "");
    EXPECT_TRUE(VerifieMotDePasse(d, n, ""));
    EcrireDescription(d, n, "abc", "texte", "", false);
    fs::rename(d.chemin() / "niveaux/abc.des", d.chemin() / "niveaux/ABC.des");
    TNiveau autre;
    autre.NomFichier = "ABC"; // another key stream
    EXPECT_NE(LireDescription(d, autre), "texte");
}

TEST(Description, RecreatingASetEmptiesItsFiles) {
    DossierTemporaire d;
    TNiveau n;
    EcrireDescription(d, n, "SET", "a", "P", true);
    d.ecrit("niveaux/SET.niv", std::vector<uint8_t>(52, 0));
    EcrireDescription(d, n, "SET", "b", "P", false);
    EXPECT_EQ(d.lit("niveaux/SET.niv").size(), 52u);
    EcrireDescription(d, n, "SET", "c", "P", true);
    EXPECT_EQ(d.lit("niveaux/SET.niv").size(), 0u);
}

TEST(Description, DamagedFilesAreReportedNotRead) {
    DossierTemporaire d;
    TNiveau n;
    n.NomFichier = "BAD";
    auto erreur = [&](auto&& f) {
        try {
            f();
        } catch (const ErreurES& e) {
            return e.numero();
        }
        return 0;
    };
    EXPECT_EQ(erreur([&] { LireDescription(d, n); }), FichierIntrouvable);
    d.ecrit("niveaux/BAD.des", std::vector<uint8_t>(131, 0));
    EXPECT_EQ(erreur([&] { LireDescription(d, n); }), LectureAuDelaDeLaFin);
    std::vector<uint8_t> record(132, 0);
    record[0] = 101;
    d.ecrit("niveaux/BAD.des", record);
    EXPECT_EQ(erreur([&] { LireDescription(d, n); }), FichierEndommage);
    record[0] = 0;
    record[101] = 31;
    d.ecrit("niveaux/BAD.des", record);
    EXPECT_EQ(erreur([&] { LireMotDePasse(d, n); }), FichierEndommage);
    EXPECT_EQ(erreur([&] { VerifieMotDePasse(d, n, ""); }), FichierEndommage);
    record[101] = 0;
    record.resize(200, 7); // a longer file: only the first record counts
    d.ecrit("niveaux/BAD.des", record);
    EXPECT_EQ(LireDescription(d, n), "");
}

TEST(Description, ErrorMessageNamesTheFileInFrench) {
    DossierTemporaire d;
    TNiveau n;
    n.NomFichier = "ABC";
    try {
        LireDescription(d, n);
        FAIL();
    } catch (const ErreurES& e) {
        EXPECT_STREQ(e.what(), "Erreur d'E/S 2 : fichier introuvable (niveaux/ABC.des)");
        EXPECT_EQ(e.fichier(), "niveaux/ABC.des");
    }
}

class NomHostile : public ::testing::TestWithParam<std::string> {};

TEST_P(NomHostile, IsRefusedBeforeAnyFileIsTouched) {
    DossierTemporaire d;
    TNiveau n;
    n.NomFichier = GetParam();
    EXPECT_FALSE(NomEnsembleValide(GetParam()));
    EXPECT_THROW(LireDescription(d, n), ErreurES);
    EXPECT_THROW(CompteNiveaux(d, n, false), ErreurES);
    EXPECT_THROW(SupprimeEnsemble(d, n, true), ErreurES);
    TNiveau neuf;
    EXPECT_THROW(EcrireDescription(d, neuf, GetParam(), "x", "y", true), ErreurES);
    EXPECT_TRUE(neuf.NomFichier.empty());
    EXPECT_TRUE(fs::is_empty(d.chemin() / "niveaux"));
    EXPECT_EQ(std::distance(fs::directory_iterator(d.chemin()), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(Noms, NomHostile,
                         ::testing::Values("../x", "a/b", "..", ".", "a\\b", std::string("a\0b", 3),
                                           "\n", "/", "a\x81", "\x9D"));

// Names are Windows-1252 in memory and in the files; on disk the four files carry the name's
// UTF-8 form, so that the folder's listing shows it as typed.
TEST(Description, AccentedNameIsWrittenUnderItsUtf8FormAndReadBack) {
    DossierTemporaire d;
    TNiveau n;
    const std::string nom = "\xE9l\xE9phant"; // "éléphant", 8 characters
    EcrireDescription(d, n, nom, "une description", "P", true);
    EXPECT_EQ(n.NomFichier, nom);
    for (const char* f : {"éléphant.des", "éléphant.niv", "éléphant.sol", "éléphant.ind"})
        EXPECT_TRUE(Existe(d, f)) << f;
    EXPECT_EQ(
        std::distance(fs::directory_iterator(d.chemin() / "niveaux"), fs::directory_iterator()), 4);
    EXPECT_EQ(LireDescription(d, n), "une description");
    EXPECT_TRUE(VerifieMotDePasse(d, n, "P"));
    SupprimeEnsemble(d, n, true);
    EXPECT_TRUE(fs::is_empty(d.chemin() / "niveaux"));
}

TEST(Description, EmptyNameIsRefusedForWriting) {
    DossierTemporaire d;
    TNiveau n;
    EXPECT_THROW(EcrireDescription(d, n, "", "x", "y", true), ErreurES);
}

TEST(SupprimeEnsemble, WithoutForceOnlyAnEmptySet) {
    DossierTemporaire d;
    TNiveau n;
    EcrireDescription(d, n, "SET", "a", "P", true);
    d.ecrit("niveaux/SET.niv", {1});
    SupprimeEnsemble(d, n, false);
    EXPECT_EQ(n.NomFichier, "SET");
    EXPECT_TRUE(Existe(d, "SET.des"));
    d.ecrit("niveaux/SET.niv", {});
    SupprimeEnsemble(d, n, false);
    EXPECT_TRUE(n.NomFichier.empty());
    for (const char* f : {"SET.des", "SET.niv", "SET.sol", "SET.ind"})
        EXPECT_FALSE(Existe(d, f)) << f;
}

TEST(SupprimeEnsemble, ForceSkipsMissingFilesAndEmptyNameTouchesNothing) {
    DossierTemporaire d;
    TNiveau n;
    EcrireDescription(d, n, "SET", "a", "P", true);
    d.ecrit("niveaux/SET.niv", std::vector<uint8_t>(52, 0));
    fs::remove(d.chemin() / "niveaux/SET.sol");
    d.ecrit("niveaux/OTHER.niv", {});
    SupprimeEnsemble(d, n, true);
    EXPECT_TRUE(n.NomFichier.empty());
    EXPECT_FALSE(Existe(d, "SET.niv"));
    SupprimeEnsemble(d, n, true); // no set: nothing happens
    EXPECT_TRUE(Existe(d, "OTHER.niv"));
}

TEST(SupprimeEnsemble, WithoutForceAMissingLevelFileIsAnError) {
    DossierTemporaire d;
    TNiveau n;
    n.NomFichier = "GONE";
    EXPECT_THROW(SupprimeEnsemble(d, n, false), ErreurES);
    EXPECT_EQ(n.NomFichier, "GONE");
}

} // namespace
