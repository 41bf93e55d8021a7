// The seven sound effects the build synthesises into the game's folder.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Wav {
    uint16_t format = 0, canaux = 0, bits = 0;
    uint32_t frequence = 0;
    std::vector<int16_t> echantillons;
};

uint32_t Lit32(const std::vector<uint8_t>& o, std::size_t p) {
    return o[p] | o[p + 1] << 8 | o[p + 2] << 16 | uint32_t(o[p + 3]) << 24;
}

uint16_t Lit16(const std::vector<uint8_t>& o, std::size_t p) {
    return uint16_t(o[p] | o[p + 1] << 8);
}

Wav LitWav(const fs::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    const std::vector<uint8_t> o{std::istreambuf_iterator<char>(f), {}};
    Wav w;
    if (o.size() < 12 || std::memcmp(o.data(), "RIFF", 4) != 0 ||
        std::memcmp(&o[8], "WAVE", 4) != 0)
        return w;
    for (std::size_t p = 12; p + 8 <= o.size();) {
        const uint32_t n = Lit32(o, p + 4);
        if (n > o.size() - p - 8)
            break;
        if (std::memcmp(&o[p], "fmt ", 4) == 0 && n >= 16) {
            w.format = Lit16(o, p + 8);
            w.canaux = Lit16(o, p + 10);
            w.frequence = Lit32(o, p + 12);
            w.bits = Lit16(o, p + 22);
        } else if (std::memcmp(&o[p], "data", 4) == 0) {
            w.echantillons.resize(n / 2);
            std::memcpy(w.echantillons.data(), &o[p + 8], w.echantillons.size() * 2);
        }
        p += 8 + n + (n & 1);
    }
    return w;
}

struct Effet {
    const char* fichier;
    double min, max; // seconds
};

TEST(EffetsSonores, SixteenBitPcmOfTheirLengthWithCleanEdgesAndNoClipping) {
    const Effet effets[] = {
        {"PILO.WAV", 1.2, 1.8},    {"move01.wav", 0.3, 0.5},     {"move02.wav", 0.3, 0.5},
        {"zelmite.wav", 0.2, 0.4}, {"slotclck.wav", 0.05, 0.15}, {"applau.wav", 2.5, 3.5},
        {"GORBUL.WAV", 1.5, 2.5},
    };
    for (const Effet& e : effets) {
        SCOPED_TRACE(e.fichier);
        const Wav w = LitWav(fs::path(ZV_GAME_DIR) / e.fichier);
        ASSERT_EQ(w.format, 1); // PCM
        EXPECT_EQ(w.bits, 16);
        EXPECT_EQ(w.canaux, 1);
        EXPECT_TRUE(w.frequence == 22050 || w.frequence == 44100) << w.frequence;
        ASSERT_FALSE(w.echantillons.empty());
        const double duree = double(w.echantillons.size()) / w.frequence;
        EXPECT_GE(duree, e.min);
        EXPECT_LE(duree, e.max);
        int crete = 0;
        for (int16_t s : w.echantillons)
            crete = std::max(crete, std::abs(int(s)));
        EXPECT_LT(crete, 32767);
        EXPECT_GT(crete, 8000); // audible
        // No click: the sound starts and ends at silence.
        EXPECT_LT(std::abs(int(w.echantillons.front())), 200);
        EXPECT_LT(std::abs(int(w.echantillons.back())), 200);
    }
}

} // namespace
