#include "Brouillage.h"
#include "DossierTemporaire.h"
#include "Erreur.h"
#include "FPlayer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <limits>

using namespace zorvane;
using zorvane::test::DossierTemporaire;

namespace {

using Octets = std::vector<uint8_t>;

constexpr int32_t Max32 = std::numeric_limits<int32_t>::max();

// A new game, not stored yet.
TPartie Nouvelle(const std::string& nom, int32_t niveau = 1, const std::string& motDePasse = "MDP",
                 const std::string& ensemble = "SET") {
    TPartie p;
    InitPartie(p);
    FixeJoueur(p, nom, motDePasse);
    FixeNiveau(p, niveau);
    FixeEnsemble(p, ensemble);
    FixeRang(p, -1);
    return p;
}

// The error number an operation throws, 0 when it succeeds.
int Erreur(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const ErreurES& e) {
        return e.numero();
    }
    return 0;
}

Octets operator+(Octets a, const Octets& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Octets Record(const TPartie& p) {
    const TPartieFichier r = EncodePartie(p);
    return {r.begin(), r.end()};
}

class FichierJoueurTest : public ::testing::Test {
  protected:
    // Stores new games, one after the other, and returns them with their Rang.
    std::vector<TPartie> Enregistre(const std::vector<std::string>& noms) {
        std::vector<TPartie> parties;
        for (const std::string& nom : noms) {
            parties.push_back(Nouvelle(nom, int32_t(parties.size()) + 1));
            EcritPartie(d, parties.back());
        }
        return parties;
    }

    TPartie Lit(int32_t rang) {
        TPartie p;
        LitPartie(d, p, rang);
        return p;
    }

    std::vector<std::string> Noms() {
        std::vector<std::string> noms;
        for (int32_t r = 0; r < NbParties(d); ++r)
            noms.push_back(NomJoueur(Lit(r)));
        return noms;
    }

    Octets Contenu() { return d.lit(FichierJoueur); }

    DossierTemporaire d;
};

// --- The record ---

TEST(CodagePartie, WorkedExampleWithTheNameAbc) {
    TPartie p = Nouvelle("abc", 12, "abc", "SET");
    EXPECT_EQ(p.MotDePasse, "\x58\x96\x26"); // held scrambled in memory as well
    Octets attendu(TaillePartie, 0);
    const Octets champs[] = {{3, 'a', 'b', 'c'}, {3, 88, 150, 38}, {2, 8, 198}, {3, 106, 177, 17}};
    const std::size_t offsets[] = {0, 31, 62, 73};
    for (int i = 0; i < 4; ++i)
        std::copy(champs[i].begin(), champs[i].end(), attendu.begin() + offsets[i]);
    EXPECT_EQ(Record(p), attendu);

    p.Rang = 7;
    EXPECT_EQ(DecodePartie(EncodePartie(p), 7), p);
}

TEST(CodagePartie, FieldsAreCutToTheirWidth) {
    TPartie p;
    FixeJoueur(p, std::string(35, 'N'), std::string(35, 'p'));
    FixeEnsemble(p, "ABCDEFGHIJ");
    EXPECT_EQ(NomJoueur(p), std::string(30, 'N'));
    EXPECT_EQ(p.MotDePasse.size(), 30u);
    EXPECT_EQ(EnsemblePartie(p), "ABCDEFGH");
    std::string clair = p.MotDePasse;
    BrouilleAvecCle(NomJoueur(p), clair);
    EXPECT_EQ(clair, std::string(30, 'p'));
}

TEST(Partie, InitPartieGivesAnEmptyGameThatIsNotStored) {
    TPartie p = Nouvelle("X", 5);
    FixeRang(p, 3);
    InitPartie(p);
    EXPECT_EQ(p.NiveauAJouer, "0");
    EXPECT_EQ(NiveauPartie(p), 0);
    EXPECT_EQ(RangPartie(p), -1);
    EXPECT_EQ(NomJoueur(p), "");
    EXPECT_EQ(EnsemblePartie(p), "");
}

TEST(Partie, FixeNiveau) {
    const struct {
        std::string avant;
        int32_t numero;
        std::string apres;
    } cas[] = {
        {"9", 0, "10"},    {"0", 0, "1"},   {"41", 1, "1"},
        {"1", 250, "250"}, {"007", 0, "8"}, {"2147483646", 0, "2147483647"},
    };
    for (const auto& c : cas) {
        TPartie p;
        p.NiveauAJouer = c.avant;
        FixeNiveau(p, c.numero);
        EXPECT_EQ(p.NiveauAJouer, c.apres) << c.avant << " + " << c.numero;
    }
}

TEST(Partie, FixeNiveauRefusesWhatIsNotALevel) {
    const struct {
        std::string avant;
        int32_t numero;
    } cas[] = {{"2147483647", 0}, {"X", 0}, {"1", -1}};
    for (const auto& c : cas) {
        TPartie p;
        p.NiveauAJouer = c.avant;
        EXPECT_EQ(Erreur([&] { FixeNiveau(p, c.numero); }), FichierEndommage) << c.avant;
        EXPECT_EQ(p.NiveauAJouer, c.avant);
    }
}

TEST(Partie, NiveauPartieReadsDecimalNumbersOnly) {
    const std::pair<std::string, int32_t> valides[] = {{"0", 0}, {"007", 7}, {"2147483647", Max32}};
    for (const auto& [texte, valeur] : valides) {
        TPartie p;
        p.NiveauAJouer = texte;
        EXPECT_EQ(NiveauPartie(p), valeur) << texte;
    }
    for (const std::string texte :
         {"", "abc", "1a", "-1", "+1", " 1", "2147483648", "9999999999", "12345678901"}) {
        TPartie p;
        p.NiveauAJouer = texte;
        EXPECT_EQ(Erreur([&] { NiveauPartie(p); }), FichierEndommage) << texte;
    }
}

TEST(Partie, PasswordComparisonIsExact) {
    const TPartie p = Nouvelle("ALICE", 1, "Secret");
    const std::pair<std::string, bool> cas[] = {
        {"Secret", true}, {"SECRET", false},  {"secret", false},
        {"Secre", false}, {"SecretX", false}, {"", false},
    };
    for (const auto& [candidat, accepte] : cas)
        EXPECT_EQ(VerifieMotDePassePartie(p, candidat), accepte) << candidat;

    const std::string long35 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345678";
    const TPartie q = Nouvelle("BOB", 1, long35);
    EXPECT_TRUE(VerifieMotDePassePartie(q, long35));
    EXPECT_TRUE(VerifieMotDePassePartie(q, long35.substr(0, 30)));
    EXPECT_FALSE(VerifieMotDePassePartie(q, long35.substr(0, 29)));
}

TEST(Partie, RangApresSuppression) {
    const struct {
        int32_t rang, supprime, apres;
    } cas[] = {{2, 0, 1}, {2, 2, -1}, {1, 2, 1}, {0, 0, -1}, {-1, 0, -1}};
    for (const auto& c : cas)
        EXPECT_EQ(RangApresSuppression(c.rang, c.supprime), c.apres) << c.rang << " " << c.supprime;
}

// --- Saving and reading ---

TEST_F(FichierJoueurTest, FirstSaveCreatesTheFileWithOneRecord) {
    EXPECT_FALSE(JoueurExiste(d));
    TPartie p = Nouvelle("ALICE");
    EcritPartie(d, p);
    EXPECT_EQ(RangPartie(p), 0);
    EXPECT_TRUE(JoueurExiste(d));
    EXPECT_EQ(Contenu(), Record(p));
    EXPECT_EQ(NbParties(d), 1);
    EXPECT_EQ(Lit(0), p);
}

TEST_F(FichierJoueurTest, StoredGameWhoseFileWasRemovedStartsANewFile) {
    TPartie p = Nouvelle("ALICE");
    FixeRang(p, 4);
    EcritPartie(d, p);
    EXPECT_EQ(RangPartie(p), 0);
    EXPECT_EQ(Contenu(), Record(p));
}

TEST_F(FichierJoueurTest, NewGamesAreInsertedInNameOrder) {
    const std::vector<TPartie> p = Enregistre({"BERNARD", "ALICE", "CHARLES"});
    EXPECT_EQ(Noms(), (std::vector<std::string>{"ALICE", "BERNARD", "CHARLES"}));
    EXPECT_EQ(RangPartie(p[2]), 2);
    EXPECT_EQ(RangPartie(Lit(1)), 1);
    TPartie b = p[0];
    b.Rang = 1; // the B record has moved
    EXPECT_EQ(Lit(1), b);
}

TEST_F(FichierJoueurTest, NameAfterEveryStoredNameIsAppended) {
    Enregistre({"A", "B"});
    const Octets avant = Contenu();
    const std::vector<TPartie> c = Enregistre({"C"});
    Octets attendu = avant;
    const Octets record = Record(c[0]);
    attendu.insert(attendu.end(), record.begin(), record.end());
    EXPECT_EQ(Contenu(), attendu);
    EXPECT_EQ(RangPartie(c[0]), 2);
}

TEST_F(FichierJoueurTest, NamesSortAsUnsignedBytesWithPrefixesFirst) {
    Enregistre({"Z", "\xC9TIENNE", "AB", "A", "ABC", "a"});
    EXPECT_EQ(Noms(), (std::vector<std::string>{"A", "AB", "ABC", "Z", "a", "\xC9TIENNE"}));
}

TEST_F(FichierJoueurTest, ChercheNom) {
    Enregistre({"B", "D", "F"});
    const struct {
        std::string nom;
        bool trouve;
        int32_t position;
    } cas[] = {
        {"", false, 0}, {"A", false, 0}, {"B", true, 1},  {"BB", false, 1}, {"C", false, 1},
        {"D", true, 2}, {"F", true, 3},  {"G", false, 3}, {"b", false, 3},
    };
    for (const auto& c : cas) {
        int32_t position = -5;
        EXPECT_EQ(ChercheNom(d, c.nom, position), c.trouve) << c.nom;
        EXPECT_EQ(position, c.position) << c.nom;
    }
}

TEST_F(FichierJoueurTest, ChercheNomOnAMissingFileLeavesThePosition) {
    int32_t position = 77;
    EXPECT_FALSE(ChercheNom(d, "ALICE", position));
    EXPECT_EQ(position, 77);
    EXPECT_FALSE(ChercheNom(d, "", position));
    EXPECT_EQ(position, 77);
}

TEST_F(FichierJoueurTest, ChercheNomLooksForTheNameAsItWouldBeStored) {
    Enregistre({std::string(30, 'X')});
    int32_t position = 0;
    EXPECT_TRUE(ChercheNom(d, std::string(31, 'X'), position));
    EXPECT_EQ(position, 1);
}

TEST_F(FichierJoueurTest, ReadThenWriteRewritesTheRecordByteForByte) {
    Enregistre({"A", "B", "C"});
    const Octets avant = Contenu();
    for (int32_t r = 0; r < 3; ++r) {
        TPartie p = Lit(r);
        EcritPartie(d, p);
        EXPECT_EQ(RangPartie(p), r);
    }
    EXPECT_EQ(Contenu(), avant);

    Octets filler = avant; // filler after each field's characters is ignored
    const std::pair<std::size_t, std::size_t> champs[] = {{0, 30}, {31, 30}, {62, 10}, {73, 8}};
    for (const auto& [offset, capacite] : champs)
        for (std::size_t i = filler[82 + offset] + 1; i <= capacite; ++i)
            filler[82 + offset + i] = 0xEE;
    d.ecrit(FichierJoueur, filler);
    TPartie b = Lit(1);
    EcritPartie(d, b);
    EXPECT_EQ(Contenu(), avant);
}

TEST_F(FichierJoueurTest, SavingALoadedGameChangesOnlyItsLevel) {
    Enregistre({"A", "B", "C"});
    const Octets avant = Contenu();
    TPartie b = Lit(1);
    FixeNiveau(b, 0);
    EcritPartie(d, b);
    const Octets apres = Contenu();
    ASSERT_EQ(apres.size(), avant.size());
    for (std::size_t i = 0; i < avant.size(); ++i) {
        const bool niveauDeB = i >= 82 + 62 && i < 82 + 73;
        EXPECT_TRUE(niveauDeB || apres[i] == avant[i]) << "byte " << i;
    }
    EXPECT_EQ(Lit(1).NiveauAJouer, "3");
    EXPECT_TRUE(VerifieMotDePassePartie(Lit(1), "MDP"));
}

TEST_F(FichierJoueurTest, ANameAlreadyStoredIsNotInsertedTwice) {
    Enregistre({"A", "B", "C"});
    const Octets avant = Contenu();
    TPartie doublon = Nouvelle("B", 9);
    EXPECT_EQ(Erreur([&] { EcritPartie(d, doublon); }), NomInvalide);
    EXPECT_EQ(RangPartie(doublon), -1);
    EXPECT_EQ(Contenu(), avant);
}

TEST_F(FichierJoueurTest, AGameWhoseLevelIsNotANumberIsNotWritten) {
    TPartie p = Nouvelle("A");
    p.NiveauAJouer = "X";
    EXPECT_EQ(Erreur([&] { EcritPartie(d, p); }), FichierEndommage);
    EXPECT_FALSE(JoueurExiste(d));
}

TEST_F(FichierJoueurTest, ReadingOutsideTheFileIsAnError) {
    EXPECT_EQ(Erreur([&] { NbParties(d); }), FichierIntrouvable);
    EXPECT_EQ(Erreur([&] { Lit(0); }), FichierIntrouvable);
    Enregistre({"A", "B", "C"});
    for (int32_t rang : {-1, 3, 1000, Max32}) {
        TPartie p = Nouvelle("GARDE");
        EXPECT_EQ(Erreur([&] { LitPartie(d, p, rang); }), LectureAuDelaDeLaFin) << rang;
        EXPECT_EQ(p, Nouvelle("GARDE"));
    }
}

TEST_F(FichierJoueurTest, FileIsInTheGamesFolderItself) {
    d.ecrit(fs::path("niveaux") / "Joueur.ini", Record(Nouvelle("A")));
    EXPECT_FALSE(JoueurExiste(d));
    fs::create_directory(d.chemin() / "Joueur.ini");
    EXPECT_FALSE(JoueurExiste(d));
    fs::remove(d.chemin() / "Joueur.ini");
    Enregistre({"A"});
    EXPECT_EQ(d.lit("Joueur.ini").size(), TaillePartie);
}

// --- Erasing ---

TEST_F(FichierJoueurTest, ErasingTheOnlyRecordDeletesTheFile) {
    Enregistre({"A"});
    SupprimePartie(d, 0);
    EXPECT_FALSE(JoueurExiste(d));
    EXPECT_FALSE(fs::exists(d.chemin() / FichierJoueur));
}

TEST_F(FichierJoueurTest, ErasingMovesTheLaterRecordsDown) {
    const std::vector<TPartie> p = Enregistre({"A", "B", "C"});
    SupprimePartie(d, 1);
    EXPECT_EQ(Contenu(), Record(p[0]) + Record(p[2]));
}

TEST_F(FichierJoueurTest, ErasingOutsideTheFileIsAnError) {
    EXPECT_EQ(Erreur([&] { SupprimePartie(d, 0); }), FichierIntrouvable);
    Enregistre({"A", "B"});
    const Octets avant = Contenu();
    for (int32_t rang : {-1, 2, Max32})
        EXPECT_EQ(Erreur([&] { SupprimePartie(d, rang); }), LectureAuDelaDeLaFin) << rang;
    EXPECT_EQ(Contenu(), avant);
}

// Enough records for the moves to cross several 2048-byte blocks.
class GrandFichierJoueur : public FichierJoueurTest {
  protected:
    void SetUp() override {
        for (int i = 0; i < 60; ++i) {
            char nom[8];
            std::snprintf(nom, sizeof nom, "J%02d", i);
            noms.push_back(nom);
        }
        parties = Enregistre(noms);
    }

    Octets Attendu(const std::vector<TPartie>& liste) {
        Octets o;
        for (const TPartie& p : liste) {
            const Octets r = Record(p);
            o.insert(o.end(), r.begin(), r.end());
        }
        return o;
    }

    std::vector<std::string> noms;
    std::vector<TPartie> parties;
};

TEST_F(GrandFichierJoueur, ErasingInTheMiddle) {
    for (int32_t rang : {5, 0, 57}) {
        SupprimePartie(d, rang);
        parties.erase(parties.begin() + rang);
        EXPECT_EQ(Contenu(), Attendu(parties)) << rang;
    }
}

TEST_F(GrandFichierJoueur, InsertingInTheMiddle) {
    const std::pair<std::string, int32_t> cas[] = {{"J05A", 6}, {"A", 0}, {"J30B", 33}, {"Z", 63}};
    for (const auto& [nom, rang] : cas) {
        TPartie p = Nouvelle(nom, 99);
        EcritPartie(d, p);
        EXPECT_EQ(RangPartie(p), rang) << nom;
        parties.insert(parties.begin() + rang, p);
        EXPECT_EQ(Contenu(), Attendu(parties)) << nom;
    }
}

// --- A Rang kept by the game in progress ---

TEST_F(FichierJoueurTest, SavingAfterAnEarlierRecordWasErasedWritesItsOwnRecord) {
    Enregistre({"A", "B", "C"});
    TPartie enCours = Lit(2);
    const Octets b = Record(Lit(1));
    SupprimePartie(d, 0);
    FixeRang(enCours, RangApresSuppression(RangPartie(enCours), 0));
    FixeNiveau(enCours, 0);
    EcritPartie(d, enCours);
    EXPECT_EQ(RangPartie(enCours), 1);
    EXPECT_EQ(Contenu(), b + Record(enCours));
}

TEST_F(FichierJoueurTest, AGameWhoseRecordWasErasedIsSavedAsANewGame) {
    Enregistre({"A", "B"});
    TPartie enCours = Lit(0);
    SupprimePartie(d, 0);
    FixeRang(enCours, RangApresSuppression(RangPartie(enCours), 0));
    EXPECT_EQ(RangPartie(enCours), -1);
    FixeJoueur(enCours, "C", "NOUVEAU");
    EcritPartie(d, enCours);
    EXPECT_EQ(Noms(), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(RangPartie(enCours), 1);
}

// Another game on the folder moved the saved game's record, or erased it, since it was read: the
// save finds it again by its name, and neither refuses it nor overwrites another player's.
TEST_F(FichierJoueurTest, ASavedGameIsFoundAgainByItsNameBeforeItIsRewritten) {
    struct Cas {
        const char* nom;
        std::function<void()> change;
        std::vector<std::string> noms;
        int32_t rang;
    };
    const Cas tous[] = {
        {"earlier record erased", [&] { SupprimePartie(d, 0); }, {"B", "C", "D"}, 1},
        {"record inserted before",
         [&] {
             TPartie a = Nouvelle("AA");
             EcritPartie(d, a);
         },
         {"A", "AA", "B", "C", "D"},
         3},
        {"its own record erased", [&] { SupprimePartie(d, 2); }, {"A", "B", "C", "D"}, 2},
        {"every record erased",
         [&] {
             for (int i = 0; i < 4; ++i)
                 SupprimePartie(d, 0);
         },
         {"C"},
         0},
    };
    for (const Cas& cas : tous) {
        SCOPED_TRACE(cas.nom);
        fs::remove(d.chemin() / FichierJoueur);
        Enregistre({"A", "B", "C", "D"});
        TPartie enCours = Lit(2);
        cas.change();
        FixeNiveau(enCours, 0);
        EcritPartie(d, enCours);
        EXPECT_EQ(Noms(), cas.noms);
        EXPECT_EQ(RangPartie(enCours), cas.rang);
        EXPECT_EQ(Record(Lit(cas.rang)), Record(enCours));
    }
}

// --- Damaged files ---

TEST_F(FichierJoueurTest, ShortLastRecordIsRefusedByEveryOperation) {
    const std::vector<TPartie> p = Enregistre({"A", "C"});
    Octets abime = Contenu();
    abime.resize(abime.size() + 40, 'Z');
    d.ecrit(FichierJoueur, abime);
    const std::pair<const char*, std::function<void()>> operations[] = {
        {"NbParties", [&] { NbParties(d); }},
        {"LitPartie", [&] { Lit(0); }},
        {"ChercheNom",
         [&] {
             int32_t position = 0;
             ChercheNom(d, "B", position);
         }},
        {"EcritPartie (new)",
         [&] {
             TPartie b = Nouvelle("B");
             EcritPartie(d, b);
         }},
        {"EcritPartie (stored)",
         [&] {
             TPartie a = p[0];
             EcritPartie(d, a);
         }},
        {"SupprimePartie", [&] { SupprimePartie(d, 0); }},
    };
    for (const auto& [nom, operation] : operations) {
        EXPECT_EQ(Erreur(operation), FichierEndommage) << nom;
        EXPECT_EQ(Contenu(), abime) << nom;
    }
}

// Damage to record 1 (B) of a file holding A, B and C.
TEST_F(FichierJoueurTest, DamagedRecordIsRefusedAndTheOthersStayReadable) {
    const auto niveau = [](std::string texte) {
        return [texte](Octets& o) mutable {
            BrouilleAvecCle("B", texte);
            o[82 + 62] = uint8_t(texte.size());
            std::copy(texte.begin(), texte.end(), o.begin() + 82 + 63);
        };
    };
    const auto longueur = [](std::size_t offset, uint8_t valeur) {
        return [offset, valeur](Octets& o) { o[82 + offset] = valeur; };
    };
    const std::pair<const char*, std::function<void(Octets&)>> cas[] = {
        {"name length 31", longueur(0, 31)},
        {"password length 31", longueur(31, 31)},
        {"level length 11", longueur(62, 11)},
        {"set length 9", longueur(73, 9)},
        {"level length 255", longueur(62, 255)},
        {"empty level", niveau("")},
        {"level 1X", niveau("1X")},
        {"level -1", niveau("-1")},
        {"level 2147483648", niveau("2147483648")},
        {"level 9999999999", niveau("9999999999")},
    };
    const std::vector<TPartie> p = Enregistre({"A", "B", "C"});
    const Octets sain = Contenu();
    for (const auto& [nom, abime] : cas) {
        Octets o = sain;
        abime(o);
        d.ecrit(FichierJoueur, o);
        TPartie lu = Nouvelle("GARDE");
        EXPECT_EQ(Erreur([&] { LitPartie(d, lu, 1); }), FichierEndommage) << nom;
        EXPECT_EQ(lu, Nouvelle("GARDE")) << nom;
        EXPECT_EQ(Lit(0), p[0]) << nom;
        EXPECT_EQ(Lit(2), p[2]) << nom;
        SupprimePartie(d, 1); // the damaged record can still be erased
        EXPECT_EQ(Contenu(), Record(p[0]) + Record(p[2])) << nom;
    }
}

TEST_F(FichierJoueurTest, DamagedNameLengthStopsSearchAndInsertion) {
    Enregistre({"A", "B", "C"});
    Octets abime = Contenu();
    abime[82] = 200;
    d.ecrit(FichierJoueur, abime);
    int32_t position = 0;
    EXPECT_EQ(Erreur([&] { ChercheNom(d, "B", position); }), FichierEndommage);
    TPartie nouvelle = Nouvelle("AA");
    EXPECT_EQ(Erreur([&] { EcritPartie(d, nouvelle); }), FichierEndommage);
    EXPECT_EQ(Contenu(), abime);
}

} // namespace
