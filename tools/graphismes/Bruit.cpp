#include "Bruit.h"

#include <cmath>

namespace zorvane::graphismes {

uint32_t hache(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

double aleaPoint(int x, int y, uint32_t graine) {
    const uint32_t h = hache(static_cast<uint32_t>(x) * 0x9e3779b1U ^
                             hache(static_cast<uint32_t>(y) + 0x632be5abU * graine));
    return (h >> 8) / 16777216.0;
}

static double lisse(double t) {
    return t * t * (3.0 - 2.0 * t);
}

double bruitLisse(double x, double y, uint32_t graine) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = lisse(x - fx);
    const double ty = lisse(y - fy);
    const double a = aleaPoint(ix, iy, graine);
    const double b = aleaPoint(ix + 1, iy, graine);
    const double c = aleaPoint(ix, iy + 1, graine);
    const double d = aleaPoint(ix + 1, iy + 1, graine);
    return (a + (b - a) * tx) * (1.0 - ty) + (c + (d - c) * tx) * ty;
}

double bruitFractal(double x, double y, uint32_t graine, int octaves) {
    double somme = 0.0;
    double poids = 0.5;
    double total = 0.0;
    for (int o = 0; o < octaves; ++o) {
        somme += poids * bruitLisse(x, y, graine + 101U * o);
        total += poids;
        x *= 2.0;
        y *= 2.0;
        poids *= 0.5;
    }
    return somme / total;
}

double Alea::suivant() {
    etat_ = etat_ * 134775813U + 1U;
    return (hache(etat_) >> 8) / 16777216.0;
}

double Alea::entre(double a, double b) {
    return a + (b - a) * suivant();
}

int Alea::entier(int n) {
    return static_cast<int>(suivant() * n);
}

} // namespace zorvane::graphismes
