// The twenty pieces the build composes into the game's folder.
#include "Arrangeur.h"
#include "LectureSmf.h"
#include "Morceau.h"
#include "Smf.h"
#include "VerifieMidi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace zorvane::musique;

std::vector<uint8_t> Octets(int numero) {
    std::ifstream f(fs::path(ZV_GAME_DIR) / "musique" / (std::to_string(numero) + ".mid"),
                    std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

TEST(MusiqueDuJeu, TwentyPiecesTheGameAcceptsOfFortyToOneHundredAndTwentySeconds) {
    for (int n = 1; n <= 20; ++n) {
        SCOPED_TRACE(n);
        const auto octets = Octets(n);
        ASSERT_FALSE(octets.empty());
        EXPECT_TRUE(zorvane::EstFichierMidi(octets));
        const auto r = LitSmf(octets);
        ASSERT_TRUE(r.has_value());
        const double secondes = Secondes(r->tempos, r->fin);
        EXPECT_GE(secondes, 40);
        EXPECT_LE(secondes, 120);
        for (uint8_t canal : Canaux)
            EXPECT_GT(r->notes[canal], 0) << "channel " << canal + 1;
        for (uint8_t canal : {0, 1, 2, 3})
            EXPECT_GE(r->programmes[canal], 0) << "channel " << canal + 1;
    }
}

TEST(MusiqueDuJeu, EveryPieceIsItsOwn) {
    std::set<std::vector<uint8_t>> pieces;
    std::set<std::pair<double, int>> tempoEtInstrument;
    for (int n = 1; n <= 20; ++n) {
        const auto octets = Octets(n);
        pieces.insert(octets);
        if (const auto r = LitSmf(octets))
            tempoEtInstrument.insert({r->tempos.front().noiresParMinute, r->programmes[0]});
    }
    EXPECT_EQ(pieces.size(), 20u);
    EXPECT_EQ(tempoEtInstrument.size(), 20u);
}

TEST(MusiqueDuJeu, ComposingAgainGivesTheSameFiles) {
    int numero = 0;
    for (const Morceau& m : Catalogue()) {
        SCOPED_TRACE(m.titre);
        Resume r{};
        EXPECT_EQ(EncodeSmf(Arrange(m, r)), Octets(++numero));
    }
}

} // namespace
