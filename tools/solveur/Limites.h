// The caller's limits on a search: its flag and the solving thread's processor time.
#pragma once

#include "Solveur.h"
#include "TempsFil.h"

namespace zorvane::solveur {

inline bool Annulee(const OptionsSolveur& o) {
    return o.annulation && o.annulation->load(std::memory_order_relaxed);
}

// debut: TempsFil() when the solving began.
inline bool TempsDepasse(const OptionsSolveur& o, double debut) {
    return o.dureeMax.count() > 0 && TempsFil() - debut > double(o.dureeMax.count());
}

} // namespace zorvane::solveur
