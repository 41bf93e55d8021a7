// The zorvane-niveaux tool: export, import, check and solve level sets of a game folder.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zorvane {

// Runs the tool with its arguments (the program's name excluded). Returns the exit status:
// 0 done, 1 a fault in the data (a file, a level, a solution), 2 a wrong command line.
int ExecuteOutilNiveaux(const std::vector<std::string>& arguments, std::ostream& sortie,
                        std::ostream& erreurs);

} // namespace zorvane
