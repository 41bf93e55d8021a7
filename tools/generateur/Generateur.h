// Candidate levels for the level designer: boards drawn at random inside a room of walls, or
// built by a random walk of the two pieces that drops gems on the ball's way (such a board is
// solvable by construction), then solved and measured so that the designer keeps the ones whose
// optimum makes the two pieces work together.
#pragma once

#include "Niveau.h"
#include "Solveur.h"

#include <cstdint>
#include <random>
#include <vector>

namespace zorvane {

struct ParametresGeneration {
    int largeur = 16; // the room inside the board, centred; walls outside it
    int hauteur = 12;
    double murs = 0.2;     // chance of a wall on each cell of the room
    bool symetrie = false; // walls mirrored left to right
    int zelmitesMin = 3;
    int zelmitesMax = 8;
    bool parcours = false; // gems on the way of a random walk instead of anywhere
};

// One candidate board; the record holds the grid, the pieces and NbZelmites.
TNiveau GenereNiveau(const ParametresGeneration& p, std::mt19937& alea);

// What the optimal solution asks of the player.
struct MesureNiveau {
    int codes = 0;
    int coups = 0;
    int changements = 0;   // changes of piece before a move
    int coupsCarre = 0;    // moves of the square
    int appuisCarre = 0;   // ball moves stopped by the square
    int arretsZelmite = 0; // square moves stopped by a gem
    int arretsBoule = 0;   // square moves stopped by the ball
    uint64_t etats = 0;    // states the solver stored
};

// Plays the solution and counts; the solution must solve the level.
MesureNiveau Mesure(const TNiveau& n, const ResultatSolveur& r);

// The same board mirrored left to right, and top to bottom.
TNiveau MiroirHorizontal(const TNiveau& n);
TNiveau MiroirVertical(const TNiveau& n);

// Whether two boards are equal, or equal once mirrored.
bool Semblables(const TNiveau& a, const TNiveau& b);

} // namespace zorvane
