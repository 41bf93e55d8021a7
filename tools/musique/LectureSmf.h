// Reads back a Standard MIDI File for checking: its tempos, the notes of each channel, the
// programs chosen and where the last note ends.
#pragma once

#include "Smf.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zorvane::musique {

struct Releve {
    std::vector<Tempo> tempos;
    std::array<int, 16> notes{};      // note-ons per channel
    std::array<int, 16> programmes{}; // the last program change per channel, -1 for none
    std::array<int, 16> plusGrave{}, plusAigu{};
    uint32_t fin = 0; // tick of the last note-off
};

// Nothing when the file is not a well-formed format 0 or 1 file with 480 ticks per quarter.
std::optional<Releve> LitSmf(std::span<const uint8_t> octets);

} // namespace zorvane::musique
