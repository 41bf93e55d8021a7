// A chain bound that follows the square. The chain bound of Relaxation lets the square stand, at
// each gem, wherever suits the next one; in play the square stays where it is until the player
// pays to move it. Here each stretch from one gem to the next either leaves the square where
// it stood (ball moves only, the square a fixed stopper) or moves it at least once (the relaxed
// cost with at least one move of the square), after which it may be anywhere. The cheapest
// order is tabulated for every subset of up to 14 gems, every first gem and every cell the
// square can reach.
#pragma once

#include "Arret.h"
#include "Plateau.h"

#include <cstdint>
#include <vector>

namespace zorvane::solveur {

constexpr int MaxChaineCarre = 14;

class Relaxation;

class ChaineCarre {
  public:
    // zelmites: the gems of the chain (at most MaxChaineCarre); atteignables: the (ball, square)
    // pairs the relaxed game reaches, [ball * NbCases + square]; arret: see Relaxation;
    // brouillon: room for the computation, kept from one chain to the next.
    ChaineCarre(const Plateau& p, const Relaxation& r, std::vector<int> zelmites,
                const std::vector<bool>& atteignables, const Arret& arret,
                std::vector<uint8_t>& brouillon);

    bool complete() const { return complete_; }

    int taille() const { return int(zelmites_.size()); }

    // The bound from a state where the ball just moved, the chain gems of `ens` (bit i: chain
    // gem i) left; apresDeplacement: Relaxation::LigneApresDeplacement of that state.
    int Borne(int boule, int carre, uint32_t ens, const uint8_t* apresDeplacement) const;

    void Precharge(int boule, int carre, uint32_t ens) const;

  private:
    std::size_t Indice(uint32_t ens, int f) const { return std::size_t(ens) * taille() + f; }
    uint8_t DistanceFixe(int f, int q, int boule) const {
        return fixes_[(std::size_t(q) * NbCases + boule) * taille() + f];
    }

    void CalculeDistancesFixes(const Plateau& p);
    void CalculeEcarts(const Plateau& p, const Relaxation& r,
                       const std::vector<bool>& atteignables);
    bool CalculeParcours(const Arret& arret, std::vector<uint8_t>& calcul); // false when stopped

    bool complete_ = false;
    std::vector<int> zelmites_;
    std::vector<int> places_; // each gem's place in Relaxation::LigneApresDeplacement
    // The square's cells, numbered q; the tables keep a multiple of 16 of them, the last ones
    // unused, so that the passes over them vectorise.
    std::vector<int> carres_;
    std::vector<int> numeroCarre_; // cell -> q, or -1
    int largeur_ = 0;
    std::vector<uint8_t> fixes_;         // [q][ball][gem]: ball moves until the gem is crossed
    std::vector<uint8_t> ecartFixe_;     // [a][b][q]: the square stays where it stands
    std::vector<uint8_t> ecartLibre_;    // [a][b][q]: the square moves at least once
    std::vector<uint8_t> parcours_;      // [q][subset][first]: what a state reads together
    std::vector<uint8_t> parcoursLibre_; // [subset][first]: the best square
};

} // namespace zorvane::solveur
