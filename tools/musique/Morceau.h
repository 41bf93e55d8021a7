// The description of a piece: its key, metre, tempo, instruments, styles, sections and form.
// The arranger turns it into notes.
#pragma once

#include "Harmonie.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zorvane::musique {

enum class Metre { QuatreTemps, TroisTemps, SixHuit };

// How the harmony instrument plays the chords.
enum class Jeu {
    Rondes,      // one chord held for the bar
    Blanches,    // a chord every half bar (every beat and a half in 6/8)
    Noires,      // a chord on every beat
    Arpege,      // broken chords in eighths, the notes ringing
    ArpegeLent,  // broken chords in quarters, for slow pieces
    Alberti,     // low, high, middle, high
    Valse,       // chords on beats 2 and 3
    ContreTemps, // short chords between the beats: reggae, polka
    Bossa,       // syncopated chords over two bars
    Gratte,      // a strummed guitar
    Funk,        // short syncopated sixteenths
    Ostinato,    // repeated eighths of the upper notes
    Charleston,  // jazz comping: beat 1 and the off-beat of 2
};

// How the bass plays.
enum class Basse {
    Rondes,   // the root held
    Blanches, // root then fifth
    Pop,      // root, root, fifth, approach to the next root
    Croches,  // driving eighths on the root
    Marche,   // walking quarters
    Bossa,    // root and fifth with anticipations
    Valse,    // the root on beat 1
    Reggae,   // root and syncopated answer
    FlonFlon, // root on 1, fifth on 3
    Funk,     // syncopated sixteenths with octaves
    SixHuit,  // root and fifth on the two beats of 6/8
};

// The drum patterns.
enum class Batterie {
    Pop,
    Rock,
    Ballade,
    Valse,
    Swing,
    Bossa,
    Marche,
    Reggae,
    SixHuit,
    Polka,
    Funk,
    Calypso,
    Galop,
    Choral,
    Berceuse,
    Japonais,
    Doux,
    BoiteAMusique,
    Chevauchee,
};

struct Section {
    std::vector<std::string> accords; // one entry per bar; "IV-V" shares a bar between two
    bool melodie = true;              // intro and outro may leave the tune out
};

struct Morceau {
    std::string titre;
    uint64_t graine = 0;
    double tempo = 120; // beats per minute (dotted quarters in 6/8)
    Metre metre = Metre::QuatreTemps;
    int tonique = 0; // MIDI pitch class of the key, 0 = C
    Mode mode = Mode::Majeur;
    bool swing = false;

    // General MIDI programs.
    int programmeMelodie = 0, programmeHarmonie = 0, programmeBasse = 32, programmeNappe = 48;
    int centreMelodie = 72; // the middle of the tune's range
    double legato = 0.92;   // fraction of its length a tune note sounds
    Jeu jeu = Jeu::Blanches;
    Basse basse = Basse::Blanches;
    Batterie batterie = Batterie::Pop;
    int reverberation = 50; // control 91
    // Channel volumes (control 7), balanced from the levels of rendered parts: the tune on top.
    int volumeMelodie = 108, volumeHarmonie = 104, volumeBasse = 100, volumeNappe = 66;
    int volumeBatterie = 90;

    std::map<std::string, Section> sections;
    // Section names in playing order; "R+2" plays section R two semitones higher, "A!" plays
    // section A louder and fuller this time.
    std::vector<std::string> forme;
    // Sections louder and fuller than the others (a chorus, the last return of the theme).
    std::vector<std::string> forts;
};

const std::vector<Morceau>& Catalogue();

} // namespace zorvane::musique
