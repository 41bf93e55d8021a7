// The composer's dice: xorshift64*, from a fixed seed per piece, so every build writes the same
// twenty files on any toolchain.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace zorvane::musique {

class De {
  public:
    explicit De(uint64_t graine) : etat_(0x9e3779b97f4a7c15ull ^ (graine * 0xbf58476d1ce4e5b9ull)) {
        if (etat_ == 0)
            etat_ = 1;
    }
    uint64_t suivant() {
        etat_ ^= etat_ >> 12;
        etat_ ^= etat_ << 25;
        etat_ ^= etat_ >> 27;
        return etat_ * 0x2545f4914f6cdd1dull;
    }
    double reel() { return double(suivant() >> 11) * 0x1p-53; } // in [0, 1)
    double reel(double a, double b) { return a + (b - a) * reel(); }
    int entier(int a, int b) { return a + int(suivant() % uint64_t(b - a + 1)); } // a to b
    bool chance(double p) { return reel() < p; }
    template <class T> const T& choisit(const std::vector<T>& v) {
        return v[std::size_t(entier(0, int(v.size()) - 1))];
    }
    // An index drawn with the given weights.
    std::size_t pondere(const std::vector<double>& poids) {
        double total = 0;
        for (double p : poids)
            total += p;
        double x = reel() * total;
        for (std::size_t i = 0; i < poids.size(); ++i) {
            x -= poids[i];
            if (x < 0)
                return i;
        }
        return poids.size() - 1;
    }

  private:
    uint64_t etat_;
};

} // namespace zorvane::musique
