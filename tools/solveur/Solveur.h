// The optimal solution of a level, in the number of codes its move log stores: the lead-in,
// every move, and the repeat that marks each change of piece made before a move. A solution of
// k moves that changes piece s times before a move (the ball starts active) costs 1 + k + s.
#pragma once

#include "Niveau.h"
#include "Soluce.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace zorvane {

// One move: the piece and its direction.
struct TCoup {
    bool boule = true;
    int8_t dx = 0;
    int8_t dy = 0;
    bool operator==(const TCoup&) const = default;
};

enum class VerdictSolveur {
    Resolu,    // the solution is optimal
    Insoluble, // every reachable state was explored: no solution exists
    Abandon,   // the state or time bound was reached first
    Annule,    // the caller's flag was raised
};

// Where a search stands: no solution is shorter than `borne` codes.
struct ProgressionSolveur {
    int borne = 0;
    uint64_t etatsMemorises = 0;
};

struct OptionsSolveur {
    uint64_t etatsMax = 30'000'000;        // about 40 bytes each for levels of up to 48 gems
    std::chrono::milliseconds dureeMax{0}; // processor time; 0: no limit
    // Read often, from the solving thread; raising it ends the search with Annule.
    const std::atomic<bool>* annulation = nullptr;
    // Called from the solving thread when the bound rises, and every few hundred thousand states.
    std::function<void(const ProgressionSolveur&)> progression;
};

struct ResultatSolveur {
    VerdictSolveur verdict = VerdictSolveur::Abandon;
    std::vector<TCoup> coups;
    int nbCodes = 0;              // the stored length of the solution
    uint64_t etatsDeveloppes = 0; // states whose moves were generated
    uint64_t etatsMemorises = 0;  // distinct states stored
    int borne = 0;                // with Abandon or Annule: no solution is shorter
    // With Insoluble, when known: the cells (16 y + x) of the gems that no sequence of moves
    // can ever collect.
    std::vector<int> inaccessibles;
};

// Solves the board of the record (its grid, not NbZelmites). Throws std::invalid_argument when
// it does not hold exactly one ball and one square. A board without gems is solved by no move.
ResultatSolveur Resous(const TNiveau& n, const OptionsSolveur& options = {});

// 1 + moves + changes of piece before a move, the ball being active at first; 0 without moves.
int NombreDeCodes(const std::vector<TCoup>& coups);

// The move log of a player who made these moves, for the solution files of set `ensemble`.
TJournal JournalDesCoups(const std::vector<TCoup>& coups, const std::string& ensemble);

} // namespace zorvane
