// Standard MIDI Files: the notes and controls of a piece, written as a format-1 file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zorvane::musique {

constexpr uint32_t Noire = 480; // ticks per quarter note

struct Note {
    uint32_t debut, duree; // ticks
    uint8_t hauteur, velocite;
};

struct Controle {
    uint32_t tick;
    uint8_t numero, valeur; // a control change; numero 0xff marks a program change (valeur)
};

struct Piste {
    std::string nom;
    uint8_t canal = 0;
    std::vector<Note> notes;
    std::vector<Controle> controles;
};

struct Tempo {
    uint32_t tick;
    double noiresParMinute;
};

struct Partition {
    std::string titre;
    uint8_t numerateur = 4, denominateur = 4; // the time signature
    int8_t armure = 0;                        // sharps (positive) or flats (negative)
    bool mineur = false;
    std::vector<Tempo> tempos;
    std::vector<Piste> pistes;
};

// The file's bytes: a conductor track (title, metre, key, tempos) then one track per Piste.
// Overlapping notes of the same pitch on a channel are cut where the next one starts.
std::vector<uint8_t> EncodeSmf(const Partition& p);
void EcritSmf(const std::filesystem::path& chemin, const Partition& p);

// The length in seconds of the given number of ticks under tempos sorted by tick.
double Secondes(const std::vector<Tempo>& tempos, uint32_t ticks);
inline double Secondes(const Partition& p, uint32_t ticks) {
    return Secondes(p.tempos, ticks);
}

} // namespace zorvane::musique
