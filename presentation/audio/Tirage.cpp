#include "Tirage.h"

#include <chrono>

namespace zorvane {

uint32_t GraineHorloge() {
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count());
}

int TireEntre1Et(Generateur& g, int n) {
    g.suivant();
    return 1 + int((uint64_t(g.etat) * uint64_t(n)) >> 32);
}

int TireMorceau(Generateur& g, int nbMorceaux, int courant) {
    int n;
    do
        n = TireEntre1Et(g, nbMorceaux);
    while (n == courant && nbMorceaux > 1);
    return n;
}

} // namespace zorvane
