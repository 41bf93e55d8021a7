// The tune of a section: phrases of four bars built from short rhythmic motifs that come back,
// notes that follow the chords, a half close at the end of the first phrase and a full close on
// the root of the last chord.
#pragma once

#include "Aleatoire.h"
#include "Grille.h"
#include "Morceau.h"

#include <cstdint>
#include <vector>

namespace zorvane::musique {

struct NoteMelodie {
    uint32_t debut, duree; // ticks from the start of the section
    int hauteur;
};

std::vector<NoteMelodie> CreeMelodie(const Morceau& m, const Grille& g,
                                     const std::vector<AccordPlace>& accords, int nbMesures,
                                     int centre, De& de);

} // namespace zorvane::musique
