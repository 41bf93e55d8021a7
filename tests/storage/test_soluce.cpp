#include "DossierTemporaire.h"
#include "Ensemble.h"
#include "Erreur.h"
#include "NiveauFichier.h"
#include "Octets.h"
#include "Soluce.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

using namespace zorvane;
using zorvane::test::DossierTemporaire;
using zorvane::test::Plateau;

namespace {

// Moves as the log receives them; (0, 0) is a change of piece.
using Coup = std::pair<int8_t, int8_t>;
constexpr Coup Haut{0, -1};
constexpr Coup Bas{0, 1};
constexpr Coup Gauche{-1, 0};
constexpr Coup Droite{1, 0};
constexpr Coup Change{0, 0};

TJournal Journal(const std::vector<Coup>& coups) {
    TJournal j;
    j.NomFichier = "SET";
    for (auto [dx, dy] : coups)
        AjouteCoup(j, dx, dy);
    return j;
}

// A log of exactly nbCodes codes (nbCodes >= 2): the lead-in, then right and left in turn.
TJournal JournalDe(int nbCodes) {
    std::vector<Coup> coups;
    for (int i = 1; i < nbCodes; ++i)
        coups.push_back(i % 2 ? Droite : Gauche);
    return Journal(coups);
}

// Decodes until CoupFin; a reader that never ends fails the test instead of hanging it.
std::vector<int> Decode(TSoluce& s) {
    std::vector<int> coups;
    for (int i = 0; i <= 2 * CodesMaximum; ++i) {
        const int c = CoupSuivant(s);
        if (c == CoupFin)
            return coups;
        coups.push_back(c);
    }
    ADD_FAILURE() << "the reader never returned CoupFin";
    return coups;
}

std::vector<uint8_t> Record(int32_t position, uint16_t nbCodes, uint8_t u0 = 0, uint8_t u1 = 0) {
    std::vector<uint8_t> r(8);
    EcritLE32(r.data(), uint32_t(position));
    EcritLE16(r.data() + 4, nbCodes);
    r[6] = u0;
    r[7] = u1;
    return r;
}

std::vector<uint8_t> Concat(const std::vector<std::vector<uint8_t>>& parties) {
    std::vector<uint8_t> tout;
    for (const auto& p : parties)
        tout.insert(tout.end(), p.begin(), p.end());
    return tout;
}

// A set "SET" with empty solution files, as the editor creates it.
class FichiersSoluce : public ::testing::Test {
  protected:
    void SetUp() override {
        TNiveau n;
        EcrireDescription(d, n, "SET", "", "P", true);
    }

    // Gives the set `nombre` more levels without solutions, as the editor's first saves do.
    void AjouteNiveaux(int nombre) {
        for (int i = 0; i < nombre; ++i)
            RazSoluce(d, "SET", false, int32_t(ind().size() / 8 + 1));
    }

    // Offers the log to level numero with its record read just before, as the test mode does.
    void Enregistre(int32_t numero, TJournal j) { EnregistreSoluce(d, j, numero, Index(numero)); }

    TIndexSoluce Index(int32_t numero) {
        TSoluce s;
        s.NomFichier = "SET";
        LitIndex(d, s, numero);
        return CopieIndex(s);
    }

    // Level numero's stored solution, decoded; empty when it has none.
    std::vector<int> Relit(int32_t numero) {
        TSoluce s;
        s.NomFichier = "SET";
        if (!LitIndex(d, s, numero))
            return {};
        OuvreSoluce(d, s);
        return Decode(s);
    }

    std::vector<uint8_t> sol() const { return d.lit("niveaux/SET.sol"); }
    std::vector<uint8_t> ind() const { return d.lit("niveaux/SET.ind"); }

    DossierTemporaire d;
};

TEST(JournalCoups, WorkedExampleRightDownChangeLeftUp) {
    TJournal j = Journal({Droite, Bas, Change, Gauche, Haut});
    // 01 11 01 01 packed as the first byte; 10 00 still waits.
    EXPECT_EQ(j.NbCodes, 4);
    EXPECT_EQ(j.Octets[0], 0x75);
    EXPECT_EQ(j.Attente, "1000");
    RangeOctet(j);
    EXPECT_EQ(j.NbCodes, 6);
    EXPECT_EQ(j.Octets[1], 0x80);
    EXPECT_EQ(j.Attente, "");
}

TEST(JournalCoups, LeadInIsTheOtherAxisWithTheSameSense) {
    const struct {
        Coup premier;
        uint8_t octet; // lead-in then move, fill codes after
    } cas[] = {
        {Droite, 0b01'11'00'00},
        {Gauche, 0b00'10'00'00},
        {Haut, 0b10'00'00'00},
        {Bas, 0b11'01'00'00},
    };
    for (const auto& c : cas) {
        TJournal j = Journal({c.premier});
        RangeOctet(j);
        EXPECT_EQ(j.NbCodes, 2);
        EXPECT_EQ(j.Octets[0], c.octet) << int(c.premier.first) << "," << int(c.premier.second);
    }
}

TEST(JournalCoups, ChangesOfPieceCancelInPairs) {
    const struct {
        std::vector<Coup> coups;
        std::vector<Coup> equivalent;
    } cas[] = {
        {{Droite, Change, Change, Bas}, {Droite, Bas}},
        {{Change, Change, Droite, Bas}, {Droite, Bas}},
        {{Droite, Change, Change, Change, Bas}, {Droite, Change, Bas}},
        {{Droite, Bas, Change}, {Droite, Bas}}, // a change after the last move is never written
        {{Droite, {2, 0}, {1, 1}, Bas}, {Droite, Bas}}, // not directions: ignored
    };
    for (const auto& c : cas) {
        TJournal j = Journal(c.coups);
        TJournal attendu = Journal(c.equivalent);
        RangeOctet(j);
        RangeOctet(attendu);
        EXPECT_EQ(j.NbCodes, attendu.NbCodes);
        EXPECT_EQ(j.Octets, attendu.Octets);
    }
}

TEST(JournalCoups, ViderJournalStartsANewStreamWithALeadIn) {
    TJournal j = Journal({Droite, Change, Bas, Gauche, Haut, Droite});
    AjouteCoup(j, 0, 0);
    ViderJournal(j);
    EXPECT_EQ(j.NbCodes, 0);
    EXPECT_EQ(j.Attente, "");
    EXPECT_FALSE(j.ChangementEnAttente);
    AjouteCoup(j, 1, 0);
    RangeOctet(j);
    EXPECT_EQ(j.NbCodes, 2);
    EXPECT_EQ(j.Octets[0], 0x70); // 01 11: no change pending from the old log
}

TEST(JournalCoups, AFullLogStopsAtAThousandCodes) {
    TJournal j = JournalDe(1200);
    RangeOctet(j);
    EXPECT_EQ(j.NbCodes, CodesMaximum);
    EXPECT_EQ(j.Attente, "");
    EXPECT_EQ(j.Octets[OctetsJournal - 1], 0b10'11'10'11); // codes 997 to 1000: L R L R
}

TEST_F(FichiersSoluce, WorkedExampleIsStoredAndDecoded) {
    AjouteNiveaux(1);
    Enregistre(1, Journal({Droite, Bas, Change, Gauche, Haut}));
    EXPECT_EQ(sol(), (std::vector<uint8_t>{0x75, 0x80}));
    EXPECT_EQ(ind(), Record(0, 6));
    EXPECT_EQ(Relit(1), (std::vector<int>{3, 1, 4, 2, 0}));
}

TEST_F(FichiersSoluce, EachDecodedMoveReplaysAsItsDirection) {
    AjouteNiveaux(4);
    for (int code = 0; code < 4; ++code) {
        const TDirection d = DirectionsDesCoups[code];
        Enregistre(code + 1, Journal({{d.dx, d.dy}}));
        EXPECT_EQ(Relit(code + 1), std::vector<int>{code}) << "code " << code;
    }
}

TEST_F(FichiersSoluce, ChangeBeforeTheFirstMoveRepeatsItsCode) {
    AjouteNiveaux(1);
    Enregistre(1, Journal({Change, Droite, Change, Droite}));
    EXPECT_EQ(sol(), (std::vector<uint8_t>{0xFF, 0xC0})); // five codes 11
    EXPECT_EQ(ind(), Record(0, 5));
    EXPECT_EQ(Relit(1), (std::vector<int>{4, 3, 4, 3}));
}

TEST_F(FichiersSoluce, NineHundredNinetySixCodesAreTheLongestStored) {
    AjouteNiveaux(2);
    Enregistre(1, JournalDe(996));
    EXPECT_EQ(sol().size(), 249u);
    EXPECT_EQ(Index(1).NbCodes, 996);
    EXPECT_EQ(Relit(1).size(), 995u);

    Enregistre(2, JournalDe(997));
    Enregistre(2, JournalDe(1200));
    EXPECT_EQ(sol().size(), 249u);
    EXPECT_EQ(Index(2).NbCodes, 0);
}

TEST_F(FichiersSoluce, AnEmptyLogStoresNothing) {
    AjouteNiveaux(2);
    Enregistre(1, Journal({Change}));
    EXPECT_TRUE(sol().empty());
    EXPECT_EQ(ind(), Concat({Record(0, 0), Record(0, 0)}));

    Enregistre(2, Journal({Droite, Bas}));
    const auto avant = sol();
    Enregistre(2, Journal({}));
    EXPECT_EQ(sol(), avant);
    EXPECT_EQ(Relit(2), (std::vector<int>{3, 1}));
}

TEST_F(FichiersSoluce, FirstSolutionIsAppendedWhereverItsLevelIs) {
    AjouteNiveaux(3);
    Enregistre(3, JournalDe(9)); // 3 bytes
    Enregistre(1, JournalDe(4)); // 1 byte
    EXPECT_EQ(sol().size(), 4u);
    EXPECT_EQ(ind(), Concat({Record(3, 4), Record(0, 0), Record(0, 9)}));
}

TEST_F(FichiersSoluce, SolutionsNotShorterChangeNothing) {
    AjouteNiveaux(2);
    Enregistre(1, JournalDe(10));
    Enregistre(2, JournalDe(7));
    const auto solAvant = sol();
    const auto indAvant = ind();
    for (int nbCodes : {10, 11, 40}) {
        Enregistre(1, JournalDe(nbCodes));
        EXPECT_EQ(sol(), solAvant) << nbCodes;
        EXPECT_EQ(ind(), indAvant) << nbCodes;
    }
}

TEST_F(FichiersSoluce, ShorterInTheSameBytesOverwritesInPlace) {
    AjouteNiveaux(2);
    Enregistre(1, Journal({Droite, Bas, Gauche, Haut, Droite, Bas, Gauche})); // 8 codes
    Enregistre(2, JournalDe(6));
    const auto avant = sol();
    Enregistre(1, Journal({Bas, Droite, Haut, Gauche, Bas})); // 6 codes
    const auto apres = sol();
    ASSERT_EQ(apres.size(), avant.size());
    EXPECT_NE(apres[0], avant[0]);
    EXPECT_EQ(std::vector<uint8_t>(apres.begin() + 2, apres.end()),
              std::vector<uint8_t>(avant.begin() + 2, avant.end()));
    EXPECT_EQ(ind(), Concat({Record(0, 6), Record(2, 6)}));
    EXPECT_EQ(Relit(1), (std::vector<int>{1, 3, 0, 2, 1}));
}

TEST_F(FichiersSoluce, ShorterInFewerBytesMovesTheRestDown) {
    AjouteNiveaux(4);
    Enregistre(2, JournalDe(20)); // 5 bytes at 0
    Enregistre(1, JournalDe(9));  // 3 bytes at 5
    Enregistre(4, JournalDe(6));  // 2 bytes at 8
    Enregistre(3, JournalDe(2));  // 1 byte at 10
    const auto avant = sol();
    ASSERT_EQ(avant.size(), 11u);

    Enregistre(2, Journal({Haut, Droite, Bas})); // 4 codes, 1 byte: 4 bytes shorter
    const auto apres = sol();
    ASSERT_EQ(apres.size(), 7u);
    EXPECT_EQ(std::vector<uint8_t>(apres.begin() + 1, apres.end()),
              std::vector<uint8_t>(avant.begin() + 5, avant.end()));
    EXPECT_EQ(ind(), Concat({Record(1, 9), Record(0, 4), Record(6, 2), Record(4, 6)}));
    EXPECT_EQ(Relit(2), (std::vector<int>{0, 3, 1}));
    EXPECT_EQ(Relit(1).size(), 8u);
    EXPECT_EQ(Relit(3), (std::vector<int>{3}));
    EXPECT_EQ(Relit(4).size(), 5u);
}

TEST_F(FichiersSoluce, ABlockThatSpansTheMoveBufferMovesWhole) {
    AjouteNiveaux(30);
    for (int32_t n = 1; n <= 30; ++n)
        Enregistre(n, JournalDe(900 + 4 * (n % 7))); // 225 to 231 bytes: over 4096 in all
    const auto attendu = [&] {
        std::vector<std::vector<int>> tout;
        for (int32_t n = 1; n <= 30; ++n)
            tout.push_back(Relit(n));
        return tout;
    }();
    ASSERT_GT(sol().size(), TamponDeplacement);
    Enregistre(1, JournalDe(3));
    for (int32_t n = 2; n <= 30; ++n)
        EXPECT_EQ(Relit(n), attendu[n - 1]) << n;
    EXPECT_EQ(Relit(1), (std::vector<int>{3, 2}));
}

TEST_F(FichiersSoluce, ErasingALevelKeepsTheOthersReadable) {
    AjouteNiveaux(3);
    Enregistre(1, JournalDe(5));
    Enregistre(2, Journal({Bas, Droite, Haut, Gauche, Bas, Change, Droite})); // in the middle
    Enregistre(3, JournalDe(3));
    const auto un = Relit(1);
    const auto trois = Relit(3);

    SupprimeSoluce(d, "SET", 2, true);
    EXPECT_EQ(sol().size(), 2u + 1u);
    EXPECT_EQ(ind().size(), 16u);
    EXPECT_EQ(Relit(1), un);
    EXPECT_EQ(Relit(2), trois); // the former level 3
}

TEST_F(FichiersSoluce, ErasingALevelWithoutSolutionOnlyRemovesItsRecord) {
    AjouteNiveaux(3);
    Enregistre(1, JournalDe(5));
    Enregistre(3, JournalDe(7));
    const auto avant = sol();
    SupprimeSoluce(d, "SET", 2, true);
    EXPECT_EQ(sol(), avant);
    EXPECT_EQ(ind(), Concat({Record(0, 5), Record(2, 7)}));
}

TEST_F(FichiersSoluce, SavingAModifiedLevelDropsItsSolution) {
    AjouteNiveaux(3);
    Enregistre(1, JournalDe(5));
    Enregistre(2, JournalDe(9));
    Enregistre(3, JournalDe(3));
    const auto trois = Relit(3);

    RazSoluce(d, "SET", true, 2);
    EXPECT_EQ(sol().size(), 2u + 1u);
    EXPECT_EQ(ind(), Concat({Record(0, 5), Record(0, 0), Record(2, 3)}));
    EXPECT_EQ(Relit(3), trois);
    Enregistre(2, JournalDe(4)); // the modified level takes a new solution at the end
    EXPECT_EQ(Index(2).Position, 3);
}

TEST_F(FichiersSoluce, ANewLevelAppendsItsRecord) {
    AjouteNiveaux(1);
    Enregistre(1, JournalDe(5));
    RazSoluce(d, "SET", false, 2);
    EXPECT_EQ(ind(), Concat({Record(0, 5), Record(0, 0)}));
    EXPECT_THROW(RazSoluce(d, "SET", false, 4), ErreurES); // would leave level 3 without one
    EXPECT_THROW(RazSoluce(d, "SET", false, 0), ErreurES);
    EXPECT_EQ(ind().size(), 16u);
}

TEST_F(FichiersSoluce, DecaleIndexLowersLaterOffsetsOnly) {
    const auto avant = Concat({Record(-5, 4, 1, 2),
                               Record(0, 0, 3, 4),
                               Record(10, 8, 5, 6),
                               Record(11, 0, 7, 8),
                               Record(300, 20, 9, 9),
                               {0xAA, 0xBB, 0xCC}});
    d.ecrit("niveaux/SET.ind", avant);
    DecaleIndex(d, 10, 3, "SET");
    EXPECT_EQ(ind(), Concat({Record(-5, 4, 1, 2),
                             Record(0, 0, 3, 4),
                             Record(10, 8, 5, 6),
                             Record(8, 0, 7, 8),
                             Record(297, 20, 9, 9),
                             {0xAA, 0xBB, 0xCC}}));
}

TEST_F(FichiersSoluce, DecaleIndexReachesEveryRecordOfALargeIndex) {
    std::vector<std::vector<uint8_t>> records, attendus;
    for (int i = 0; i < 1100; ++i) { // more records than one buffer holds
        records.push_back(Record(100 + i, 4));
        attendus.push_back(Record(100 + i - 2, 4));
    }
    d.ecrit("niveaux/SET.ind", Concat(records));
    DecaleIndex(d, 99, 2, "SET");
    EXPECT_EQ(ind(), Concat(attendus));
}

TEST_F(FichiersSoluce, MissingOrDamagedRecordsAreErrors) {
    AjouteNiveaux(1);
    TSoluce s;
    s.NomFichier = "SET";
    EXPECT_THROW(LitIndex(d, s, 0), ErreurES);
    EXPECT_THROW(LitIndex(d, s, 2), ErreurES);
    EXPECT_THROW(SupprimeSoluce(d, "SET", 2, true), ErreurES);
    TJournal j = JournalDe(4);
    EXPECT_THROW(EnregistreSoluce(d, j, 2, TIndexSoluce{}), ErreurES);
    s.NomFichier = "../SET";
    EXPECT_THROW(LitIndex(d, s, 1), ErreurES);
    s.NomFichier = "AUTRE";
    EXPECT_THROW(LitIndex(d, s, 1), ErreurES);

    const std::vector<uint8_t> abimes[] = {Record(0, 1001), Record(-1, 4), Record(INT32_MIN, 8)};
    for (const auto& r : abimes) {
        d.ecrit("niveaux/SET.sol", std::vector<uint8_t>(300, 0x55));
        d.ecrit("niveaux/SET.ind", r);
        s.NomFichier = "SET";
        EXPECT_THROW(LitIndex(d, s, 1), ErreurES);
        EXPECT_THROW(SupprimeSoluce(d, "SET", 1, true), ErreurES);
        EXPECT_THROW(RazSoluce(d, "SET", true, 1), ErreurES);
        EXPECT_EQ(sol().size(), 300u);
        EXPECT_EQ(ind(), r);
    }
}

TEST_F(FichiersSoluce, BlocksOutsideTheSolutionFileAreErrors) {
    const struct {
        int32_t position;
        uint16_t nbCodes;
    } cas[] = {
        {10, 4},   // past the end
        {8, 12},   // starts inside, 3 bytes where 2 remain
        {0, 1000}, // 250 bytes announced, 10 stored
        {-1, 4},   // negative
    };
    for (const auto& c : cas) {
        const std::vector<uint8_t> contenu(10, 0x1B);
        d.ecrit("niveaux/SET.sol", contenu);
        d.ecrit("niveaux/SET.ind", Record(c.position, c.nbCodes));
        TSoluce s;
        s.NomFichier = "SET";
        s.Index.Position = c.position;
        s.Index.NbCodes = c.nbCodes;
        EXPECT_THROW(OuvreSoluce(d, s), ErreurES) << c.position << " " << c.nbCodes;
        EXPECT_EQ(CoupSuivant(s), CoupFin); // a reader that failed to open replays nothing
        EXPECT_THROW(SupprimeSoluce(d, "SET", 1, true), ErreurES);
        TJournal j = JournalDe(2);
        EXPECT_THROW(EnregistreSoluce(d, j, 1, s.Index), ErreurES);
        EXPECT_EQ(sol(), contenu);
        EXPECT_EQ(ind(), Record(c.position, c.nbCodes));
    }
}

TEST_F(FichiersSoluce, AStaleIndexRecordIsRefused) {
    AjouteNiveaux(3);
    Enregistre(1, JournalDe(13)); // 4 bytes at 0
    Enregistre(2, JournalDe(9));  // 3 bytes at 4
    const TIndexSoluce deux = Index(2);
    const TIndexSoluce trois = Index(3);
    Enregistre(1, JournalDe(2)); // level 2's block moves down to 1
    Enregistre(3, JournalDe(4)); // level 3 gets a solution
    const auto solAvant = sol();
    const auto indAvant = ind();

    TJournal j = JournalDe(5);
    EXPECT_THROW(EnregistreSoluce(d, j, 2, deux), ErreurES);
    EXPECT_THROW(EnregistreSoluce(d, j, 3, trois), ErreurES);
    EXPECT_EQ(sol(), solAvant);
    EXPECT_EQ(ind(), indAvant);
    EXPECT_EQ(Relit(2).size(), 8u);
}

TEST_F(FichiersSoluce, TheReaderStopsAtTheStoredCodes) {
    AjouteNiveaux(1);
    Enregistre(1, JournalDe(5)); // lead-in and 4 moves, then 3 fill codes 00 in the same byte
    TSoluce s;
    s.NomFichier = "SET";
    ASSERT_TRUE(LitIndex(d, s, 1));
    OuvreSoluce(d, s);
    EXPECT_EQ(Decode(s), (std::vector<int>{3, 2, 3, 2}));
    EXPECT_EQ(CoupSuivant(s), CoupFin);
    OuvreSoluce(d, s); // rewinding
    EXPECT_EQ(Decode(s), (std::vector<int>{3, 2, 3, 2}));

    TSoluce neuf;
    EXPECT_EQ(CoupSuivant(neuf), CoupFin);
}

TEST_F(FichiersSoluce, TheReaderNeverReadsPastItsBytes) {
    d.ecrit("niveaux/SET.sol", std::vector<uint8_t>(OctetsJournal, 0x1B)); // 00 01 10 11
    d.ecrit("niveaux/SET.ind", Record(0, CodesMaximum));
    TSoluce s;
    s.NomFichier = "SET";
    ASSERT_TRUE(LitIndex(d, s, 1));
    OuvreSoluce(d, s);
    s.Index.NbCodes = 60000; // a count that no longer matches the bytes loaded
    EXPECT_EQ(Decode(s).size(), CodesMaximum - 1u);
}

// Random games on real levels: what is stored reads back as the moves made, and replays them.
class ProprieteSoluce : public FichiersSoluce {
  protected:
    struct Partie {
        std::vector<int> logues; // 0 to 3 moves that moved, 4 changes of piece
        TNiveau final;           // the board after them
    };

    static Partie JouePartie(const TNiveau& depart, std::mt19937& alea, TJournal& j) {
        Partie p{{}, depart};
        bool boule = true;
        const int nbActions = int(alea() % 400);
        ViderJournal(j);
        for (int i = 0; i < nbActions; ++i) {
            const int action = int(alea() % 5);
            if (action == 4) {
                boule = !boule;
                AjouteCoup(j, 0, 0);
                p.logues.push_back(4);
            } else if (auto [dx, dy] = DirectionsDesCoups[action];
                       zorvane::Joue(p.final, boule, dx, dy)) {
                AjouteCoup(j, dx, dy);
                p.logues.push_back(action);
            }
        }
        return p;
    }

    // What a log keeps: two changes in a row cancel out, a change after the last move is lost.
    static std::vector<int> SansChangementsAnnules(const std::vector<int>& coups) {
        std::vector<int> reste;
        for (int c : coups) {
            if (c == 4 && !reste.empty() && reste.back() == 4)
                reste.pop_back();
            else
                reste.push_back(c);
        }
        if (!reste.empty() && reste.back() == 4)
            reste.pop_back();
        return reste;
    }

    static TNiveau Rejoue(TNiveau n, const std::vector<int>& coups) {
        bool boule = true;
        for (int c : coups) {
            if (c == 4) {
                boule = !boule;
                continue;
            }
            auto [dx, dy] = DirectionsDesCoups[c];
            EXPECT_TRUE(zorvane::Joue(n, boule, dx, dy)) << "a stored move that does not move";
        }
        return n;
    }

    static const std::vector<TNiveau>& Niveaux() {
        static const std::vector<TNiveau> niveaux{
            Plateau({"#########", "#o..*..#", "#.##.#.#", "#*..x.*#", "#########"}),
            Plateau({"o.*.", "....", "*..x"}),
            Plateau({"...#....*.......", "..*..o.....#....", "#.....*...x.....", "........#..*....",
                     "....*...........", "..#.....*....#..", "................", "*.....#.......*.",
                     "................", "....#.....*.....", "..*.............",
                     "......#.....*..."}),
            Plateau({"x*o"}),
        };
        return niveaux;
    }
};

TEST_F(ProprieteSoluce, StoredGamesDecodeAsTheMovesMade) {
    constexpr int NbParties = 120;
    AjouteNiveaux(NbParties);
    std::vector<std::vector<int>> attendus(NbParties);
    std::vector<TNiveau> finals(NbParties);
    TJournal j;
    j.NomFichier = "SET";

    // Two rounds: the first stores every game, the second only those shorter than the first,
    // which moves the blocks after them down.
    for (uint32_t tour = 0; tour < 2; ++tour) {
        for (int i = 0; i < NbParties; ++i) {
            std::mt19937 alea(1000 * tour + uint32_t(i));
            const TNiveau& depart = Niveaux()[std::size_t(i) % Niveaux().size()];
            const Partie p = JouePartie(depart, alea, j);
            const std::vector<int> garde = SansChangementsAnnules(p.logues);
            const int32_t numero = i + 1;
            const TIndexSoluce avant = Index(numero);
            Enregistre(numero, j);
            const uint16_t nbCodes = Index(numero).NbCodes;
            if (nbCodes != avant.NbCodes || tour == 0) {
                attendus[std::size_t(i)] = garde;
                finals[std::size_t(i)] = p.final;
            }
            ASSERT_EQ(Relit(numero), attendus[std::size_t(i)])
                << "tour " << tour << " partie " << i;
        }
    }

    for (int i = 0; i < NbParties; ++i) {
        const TNiveau& depart = Niveaux()[std::size_t(i) % Niveaux().size()];
        const std::vector<int> coups = Relit(i + 1);
        EXPECT_EQ(coups, attendus[std::size_t(i)]) << "partie " << i;
        EXPECT_EQ(Rejoue(depart, coups).Grille, finals[std::size_t(i)].Grille) << "partie " << i;
    }
}

} // namespace
