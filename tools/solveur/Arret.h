// The bound tables of a board of many gems take a while: the solver asks now and then whether to
// stop (its caller's flag, its time limit), and tables stopped early must not be used.
#pragma once

#include <functional>

namespace zorvane::solveur {

using Arret = std::function<bool()>;

inline bool Arrete(const Arret& arret) {
    return arret && arret();
}

} // namespace zorvane::solveur
