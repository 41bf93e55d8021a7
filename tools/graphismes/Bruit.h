// Deterministic randomness for textures, stars and confetti: the same pictures on every build,
// whatever the standard library.
#pragma once

#include <cstdint>

namespace zorvane::graphismes {

// A well-mixed 32-bit hash of one value.
uint32_t hache(uint32_t x);

// A value in [0, 1) fixed by a lattice point and a seed.
double aleaPoint(int x, int y, uint32_t graine);

// Smooth value noise in [0, 1): one lattice cell per unit of x and y.
double bruitLisse(double x, double y, uint32_t graine);

// Sum of `octaves` layers of value noise, each twice as fine and half as strong; in [0, 1).
double bruitFractal(double x, double y, uint32_t graine, int octaves);

// A small sequence generator for scattering things.
class Alea {
  public:
    explicit Alea(uint32_t graine) : etat_(graine) {}
    double suivant();                 // in [0, 1)
    double entre(double a, double b); // in [a, b)
    int entier(int n);                // in [0, n)

  private:
    uint32_t etat_;
};

} // namespace zorvane::graphismes
