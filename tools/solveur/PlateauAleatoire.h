// Random boards for measuring the solver: each cell a wall with probability `murs`, then the
// ball, the square and the gems on distinct free cells.
#pragma once

#include "Niveau.h"

#include <random>

namespace zorvane {

TNiveau PlateauAleatoire(std::mt19937& alea, int zelmites, double murs);

} // namespace zorvane
