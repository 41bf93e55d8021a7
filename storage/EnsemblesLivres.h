// The shipped level sets meet the player's. Every shipped set is copied, its four files byte for
// byte, into the player's niveaux folder the first time the game starts, so that playing,
// recording solutions and editing work on files the player owns; the shipped files are only read.
//
// A newer shipped version of a set replaces the player's copy when the player has not edited it
// (its .des and .niv are still those of the version copied). The new .sol and .ind then hold,
// for every level, the shorter of the new shipped solution and the player's solution of the same
// level (the same 52-byte record, wherever it stood in the old version); at equal length the
// player's stays. A copy the player edited, a set the player made under a shipped set's name and
// a copy the player deleted are left alone.
//
// What was copied is remembered in the player's folder, in the text file ensembles-livres.txt,
// one line per set: the name, the fingerprint of the .des and .niv copied, the fingerprint of the
// shipped version's four files. The four files of a copy or an update change together
// (ChangementEnsemble), then the register; a start stopped in between is made good the next
// time, the set's files being then exactly those of the version.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zorvane {

namespace fs = std::filesystem;

inline constexpr const char* FichierEnsemblesLivres = "ensembles-livres.txt";

// The sets by their names on disk (UTF-8).
struct TBilanLivraison {
    std::vector<std::string> Copies;     // copied for the first time
    std::vector<std::string> MisesAJour; // replaced by a newer shipped version
    std::vector<std::string> Erreurs;    // French messages, one per set that could not be handled
};

// Brings the shipped sets of donnees/niveaux into joueur/niveaux (which must exist). Never
// writes into donnees. A damaged or unreadable set is reported in Erreurs and the others are
// still handled.
TBilanLivraison AccueilleEnsemblesLivres(const fs::path& donnees, const fs::path& joueur);

} // namespace zorvane
