// Fuzz target: a set's solution (.sol) and index (.ind) files. Every solution is read and
// replayed to its end; then, on fresh copies of the pair, a log is stored as one level's solution
// and one level's solution is removed.
//
// Input: level number (1 byte, signed), flags (1 byte: bit 0 removes the index record too, bit 1
// stores with an empty index record instead of the one read, bit 2 starts the log with a change
// of piece), number of moves of the log (2 bytes), size of the .ind part (2 bytes), the .ind
// part, then the .sol file.
#include "Soluce.h"
#include "Bac.h"
#include "Erreur.h"

#include <algorithm>
#include <optional>
#include <vector>

using namespace zorvane;

namespace {

const char* const Ind = "niveaux/FUZZ.ind";
const char* const Sol = "niveaux/FUZZ.sol";
constexpr int32_t RecordsLus = 64;

struct Paire {
    std::span<const uint8_t> ind, sol;
    void ecrit() const {
        fuzz::Ecrit(Ind, ind);
        fuzz::Ecrit(Sol, sol);
    }
    bool intacte() const {
        const auto i = fuzz::Lit(Ind), s = fuzz::Lit(Sol);
        return std::equal(i.begin(), i.end(), ind.begin(), ind.end()) &&
               std::equal(s.begin(), s.end(), sol.begin(), sol.end());
    }
};

std::optional<TIndexSoluce> Index(int32_t numero) {
    TSoluce s;
    s.NomFichier = "FUZZ";
    try {
        LitIndex(fuzz::Bac(), s, numero);
        return s.Index;
    } catch (const ErreurES&) {
        return std::nullopt;
    }
}

// Level numero's moves, or nothing when its record or its block cannot be read. The reader must
// end by itself after NbCodes - 1 moves (the lead-in is not one).
std::optional<std::vector<int>> Rejoue(int32_t numero) {
    TSoluce s;
    s.NomFichier = "FUZZ";
    try {
        LitIndex(fuzz::Bac(), s, numero);
    } catch (const ErreurES&) {
        return std::nullopt;
    }
    EXIGE(s.Index.NbCodes <= CodesMaximum);
    try {
        OuvreSoluce(fuzz::Bac(), s);
    } catch (const ErreurES&) {
        EXIGE(CoupSuivant(s) == CoupFin); // a reader that failed to open replays nothing
        return std::nullopt;
    }
    std::vector<int> coups;
    for (int c; (c = CoupSuivant(s)) != CoupFin;) {
        EXIGE(c >= 0 && c <= CoupChangement);
        coups.push_back(c);
        EXIGE(coups.size() <= CodesMaximum);
    }
    EXIGE(coups.size() == std::max(s.Index.NbCodes, uint16_t(1)) - 1u);
    EXIGE(CoupSuivant(s) == CoupFin);
    return coups;
}

// A log of right and left moves in turn, after a change of piece if asked; and its replay.
TJournal Journal(int nbCoups, bool change, std::vector<int>& attendus) {
    TJournal j;
    j.NomFichier = "FUZZ";
    if (change) {
        AjouteCoup(j, 0, 0);
        attendus.push_back(CoupChangement);
    }
    for (int i = 0; i < nbCoups; ++i) {
        AjouteCoup(j, i % 2 ? -1 : 1, 0);
        attendus.push_back(i % 2 ? 2 : 3);
    }
    return j;
}

using Solutions = std::vector<std::vector<int>>; // the moves of levels 1, 2, ...

// Every level's moves, when the pair is as the game writes it: every record readable, every block
// inside the .sol file, no two blocks overlapping. Nothing for any other pair, whose later blocks
// an operation may legitimately garble.
std::optional<Solutions> SolutionsSaines(const Paire& paire) {
    const int32_t records = int32_t(paire.ind.size() / TailleIndexSoluce);
    if (records > RecordsLus || paire.ind.size() % TailleIndexSoluce != 0)
        return std::nullopt;
    Solutions solutions;
    std::vector<std::pair<uint64_t, uint64_t>> blocs;
    for (int32_t k = 1; k <= records; ++k) {
        const auto e = Index(k);
        auto coups = Rejoue(k);
        if (!e || !coups)
            return std::nullopt;
        if (e->NbCodes != 0)
            blocs.emplace_back(uint64_t(e->Position), uint64_t(e->Position) + (e->NbCodes + 3) / 4);
        solutions.push_back(std::move(*coups));
    }
    std::sort(blocs.begin(), blocs.end());
    for (std::size_t i = 1; i < blocs.size(); ++i)
        if (blocs[i].first < blocs[i - 1].second)
            return std::nullopt;
    return solutions;
}

// The other levels keep their moves; `retire` is the level whose record was removed, if any.
void VerifieAutres(const std::optional<Solutions>& avant, int32_t numero, bool retire) {
    if (!avant)
        return;
    for (int32_t k = 1; k <= int32_t(avant->size()); ++k) {
        if (k == numero)
            continue;
        const int32_t maintenant = retire && k > numero ? k - 1 : k;
        EXIGE(Rejoue(maintenant) == (*avant)[k - 1]);
    }
}

void Enregistre(const Paire& paire, int32_t numero, uint8_t drapeaux, int nbCoups,
                const std::optional<Solutions>& avant) {
    paire.ecrit();
    std::vector<int> attendus;
    TJournal j = Journal(nbCoups, drapeaux & 4, attendus);
    const TIndexSoluce e = (drapeaux & 2) ? TIndexSoluce{} : Index(numero).value_or(TIndexSoluce{});
    try {
        EnregistreSoluce(fuzz::Bac(), j, numero, e);
    } catch (const ErreurES&) {
        return;
    }
    const bool stocke = j.NbCodes != 0 && j.NbCodes + 4 <= CodesMaximum &&
                        (e.NbCodes == 0 || e.NbCodes > j.NbCodes);
    if (!stocke) {
        EXIGE(paire.intacte());
        return;
    }
    const auto apres = Index(numero);
    EXIGE(apres && apres->NbCodes == j.NbCodes);
    EXIGE(Rejoue(numero) == attendus);
    VerifieAutres(avant, numero, false);
}

void Supprime(const Paire& paire, int32_t numero, bool supprimeRecord,
              const std::optional<Solutions>& avant) {
    paire.ecrit();
    const auto e = Index(numero);
    try {
        SupprimeSoluce(fuzz::Bac(), "FUZZ", numero, supprimeRecord);
    } catch (const ErreurES&) {
        return;
    }
    EXIGE(e.has_value());
    EXIGE(fuzz::Lit(Sol).size() == paire.sol.size() - (e->NbCodes + 3u) / 4);
    EXIGE(fuzz::Lit(Ind).size() == paire.ind.size() - (supprimeRecord ? TailleIndexSoluce : 0));
    VerifieAutres(avant, numero, supprimeRecord);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t taille) {
    fuzz::Entree entree(data, taille);
    const int32_t numero = int8_t(entree.octet());
    const uint8_t drapeaux = entree.octet();
    const int nbCoups = entree.mot() % 1024;
    Paire paire;
    paire.ind = entree.bloc(entree.mot());
    paire.sol = entree.reste();

    paire.ecrit();
    const int32_t records = int32_t(paire.ind.size() / TailleIndexSoluce);
    for (int32_t k = 0; k <= std::min(records + 1, RecordsLus); ++k) {
        EXIGE(!Index(k) || (k >= 1 && k <= records));
        Rejoue(k);
    }
    EXIGE(paire.intacte()); // reading changes nothing
    const std::optional<Solutions> avant = SolutionsSaines(paire);

    Enregistre(paire, numero, drapeaux, nbCoups, avant);
    Supprime(paire, numero, drapeaux & 1, avant);
    return 0;
}
