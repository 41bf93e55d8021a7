// Keys, modes and chords. Chords are written as Roman numerals over the major scale of the
// tonic: "I", "vi", "V7", "ii7", "bVII", "IVmaj7", "viio", "V7/V", "Isus4".
#pragma once

#include <string>
#include <vector>

namespace zorvane::musique {

enum class Mode { Majeur, Mineur, Dorien, Mixolydien, PentaMajeure, PentaMineure };

// The pitch classes (0 to 11 above the tonic) of a mode.
std::vector<int> Degres(Mode m);

struct Accord {
    int fondamentale = 0;         // pitch class above the tonic
    int degre = 0;                // the root's letter: 0 for I, 4 for V, 1 for V/V
    std::vector<int> intervalles; // above the root, the root first (0)
    std::vector<int> lettres;     // letters above the root's: 2 for a third, 6 for a seventh

    std::vector<int> classes() const; // pitch classes above the tonic
    bool contient(int classe) const;
    bool operator==(const Accord&) const = default;
};

// Reads a Roman numeral; throws std::invalid_argument on a text it does not know.
Accord LitAccord(const std::string& texte);

// The scale heard over a chord: the mode's degrees, each chord tone replacing the degree of its
// letter (G sharp replaces G over E7 in A minor). A pentatonic mode takes the chord tones it
// lacks, in place of its notes a semitone from them.
std::vector<int> GammeLocale(Mode m, const Accord& a);

inline int Classe(int hauteur) {
    return ((hauteur % 12) + 12) % 12;
}

// A close voicing of the chord (absolute MIDI pitches, low to high) with its lowest note in
// [bas, bas + 11], chosen to move as little as possible from the previous voicing (empty for
// the first chord). tonique is the MIDI pitch class of the key.
std::vector<int> Voicing(const Accord& a, int tonique, int bas, const std::vector<int>& avant);

} // namespace zorvane::musique
