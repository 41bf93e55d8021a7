// The metre in ticks, and the chords of a section placed in time.
#pragma once

#include "Harmonie.h"
#include "Morceau.h"
#include "Smf.h"

#include <cstdint>
#include <vector>

namespace zorvane::musique {

struct Grille {
    uint32_t mesure; // ticks per bar
    uint32_t temps;  // ticks per beat
    uint32_t unite;  // ticks of the smallest step of the tunes (an eighth)
    int tempsParMesure;
    int unitesParTemps;

    // Whether a position in the bar (ticks) is a strong beat: the downbeat, and the middle of a
    // 4/4 bar.
    bool fort(uint32_t position) const;
    bool surLeTemps(uint32_t position) const { return position % temps == 0; }
};

Grille GrilleDe(Metre m);

struct AccordPlace {
    uint32_t debut, duree; // ticks from the start of the section
    Accord accord;
};

// The chords of a section in time: "IV-V" splits its bar in two.
std::vector<AccordPlace> PlaceAccords(const Section& s, const Grille& g);

// The chord sounding at a tick of the section.
const AccordPlace& AccordA(const std::vector<AccordPlace>& accords, uint32_t tick);

} // namespace zorvane::musique
