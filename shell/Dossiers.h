// Where the game reads and writes, decided once at start-up. The data folder holds the shipped
// files (graphics sets, music, sound effects, the help text, the default options.dat, the
// shipped level sets) and is only read. The player's folder holds what the game writes:
// options.dat, Joueur.ini and the niveaux folder.
//
// - `--dossier DIR`: DIR serves as both.
// - Portable mode: the executable's own folder holds niveaux/ and the game may write there (a
//   build's game folder, a copied folder): it serves as both.
// - Otherwise the data folder is the executable's folder when it holds niveaux/ (a read-only
//   copy), or the installed data folder found from the executable's folder; the player's folder
//   is $XDG_DATA_HOME/zorvane, by default ~/.local/share/zorvane.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace zorvane {

namespace fs = std::filesystem;

struct TDossiers {
    fs::path Donnees;
    fs::path Joueur;
    bool UnSeul() const { return Donnees == Joueur; }
};

// A folder that cannot serve; the message is French and names it.
struct ErreurDossier : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct TContexteDossiers {
    fs::path DossierExecutable;
    fs::path DonneesInstallees;           // the data folder, relative to the executable's folder
    std::optional<fs::path> DossierForce; // --dossier
    std::function<std::optional<std::string>(const char*)> Variable; // the environment
    std::function<bool(const fs::path&)> Inscriptible;               // may the game write there
};

// The environment, the file system and the executable of this process.
std::optional<std::string> VariableDEnvironnement(const char* nom);
bool DossierInscriptible(const fs::path& dossier);
fs::path DossierDeLExecutable();

// $XDG_DATA_HOME/zorvane when it is an absolute path, else $HOME/.local/share/zorvane.
fs::path DossierDuJoueur(const TContexteDossiers& c);

TDossiers ChoisitDossiers(const TContexteDossiers& c);

// Creates the player's folder and its niveaux folder when missing. Throws ErreurDossier when it
// cannot.
void CreeDossierDuJoueur(const TDossiers& d);

} // namespace zorvane
