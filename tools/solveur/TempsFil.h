// The processor time of the calling thread, in milliseconds: the solver's time limit counts the
// searching thread alone, not the window's thread or other checks running beside it.
#pragma once

#include <ctime>

namespace zorvane::solveur {

inline double TempsFil() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000 + double(t.tv_nsec) / 1e6;
}

} // namespace zorvane::solveur
