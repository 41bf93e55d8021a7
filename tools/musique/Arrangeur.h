// Turns the description of a piece into its score: the form played section by section, the tune
// with its dynamics, the accompaniment, the drums, and a held final chord under a slowing tempo.
#pragma once

#include "Morceau.h"
#include "Smf.h"

#include <array>

namespace zorvane::musique {

// Channels: the tune, the harmony, the bass, the pad, the drums.
constexpr std::array<uint8_t, 5> Canaux = {0, 1, 2, 3, 9};

struct Resume {
    double secondes;                  // to the last note's end
    std::array<int, 5> notesParPiste; // in the order of Canaux
};

Partition Arrange(const Morceau& m, Resume& resume);

} // namespace zorvane::musique
