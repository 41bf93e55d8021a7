// The game's command line: --help, --version and --dossier DIR. Arguments that begin with a
// single dash, and those that follow them, are left to the window toolkit (-platform, -style).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace zorvane {

struct TLigneDeCommande {
    enum class Action { Jouer, Aide, Version, Erreur };
    Action action = Action::Jouer;
    std::optional<std::filesystem::path> dossier;
    std::string erreur; // French, for Erreur
};

TLigneDeCommande LitLigneDeCommande(int argc, const char* const* argv);

// What --help and --version print.
std::string TexteAide();
std::string TexteVersion();

} // namespace zorvane
