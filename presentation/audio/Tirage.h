// The draw of a random music piece, with the game's linear congruential generator.
#pragma once

#include "Brouillage.h"

#include <cstdint>

namespace zorvane {

// A seed taken from the clock, as random play takes one at every draw.
uint32_t GraineHorloge();

// An integer drawn uniformly from 1 to n: the generator's next 32-bit state scaled to the range.
int TireEntre1Et(Generateur& g, int n);

// A piece from 1 to nbMorceaux that differs from courant (0 when no piece is current). The
// generator has a full period, so every piece comes up and the loop ends.
int TireMorceau(Generateur& g, int nbMorceaux, int courant);

} // namespace zorvane
