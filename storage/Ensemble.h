// A level set on disk: four files of the niveaux folder sharing the set's name (.des the
// description and password, .niv the levels, .sol and .ind the solutions and their index).
#pragma once

#include "Niveau.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zorvane {

namespace fs = std::filesystem;

inline constexpr const char* DossierNiveaux = "niveaux";
constexpr std::size_t LongueurDescription = 100;
constexpr std::size_t LongueurMotDePasse = 30;
constexpr std::size_t TailleDescription = 132; // one TDescription record

// A set's name must stay inside the niveaux folder: not empty, no separator, no NUL or
// control character, and neither "." nor "..".
bool NomEnsembleValide(std::string_view nom);

// niveaux/<nom><extension>, relative to the game's folder; throws for an invalid name.
fs::path CheminEnsemble(std::string_view nom, std::string_view extension);

// Scrambles or unscrambles a text with the key stream of the set's file name.
void Brouille(const TNiveau& n, std::string& texte);

// Sets NomFichier (cut to 8) and writes the set's .des file; with creeFichiers also creates
// the set's empty .niv, .sol and .ind files (emptying those that exist), all four as one change.
void EcrireDescription(const fs::path& jeu, TNiveau& n, const std::string& nomFichier,
                       const std::string& description, const std::string& motDePasse,
                       bool creeFichiers);

std::string LireDescription(const fs::path& jeu, const TNiveau& n);
std::string LireMotDePasse(const fs::path& jeu, const TNiveau& n);
// Exact comparison, after cutting the candidate to 30 characters.
bool VerifieMotDePasse(const fs::path& jeu, const TNiveau& n, const std::string& candidat);

// Deletes the set's four files as one change, always (force) or only when its level file is
// empty; then empties NomFichier. Does nothing for a record without a set.
void SupprimeEnsemble(const fs::path& jeu, TNiveau& n, bool force);

} // namespace zorvane
