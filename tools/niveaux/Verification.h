// The checks of `zorvane-niveaux check` on one set of a game folder: each level (one ball, one
// square, at least one gem, solvable, unlike the others, its stored solution solving it), and
// the set's files agreeing with each other.
#pragma once

#include "Solveur.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zorvane {

namespace fs = std::filesystem;

struct BilanNiveau {
    int32_t numero = 0;
    std::string defaut; // empty when the level is correct
    std::string resume; // what was found when it is
};

struct BilanEnsemble {
    std::vector<BilanNiveau> niveaux;
    std::vector<std::string> defauts; // faults of the set's files as a whole
    int fautifs() const;              // faulty levels
};

// The set's levels, each with its file name and number.
std::vector<TNiveau> LitNiveaux(const fs::path& jeu, const std::string& nom);

// Why the solver gave no solution.
std::string EchecDuSolveur(const ResultatSolveur& r, const OptionsSolveur& o);

// Throws ErreurES when the level file cannot be read. Without `solveur`, the levels are not
// solved: the stored solutions are only replayed (the checks that the set's files agree).
BilanEnsemble VerifieEnsemble(const fs::path& jeu, const std::string& nom,
                              const OptionsSolveur* solveur);

} // namespace zorvane
