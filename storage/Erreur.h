// The one error type of the storage layer: an I/O error number, a French message and the file.
#pragma once

#include <stdexcept>
#include <string>

namespace zorvane {

enum CodeErreur : int {
    FichierIntrouvable = 2,
    CheminIntrouvable = 3,
    AccesRefuse = 5,
    LectureAuDelaDeLaFin = 100,
    ErreurEcriture = 101,
    FichierEndommage = 200, // a record whose content cannot come from the game
    NomInvalide = 201,      // a name that could leave the game's folder
};

class ErreurES : public std::runtime_error {
  public:
    // fichier: the file's path relative to the game's folder, as shown to the player.
    ErreurES(int numero, const std::string& explication, const std::string& fichier);

    int numero() const { return numero_; }
    const std::string& fichier() const { return fichier_; }

  private:
    int numero_;
    std::string fichier_;
};

} // namespace zorvane
