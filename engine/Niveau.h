// The level record: one board of a level set, with the identity of its set.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zorvane {

constexpr int NbColonnes = 16;
constexpr int NbLignes = 12;

// Cell codes.
constexpr char CaseVide = 'D';
constexpr char CaseMur = 'M';
constexpr char CaseZelmite = 'E';
constexpr char CaseBoule = 'B';
constexpr char CaseCarre = 'C';

// A board position: column (0..15) then row (0..11).
struct TPosition {
    uint8_t x = 0;
    uint8_t y = 0;
    bool operator==(const TPosition&) const = default;
};

// Column 12, row 16: below the board, a piece that is not placed.
constexpr TPosition PositionHorsJeu{12, 16};

inline bool DansLaGrille(int x, int y) {
    return x >= 0 && x < NbColonnes && y >= 0 && y < NbLignes;
}

// A set's file name holds at most this many characters.
constexpr std::size_t LongueurNomEnsemble = 8;

struct TNiveau {
    TPosition PosBoule = PositionHorsJeu;
    TPosition PosCarre = PositionHorsJeu;
    int32_t Numero = 0;
    int32_t NbNiveaux = 0;
    uint8_t NbZelmites = 0;
    // 16 columns of 12 cells, column by column: cell (x, y) is element 12x + y.
    std::array<char, NbColonnes * NbLignes> Grille{};
    std::string NomFichier; // base name of the set's files; empty: no set

    TNiveau() { Grille.fill(CaseVide); }
    bool operator==(const TNiveau&) const = default;
};

// The position packed in 16 bits: column in the low byte, row in the high byte.
inline uint16_t Empaquette(TPosition p) {
    return uint16_t(p.x | (p.y << 8));
}
inline uint16_t PosBoule(const TNiveau& n) {
    return Empaquette(n.PosBoule);
}
inline uint16_t PosCarre(const TNiveau& n) {
    return Empaquette(n.PosCarre);
}

inline char LitCase(const TNiveau& n, uint8_t x, uint8_t y) {
    return n.Grille[12 * x + y];
}

// Writes a code; B and C also move the piece's position (the old cell is the caller's to clear).
void EcritCase(TNiveau& n, uint8_t x, uint8_t y, char code);

inline int32_t NumeroNiveau(const TNiveau& n) {
    return n.Numero;
}
inline int32_t NombreNiveaux(const TNiveau& n) {
    return n.NbNiveaux;
}
inline bool NiveauFini(const TNiveau& n) {
    return n.NbZelmites == 0;
}

// Adds modulo 256: the editor passes 255 to take one gem away.
inline void AjouteZelmites(TNiveau& n, uint8_t nombre) {
    n.NbZelmites = uint8_t(n.NbZelmites + nombre);
}

// A non-zero number becomes the level number; 0 moves on to the next level.
void ChangeNumero(TNiveau& n, int32_t numero);

// Slides the ball (boule) or the square by (dx, dy) until something stops it. Returns whether
// it advanced. Leaves the record in the transitional state that the animation completes: start
// cell empty, crossed gems still E, gem count already lowered, final cell without the piece.
bool Deplace(TNiveau& n, bool boule, int8_t dx, int8_t dy);

// Completes a move that Deplace made from `depart`: clears the gems the ball crossed and writes
// the piece's code into its final cell, as the animation does cell by cell.
void AcheveDeplacement(TNiveau& n, TPosition depart, bool boule, int8_t dx, int8_t dy);

// A whole move without animation: Deplace, then AcheveDeplacement. Returns whether it moved.
bool Joue(TNiveau& n, bool boule, int8_t dx, int8_t dy);

} // namespace zorvane
