// A text set and the four files of a set in the game's niveaux folder.
#pragma once

#include "EnsembleTexte.h"
#include "Solveur.h"

#include <filesystem>

namespace zorvane {

namespace fs = std::filesystem;

// Creates (or empties) the set's four files as the editor would: the description and password
// in Windows-1252, every level written in turn, each with an index record without solution.
void ImporteEnsemble(const fs::path& jeu, const EnsembleTexte& e);

// Reads a set back. Throws ErreurES for a missing or damaged file, ErreurTexte for a header the
// text cannot hold (a byte undefined in Windows-1252).
EnsembleTexte ExporteEnsemble(const fs::path& jeu, const std::string& nom);

// Offers the moves to level numero's solution through the move log, as the game does when the
// level is solved: stored when the level has none or a longer one. Returns the log's code count.
int EnregistreSolution(const fs::path& jeu, const std::string& nom, int32_t numero,
                       const std::vector<TCoup>& coups);

// Replays level numero's recorded solution with the solution reader and the move rule. Returns
// the codes read when the last gem went (lead-in included), 0 when the level has no solution,
// -1 when its solution does not solve it.
int RejoueSolution(const fs::path& jeu, const TNiveau& niveau, int32_t numero);

// Plays the moves with the move rule; true when every move moves and the last gem goes with
// the last move.
bool ResoutLeNiveau(TNiveau n, const std::vector<TCoup>& coups);

} // namespace zorvane
