// The drum kit on channel 10: a pattern per style, lighter in quiet sections, a fill leading
// into the next section, a crash opening the louder ones.
#pragma once

#include "Aleatoire.h"
#include "Grille.h"
#include "Morceau.h"
#include "Smf.h"

#include <vector>

namespace zorvane::musique {

enum class Intensite { Legere, Normale, Forte };

// The drums of nbMesures bars from debut. remplir: the last bar leads into what follows.
std::vector<Note> Percussions(const Morceau& m, const Grille& g, uint32_t debut, int nbMesures,
                              Intensite intensite, bool remplir, bool crash, De& de);

// The last stroke: a crash and the bass drum.
std::vector<Note> CoupFinal(const Morceau& m, uint32_t tick);

} // namespace zorvane::musique
