// The level file (.niv): one 52-byte record per level, twelve row words of 2-bit cell codes
// (the ball is not coded there) and the ball's column and row.
#pragma once

#include "Niveau.h"

#include <array>
#include <filesystem>

namespace zorvane {

namespace fs = std::filesystem;

class ChangementEnsemble;

constexpr std::size_t TailleNiveauFichier = 52;
constexpr std::size_t TamponDeplacement = 4096; // the buffer that moves file contents

using TNiveauFichier = std::array<uint8_t, TailleNiveauFichier>;

// Packs a board into its record, and unpacks a record into the grid, NbZelmites, PosBoule and
// PosCarre (PosCarre stays as it was when the record holds no square). Decoding throws when
// the ball lies outside the board; the record is left untouched then.
TNiveauFichier EncodeNiveau(const TNiveau& n);
void DecodeNiveau(const TNiveauFichier& r, TNiveau& n, const std::string& nomFichier);

// Sets NbNiveaux from the file size; with raz also clears Numero, NbZelmites and the pieces.
void CompteNiveaux(const fs::path& jeu, TNiveau& n, bool raz);
// Reads level Numero of the set.
void LitNiveau(const fs::path& jeu, TNiveau& n);
// Writes the grid as level Numero: in place, or appended when Numero is one past the last.
void EcritNiveau(const fs::path& jeu, const TNiveau& n);
// Removes level Numero; the later levels move down one number. The file is rewritten beside the
// old one and renamed over it: a failed write leaves it whole.
void EffaceNiveau(const fs::path& jeu, const TNiveau& n);
// The same two writes as the new version of the .niv file in a change c of the set, which the
// caller makes take effect.
void EcritNiveau(ChangementEnsemble& c, const fs::path& jeu, const TNiveau& n);
void EffaceNiveau(ChangementEnsemble& c, const fs::path& jeu, const TNiveau& n);

} // namespace zorvane
