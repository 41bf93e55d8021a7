// options.dat: the player's preferences, one 268-byte record (keys, graphics set, music, sound).
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace zorvane {

namespace fs = std::filesystem;

inline constexpr const char* FichierOptions = "options.dat";
constexpr std::size_t TailleOptions = 268;
constexpr uint8_t MusiqueOff = 0;
constexpr uint8_t MusiqueAleatoire = 21;

struct TOptions {
    uint16_t Haut = 0;
    uint16_t Bas = 0;
    uint16_t Gauche = 0;
    uint16_t Droite = 0;
    uint16_t Change = 0;
    std::string NomGraphisme; // empty: the graphics set changes at every level
    uint8_t ChoixMusique = MusiqueOff; // 0 off, 1..20 a piece, 21 random play
    uint8_t EffetsSonores = 1;         // 0 off, 1 on
    bool operator==(const TOptions&) const = default;
};

std::array<uint8_t, TailleOptions> EncodeOptions(const TOptions& o);
TOptions DecodeOptions(const std::array<uint8_t, TailleOptions>& r);

// Reads the first record of options.dat; a missing or short file is an error, and so is a
// graphics set's name that could lead out of the Graphics folder (a separator) or hold a control
// character.
TOptions LitOptions(const fs::path& jeu);
// Replaces options.dat through a temporary file, so a failed write keeps the old one.
void EcritOptions(const fs::path& jeu, const TOptions& o);

} // namespace zorvane
