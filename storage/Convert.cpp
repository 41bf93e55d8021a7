#include "Convert.h"

namespace zorvane {

std::string EntierVersBinaire(uint32_t valeur) {
    std::string texte(32, '0');
    for (int i = 0; i < 32; ++i)
        if (valeur & (uint32_t(1) << (31 - i)))
            texte[i] = '1';
    return texte;
}

uint32_t BinaireVersEntier(std::string_view texte) {
    uint32_t valeur = 0;
    for (char c : texte.substr(0, 32))
        valeur = (valeur << 1) | (c == '1' ? 1u : 0u);
    return valeur;
}

} // namespace zorvane
