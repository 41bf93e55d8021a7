// What accompanies the tune: the chords of the harmony instrument, the held chords of the pad,
// and the bass line.
#pragma once

#include "Aleatoire.h"
#include "Grille.h"
#include "Morceau.h"
#include "Smf.h"

#include <vector>

namespace zorvane::musique {

// A section as the accompaniment sees it, placed in the piece.
struct Passage {
    const std::vector<AccordPlace>& accords;
    uint32_t debut;        // tick of the section's start in the piece
    int tonique;           // MIDI pitch class of the key, transposition included
    const Accord* suivant; // the chord after the section, if any
    int velocite;
};

// The harmony instrument; voicing carries the last chord's notes from section to section.
std::vector<Note> Accords(const Morceau& m, const Grille& g, const Passage& p,
                          std::vector<int>& voicing, De& de);
// Held chords above the harmony, for the fuller sections.
std::vector<Note> Nappe(const Grille& g, const Passage& p, std::vector<int>& voicing);
std::vector<Note> LigneDeBasse(const Morceau& m, const Grille& g, const Passage& p, De& de);

// The pitch of the given class in the bass register.
int Grave(int classe);

} // namespace zorvane::musique
