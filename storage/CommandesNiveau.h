// The editor's commands on a level of a set, each one change of the set's files: done whole or
// not at all (ChangementEnsemble).
#pragma once

#include "Niveau.h"

#include <filesystem>

namespace zorvane {

namespace fs = std::filesystem;

// Removes level Numero with its solution and its index record; the later levels move down one
// number with their solutions and records.
void SupprimeNiveau(const fs::path& jeu, const TNiveau& n);

// Writes the grid as level Numero (appended when Numero is one past the last) and resets its
// index record to no solution; `modifie` (a level read from the file and changed) also removes
// its old solution, which no longer fits.
void EnregistreNiveau(const fs::path& jeu, const TNiveau& n, bool modifie);

} // namespace zorvane
