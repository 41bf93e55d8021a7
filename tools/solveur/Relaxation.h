// Lower bounds on the codes still needed, from a relaxed game in which a gem may or may not stop
// the square (a gem collected earlier no longer does). Every real move is a move of the relaxed
// game, so its distances never overestimate.
//
// - Distance(z, boule, carre): the fewest codes, from a state where the ball moved last, until a
//   ball move crosses gem z.
// - A chain bound: the remaining gems are collected in some order; each one after the first
//   costs at least Ecart(a, b), the fewest codes from any state just after a move that crossed
//   a until one crosses b. The cheapest order over up to 20 gems is tabulated for every subset
//   (Held-Karp), so that the bound of a state costs one pass over its gems.
// - Chains that follow the square (ChaineCarre), over up to 14 gems each: one, or three when
//   the board holds more gems.
#pragma once

#include "Arret.h"
#include "ChaineCarre.h"
#include "Plateau.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace zorvane::solveur {

constexpr uint8_t Infini = 255;
constexpr int MaxChaine = 20;

class Relaxation {
  public:
    // arret is asked between the steps of the computation; once it says yes, the tables stay
    // incomplete and must not be used.
    explicit Relaxation(const Plateau& p, const Arret& arret = {});
    ~Relaxation();

    uint8_t Distance(int z, int boule, int carre) const {
        return distances_[(std::size_t(boule) * NbCases + carre) * nbZelmites_ + z];
    }
    // The same when the square must move at least once before the crossing; only for the gems
    // a ChaineCarre follows.
    uint8_t DistanceApresDeplacement(int z, int boule, int carre) const {
        return LigneApresDeplacement(boule, carre)[placeApres_[z]];
    }
    const uint8_t* LigneApresDeplacement(int boule, int carre) const {
        return &apresDeplacement_[(std::size_t(boule) * NbCases + carre) * nbSuivies_];
    }
    int PlaceApresDeplacement(int z) const { return placeApres_[z]; }

    // Whether every table was computed.
    bool complete() const { return complete_; }

    // The bound for a ball-active state whose key holds the remaining gems (bit z + 16 of the
    // words). Infini when a remaining gem can never be collected.
    int Estime(int boule, int carre, const uint64_t* cle, int nbMots) const;

    // Asks the cache for what Estime will read for this state.
    void Precharge(int boule, int carre, const uint64_t* cle, int nbMots) const;

  private:
    // The chain subsets of the gems left, for the plain chain and for each ChaineCarre.
    struct Ensembles {
        uint32_t chaine = 0;
        std::array<uint32_t, 3> carre{};
    };
    Ensembles EnsemblesRestants(const uint64_t* cle, int nbMots) const;
    void CalculeOctets();

    // Each false when stopped before the end.
    bool CalculeDistances(const Plateau& p, const Arret& arret);
    // Up to `nombre` gems spread over the board, the one farthest from the start first.
    std::vector<int> Eparpillees(const Plateau& p, int nombre) const;
    void CalculeEcarts(const Plateau& p);
    bool CalculeChaine(const Arret& arret);

    bool complete_ = false;
    int nbZelmites_;
    std::vector<uint8_t> distances_; // [boule][carre][gem]
    std::vector<int8_t> rangChaine_; // gem -> its place in the chain, -1 outside
    std::vector<uint8_t> chaine_;    // chain gem -> gem
    std::vector<uint8_t> ecarts_;    // [a][b] over chain gems
    std::vector<uint8_t> parcours_;  // [subset][first]: cheapest order over the subset
    std::vector<bool> atteignables_; // [ball][square]: pairs the relaxed game reaches
    std::vector<std::unique_ptr<ChaineCarre>> chainesCarre_; // over different gems
    std::vector<std::vector<int8_t>> rangsCarre_; // per chain: gem -> its place, -1 outside
    std::vector<int> placeApres_;                 // gem -> its place in apresDeplacement_, or -1
    int nbSuivies_ = 0;
    std::vector<uint8_t> apresDeplacement_; // [boule][carre][place]
    // The subsets of each group of eight gems, [group][the group's byte of the key]: the key's
    // gem bits start on a byte boundary, so a state's subsets take one lookup per eight gems.
    std::vector<std::array<Ensembles, 256>> octets_;
};

} // namespace zorvane::solveur
