// Test fixtures: a temporary game folder, and boards drawn as text.
#pragma once

#include "Niveau.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace zorvane::test {

namespace fs = std::filesystem;

// A fresh game folder with an empty niveaux subfolder, removed at the end of the test.
class DossierTemporaire {
  public:
    DossierTemporaire();
    ~DossierTemporaire();
    const fs::path& chemin() const { return chemin_; }
    operator const fs::path&() const { return chemin_; }

    void ecrit(const fs::path& relatif, const std::vector<uint8_t>& octets) const;
    std::vector<uint8_t> lit(const fs::path& relatif) const;
    // Every file of the folder by its relative path, with its bytes: what a command wrote.
    std::map<std::string, std::vector<uint8_t>> contenu() const;

  private:
    fs::path chemin_;
};

// A board from up to 12 lines of up to 16 characters ('#' wall, '*' gem, 'o' ball, 'x' square,
// anything else empty), padded with empty cells. NbZelmites counts the gems.
TNiveau Plateau(const std::vector<std::string>& lignes);

// Writes a set into the game folder `jeu`: its description and password, its levels (each a
// text board) and an index without solutions.
void EcritEnsemble(const fs::path& jeu, const std::string& nom,
                   const std::vector<std::vector<std::string>>& niveaux,
                   const std::string& description = "", const std::string& motDePasse = "MDP");

} // namespace zorvane::test
