#include "Grille.h"

#include <sstream>
#include <stdexcept>

namespace zorvane::musique {

bool Grille::fort(uint32_t position) const {
    position %= mesure;
    return position == 0 || (tempsParMesure == 4 && position == 2 * temps);
}

Grille GrilleDe(Metre m) {
    switch (m) {
    case Metre::QuatreTemps:
        return {4 * Noire, Noire, Noire / 2, 4, 2};
    case Metre::TroisTemps:
        return {3 * Noire, Noire, Noire / 2, 3, 2};
    case Metre::SixHuit:
        return {3 * Noire, 3 * Noire / 2, Noire / 2, 2, 3};
    }
    throw std::logic_error("metre");
}

std::vector<AccordPlace> PlaceAccords(const Section& s, const Grille& g) {
    std::vector<AccordPlace> accords;
    uint32_t debut = 0;
    for (const std::string& mesure : s.accords) {
        std::vector<std::string> parties;
        std::stringstream flux(mesure);
        for (std::string partie; std::getline(flux, partie, '-');)
            parties.push_back(partie);
        const uint32_t duree = g.mesure / uint32_t(parties.size());
        for (std::size_t i = 0; i < parties.size(); ++i)
            accords.push_back({debut + uint32_t(i) * duree, duree, LitAccord(parties[i])});
        debut += g.mesure;
    }
    return accords;
}

const AccordPlace& AccordA(const std::vector<AccordPlace>& accords, uint32_t tick) {
    for (const AccordPlace& a : accords)
        if (tick < a.debut + a.duree)
            return a;
    return accords.back();
}

} // namespace zorvane::musique
