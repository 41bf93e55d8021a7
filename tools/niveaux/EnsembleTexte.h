// A level set as text, for authoring. In UTF-8:
//
//   fichier: ZORVANE
//   description: Le texte montré au début d'une partie
//   mot de passe: SESAME
//
//   niveau 1
//   ################      twelve lines of sixteen cells:
//   #o.....*.......#      # wall, * gem, o ball, x square, . empty
//   ...
//
// then a blank line and the next level. The text written by EcritEnsembleTexte is the one
// canonical form: reading it back and writing it again gives the same bytes.
#pragma once

#include "Niveau.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

class ErreurTexte : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct EnsembleTexte {
    std::string fichier;     // the set's file name
    std::string description; // UTF-8
    std::string motDePasse;  // UTF-8
    std::vector<TNiveau> niveaux;
};

// Checks every rule the game's files need: a file name of 1 to 8 letters, digits, '-' or '_';
// a description of at most 100 and a password of 1 to 30 Windows-1252 characters, without
// control characters, the password without lower-case letters (the game types passwords in
// capitals); each level with one ball, one square and at least one gem. Throws ErreurTexte with
// the line at fault.
EnsembleTexte LitEnsembleTexte(std::string_view texte);
std::string EcritEnsembleTexte(const EnsembleTexte& e);

// The twelve lines of a board (any cell code outside the five as empty).
std::vector<std::string> LignesDuPlateau(const TNiveau& n);

// The rules of a set's header, shared with the reading of a set's files. Each returns an
// explanation of the fault, or an empty text.
std::string DefautNomFichier(std::string_view nom);
std::string DefautDescription(std::string_view utf8);
std::string DefautMotDePasse(std::string_view utf8);
// Exactly one ball, one square, at least one gem.
std::string DefautPlateau(const TNiveau& n);

} // namespace zorvane
