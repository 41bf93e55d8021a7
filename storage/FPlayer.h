// Joueur.ini, the saved games: 82-byte records sorted by player name, each holding the name,
// the password, the level to play next and the set being played. The last three are scrambled
// with the name as the key; the name is stored plain.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace zorvane {

namespace fs = std::filesystem;

inline constexpr const char* FichierJoueur = "Joueur.ini"; // in the game's folder itself
constexpr std::size_t TaillePartie = 82;
constexpr std::size_t TamponJoueur = 2048; // the buffer that moves records
constexpr std::size_t LongueurNomJoueur = 30;
constexpr std::size_t LongueurMotDePasseJoueur = 30;
constexpr std::size_t LongueurNiveauAJouer = 10;

struct TPartie {
    std::string Nom;
    std::string MotDePasse;         // scrambled with Nom as the key, in memory as on disk
    std::string NiveauAJouer = "0"; // decimal digits of the level to play next
    std::string Ensemble;           // NomFichier of the set being played
    int32_t Rang = -1;              // record number in the file; -1: not stored
    bool operator==(const TPartie&) const = default;
};

using TPartieFichier = std::array<uint8_t, TaillePartie>;

// The record of a game (fields cut to their width, filler zero), and back. Decoding refuses a
// length byte above its field and a level that is not a decimal number from 0 to INT32_MAX.
TPartieFichier EncodePartie(const TPartie& p);
TPartie DecodePartie(const TPartieFichier& r, int32_t rang);

// An empty game that is not stored: level "0", Rang -1.
void InitPartie(TPartie& p);
// Sets the name and the password (each cut to 30), the password scrambled with the new name.
void FixeJoueur(TPartie& p, const std::string& nom, const std::string& motDePasse);
// A number from 1 up starts at that level; 0 moves on to the next level.
void FixeNiveau(TPartie& p, int32_t numero);
void FixeEnsemble(TPartie& p, const std::string& nomFichier);
inline void FixeRang(TPartie& p, int32_t rang) {
    p.Rang = rang;
}

inline const std::string& NomJoueur(const TPartie& p) {
    return p.Nom;
}
inline const std::string& EnsemblePartie(const TPartie& p) {
    return p.Ensemble;
}
inline int32_t RangPartie(const TPartie& p) {
    return p.Rang;
}
// The level to play next; a text that is not a level number is a damaged record.
int32_t NiveauPartie(const TPartie& p);
// Exact comparison (letter case counts), after cutting the candidate to 30 characters.
bool VerifieMotDePassePartie(const TPartie& p, const std::string& candidat);

// Whether Joueur.ini exists: the load and erase commands are offered only then.
bool JoueurExiste(const fs::path& jeu);

// The number of stored games; the file must exist.
int32_t NbParties(const fs::path& jeu);
// Reads record `rang` into p (unchanged on error) and sets its Rang.
void LitPartie(const fs::path& jeu, TPartie& p, int32_t rang);
// Whether a record has this name. When the file exists, position receives the number of records
// whose name sorts before the name or equals it: where a new record of that name goes.
// A missing file is not an error: the result is false and position is left as it was.
bool ChercheNom(const fs::path& jeu, const std::string& nom, int32_t& position);
// Writes the game: over its own record when Rang >= 0, inserted in name order when Rang is -1
// (Rang then receives the record number). Creates the file for the first game (Rang 0).
// Refuses to insert a name already stored. A stored game's record is found again by its name
// just before the write (Rang follows it): it may have moved since it was read, or gone, and
// the game is then inserted again.
// Inserting and removing rewrite the file beside the old one and rename it over it: a failed
// write keeps every saved game, and leaves Rang as it was.
void EcritPartie(const fs::path& jeu, TPartie& p);
// Removes record `rang`; the later records move down one place. Deletes the file when it
// held that record alone.
void SupprimePartie(const fs::path& jeu, int32_t rang);

// A Rang kept by a caller, after record `rangSupprime` was removed: -1 for that record itself,
// one less for a later record, unchanged for an earlier one.
inline int32_t RangApresSuppression(int32_t rang, int32_t rangSupprime) {
    if (rang == rangSupprime)
        return -1;
    return rang > rangSupprime ? rang - 1 : rang;
}

} // namespace zorvane
