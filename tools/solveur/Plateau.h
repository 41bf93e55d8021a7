// The solver's view of a board: walls, numbered gems, and for every cell and direction the ray
// a sliding piece can travel before a wall or the edge, with the gems it crosses on the way.
#pragma once

#include "Niveau.h"
#include "Soluce.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zorvane::solveur {

constexpr int NbCases = NbColonnes * NbLignes;
constexpr int MaxZelmites = NbCases - 2;
// Gem number i is bit i + DecalageZelmites of a state key; the low 16 bits hold the pieces.
constexpr int DecalageZelmites = 16;

// Directions in the order of the stored move codes: up, down, left, right.
constexpr std::array<int8_t, 4> DX{DirectionsDesCoups[0].dx, DirectionsDesCoups[1].dx,
                                   DirectionsDesCoups[2].dx, DirectionsDesCoups[3].dx};
constexpr std::array<int8_t, 4> DY{DirectionsDesCoups[0].dy, DirectionsDesCoups[1].dy,
                                   DirectionsDesCoups[2].dy, DirectionsDesCoups[3].dy};

// The opposite direction: up and down are 0 and 1, left and right 2 and 3.
inline int Oppose(int d) {
    return d ^ 1;
}

// Cells are numbered row by row: cell 16y + x.
inline int Case(int x, int y) {
    return NbColonnes * y + x;
}
inline int ColonneDe(int c) {
    return c % NbColonnes;
}
inline int LigneDe(int c) {
    return c / NbColonnes;
}

struct Rayon {
    uint8_t longueur = 0; // cells before a wall or the edge
    std::array<uint8_t, NbColonnes - 1> cases{};
};

class Plateau {
  public:
    // Throws std::invalid_argument unless the board holds exactly one ball and one square.
    explicit Plateau(const TNiveau& n);

    int boule() const { return boule_; }
    int carre() const { return carre_; }
    int nbZelmites() const { return int(caseZelmite_.size()); }
    int caseZelmite(int z) const { return caseZelmite_[z]; }
    int zelmite(int c) const { return zelmiteDe_[c]; } // -1 when no gem starts there
    bool mur(int c) const { return mur_[c]; }
    const Rayon& rayon(int c, int d) const { return rayons_[c][d]; }

    // Where along the ray from c in direction d the cell p lies (0 = next cell), or -1.
    static int RangSurRayon(int c, int d, int p, int longueur);

  private:
    std::array<bool, NbCases> mur_{};
    std::array<int16_t, NbCases> zelmiteDe_{};
    std::vector<uint8_t> caseZelmite_;
    std::array<std::array<Rayon, 4>, NbCases> rayons_{};
    int boule_ = -1;
    int carre_ = -1;
};

} // namespace zorvane::solveur
