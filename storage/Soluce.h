// The move log, and a set's solution (.sol) and index (.ind) files.
//
// Moves are 2-bit codes (00 up, 01 down, 10 left, 11 right) packed four to a byte, first code in
// bits 7-6. The first code of a stream is a lead-in; a code equal to the one before it (when that
// one was not itself read as a change of piece) is a change of piece.
//
// Every change of the .sol and .ind files (storing, removing, resetting, shifting) builds their
// new versions beside them and puts them in place as one change of the set (ChangementEnsemble):
// a failed write or a kill leaves the pair as it was, or changed whole.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace zorvane {

namespace fs = std::filesystem;

class ChangementEnsemble;

constexpr std::size_t TailleIndexSoluce = 8;
constexpr std::size_t OctetsJournal = 250; // the log holds 1000 codes
constexpr uint16_t CodesMaximum = 1000;
constexpr int CoupChangement = 4; // decoded change of piece
constexpr int CoupFin = -1;       // CoupSuivant past the stored codes

// One record of the .ind file: where the level's block starts in .sol and how many codes it
// holds (0: no solution).
struct TIndexSoluce {
    int32_t Position = 0;
    uint16_t NbCodes = 0;
    std::array<uint8_t, 2> Inutilise{}; // written back as read
    bool operator==(const TIndexSoluce&) const = default;
};

struct TJournal {
    std::string Attente;            // codes appended but not yet packed (at most 8 digits)
    std::string DernierCode = "00"; // the code appended last
    uint16_t NbCodes = 0;           // codes packed into Octets
    bool ChangementEnAttente = false;
    std::array<uint8_t, OctetsJournal> Octets{}; // byte k of the stream is Octets[k - 1]
    std::string NomFichier;                      // the set whose solution files receive the log
};

void ViderJournal(TJournal& j);
// Appends a move, or a change of piece when dx and dy are both 0. Any other pair is not a
// direction and is ignored. A change is written only before the next move: two in a row cancel
// out, and one after the last move is never stored.
void AjouteCoup(TJournal& j, int8_t dx, int8_t dy);
// Packs Attente into the next byte (dropped when the log is full).
void RangeOctet(TJournal& j);
// Stores the log as level numero's solution if the level has none or the log is shorter.
// e is the level's index record as read when the level was shown. Stores nothing for an empty
// log or one of 997 codes or more. Throws ErreurES, and writes nothing, when e no longer matches
// the level's record in .ind (the solution files changed since it was read: read it again just
// before storing) or when its block lies outside the .sol file.
void EnregistreSoluce(const fs::path& jeu, TJournal& j, int32_t numero, TIndexSoluce e);

// Lowers by nbOctets every index Position greater than limite.
void DecaleIndex(const fs::path& jeu, int32_t limite, uint32_t nbOctets,
                 const std::string& nomFichier);
// Removes level numero's block from .sol, lowering the later offsets; with supprimeRecord also
// its index record, so that the later records follow the renumbered levels.
void SupprimeSoluce(const fs::path& jeu, const std::string& nomFichier, int32_t numero,
                    bool supprimeRecord);
// Resets level numero's index record to no solution, after removing its block when modifie.
// A new level's number is one past the last record: its record is appended.
void RazSoluce(const fs::path& jeu, const std::string& nomFichier, bool modifie, int32_t numero);
// The same two changes as part of a larger change c of the set, which the caller makes take effect.
void SupprimeSoluce(ChangementEnsemble& c, const fs::path& jeu, const std::string& nomFichier,
                    int32_t numero, bool supprimeRecord);
void RazSoluce(ChangementEnsemble& c, const fs::path& jeu, const std::string& nomFichier,
               bool modifie, int32_t numero);

struct TSoluce {
    TIndexSoluce Index;
    bool ChangementLu = false;
    uint8_t NumOctet = 0;
    uint8_t PosCode = 9; // 1, 3, 5 or 7; 9 when the byte is used up
    std::string Chiffres;
    std::string CodePrecedent;
    std::array<uint8_t, OctetsJournal> Octets{};
    std::string NomFichier;
    uint16_t CodesLus = 0; // codes decoded, lead-in included: the replay stops at Index.NbCodes
};

// Reads level numero's index record; true when the level has a solution. A missing record, more
// than 1000 codes or a negative offset is an ErreurES.
bool LitIndex(const fs::path& jeu, TSoluce& s, int32_t numero);
inline TIndexSoluce CopieIndex(const TSoluce& s) {
    return s.Index;
}
// Loads the block of the held index record and rewinds the decoding. A block that does not lie
// wholly inside the .sol file is an ErreurES, and the reader then replays nothing.
void OuvreSoluce(const fs::path& jeu, TSoluce& s);
// 0 up, 1 down, 2 left, 3 right, 4 change of piece; CoupFin once the stored codes are used up.
int CoupSuivant(TSoluce& s);

// The step of each decoded move code 0 to 3: up, down, left, right.
struct TDirection {
    int8_t dx = 0;
    int8_t dy = 0;
};
constexpr std::array<TDirection, 4> DirectionsDesCoups{{{0, -1}, {0, 1}, {-1, 0}, {1, 0}}};

} // namespace zorvane
