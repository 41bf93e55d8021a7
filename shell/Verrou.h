// One game per folder: two games writing the same folder would lose solutions and saved games.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace zorvane {

inline constexpr const char* FichierVerrou = ".zorvane.verrou";

// Takes the game's folder for this game, held while the returned lock lives; the lock of a game
// that died is taken over. Then finishes or drops the changes of the folder's sets that an
// interrupted game left. When another running game holds the folder, says so in a message box
// and returns nothing: the folder is left untouched. A folder where no lock can be written
// (read only) is used without one, since nothing can be written there anyway.
std::unique_ptr<QLockFile> PrendDossier(const QString& dossier);

} // namespace zorvane
