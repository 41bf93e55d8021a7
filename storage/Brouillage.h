// The scrambling of stored texts: each byte XORed with the top 8 bits of a linear congruential
// generator seeded with the sum of a name's byte codes. Applying it twice gives the text back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zorvane {

struct Generateur {
    uint32_t etat;
    uint8_t suivant() {
        etat = etat * 134775813u + 1u;
        return uint8_t(etat >> 24);
    }
};

inline uint32_t GraineDuNom(std::string_view nom) {
    uint32_t graine = 0;
    for (unsigned char c : nom)
        graine += c;
    return graine;
}

inline void BrouilleAvecCle(std::string_view cle, std::string& texte) {
    Generateur g{GraineDuNom(cle)};
    for (char& c : texte)
        c = char(uint8_t(c) ^ g.suivant());
}

} // namespace zorvane
