// A chain bound that follows the square. The chain bound of Relaxation lets the square stand, at
// each gem, wherever suits the next one; in play the square stays where it is until the player
// pays to move it. Here each stretch from one gem to the next either leaves the square where
// it stood (ball moves only, the square a fixed stopper) or may move it (the relaxed game's
// cost with at least one move of the square, after which the square may be anywhere). The
// cheapest order is tabulated for every subset of up to 12 gems, every first gem and every
// square cell.
#pragma once

#include "Plateau.h"

#include <cstdint>
#include <vector>

namespace zorvane::solveur {

constexpr int MaxChaineCarre = 12;

class Relaxation;

class ChaineCarre {
  public:
    // zelmites: the gems of the chain (at most MaxChaineCarre); atteignables: the (ball, square)
    // pairs the relaxed game reaches, [ball * NbCases + square].
    ChaineCarre(const Plateau& p, const Relaxation& r, std::vector<int> zelmites,
                const std::vector<bool>& atteignables);

    int taille() const { return int(zelmites_.size()); }
    int zelmite(int i) const { return zelmites_[i]; }

    // The bound from a state where the ball just moved, the chain gems of `ens` (bit i: chain
    // gem i) left; apresDeplacement[i]: the relaxed distance of chain gem i from that state
    // when the square moves first (Relaxation::DistanceApresDeplacement).
    int Borne(int boule, int carre, uint32_t ens, const uint8_t* apresDeplacement) const;

  private:
    std::size_t Indice(uint32_t ens, int f) const { return std::size_t(ens) * taille() + f; }
    uint8_t DistanceFixe(int f, int carre, int boule) const {
        return fixes_[(std::size_t(f) * NbCases + carre) * NbCases + boule];
    }

    void CalculeDistancesFixes(const Plateau& p);
    void CalculeEcarts(const Plateau& p, const Relaxation& r,
                       const std::vector<bool>& atteignables);
    void CalculeParcours();

    std::vector<int> zelmites_;
    std::vector<int> carres_;            // the cells the square can stand on
    std::vector<uint8_t> fixes_;         // [gem][square][ball]: ball moves until the gem is crossed
    std::vector<uint8_t> ecartFixe_;     // [a][b][square]: the square stays where it stands
    std::vector<uint8_t> ecartLibre_;    // [a][b][square]: the square may move
    std::vector<uint8_t> parcours_;      // [subset][first][square]
    std::vector<uint8_t> parcoursLibre_; // [subset][first]: the best square
};

} // namespace zorvane::solveur
