// Fuzz target: a set's level file (.niv), counted, then each level read and played a little.
// The input is the file's content.
#include "Bac.h"
#include "Erreur.h"
#include "NiveauFichier.h"

#include <algorithm>

using namespace zorvane;

namespace {

constexpr int32_t NiveauxLus = 64; // enough to reach every record of a small input

// What a level read from any file must satisfy: the ball on the board and on its own cell,
// only known cell codes, as many gems counted as lie on the board.
void VerifieNiveau(const TNiveau& n) {
    EXIGE(DansLaGrille(n.PosBoule.x, n.PosBoule.y));
    EXIGE(LitCase(n, n.PosBoule.x, n.PosBoule.y) == CaseBoule);
    int zelmites = 0;
    for (char c : n.Grille) {
        EXIGE(c == CaseVide || c == CaseMur || c == CaseZelmite || c == CaseBoule ||
              c == CaseCarre);
        zelmites += c == CaseZelmite;
    }
    EXIGE(n.NbZelmites == zelmites);
}

// A few slides of each piece: a damaged level must not take a piece off the board.
void JoueUnPeu(TNiveau n) {
    const int8_t directions[][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    for (int tour = 0; tour < 2; ++tour)
        for (auto [dx, dy] : directions)
            for (bool boule : {true, false}) {
                zorvane::Joue(n, boule, dx, dy);
                const TPosition p = boule ? n.PosBoule : n.PosCarre;
                EXIGE(p == PositionHorsJeu || DansLaGrille(p.x, p.y));
            }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t taille) {
    fuzz::Ecrit("niveaux/FUZZ.niv", {data, taille});
    TNiveau n;
    n.NomFichier = "FUZZ";
    try {
        CompteNiveaux(fuzz::Bac(), n, true);
    } catch (const ErreurES&) {
        EXIGE(false); // the file exists: it can always be counted
    }
    EXIGE(n.NbNiveaux == int32_t(taille / TailleNiveauFichier));
    EXIGE(n.PosBoule == PositionHorsJeu && n.PosCarre == PositionHorsJeu);

    for (int32_t numero = 0; numero <= std::min(n.NbNiveaux + 1, NiveauxLus); ++numero) {
        TNiveau lu = n;
        lu.Numero = numero;
        try {
            LitNiveau(fuzz::Bac(), lu);
            EXIGE(numero >= 1 && numero <= n.NbNiveaux);
            VerifieNiveau(lu);
            EXIGE(lu.Numero == numero && lu.NomFichier == n.NomFichier);
            // Written back, the record keeps its cells: only the filler bytes and the two bits
            // under the ball may differ.
            TNiveau relu = n;
            DecodeNiveau(EncodeNiveau(lu), relu, "FUZZ.niv");
            EXIGE(relu.Grille == lu.Grille && relu.PosBoule == lu.PosBoule);
            JoueUnPeu(lu);
        } catch (const ErreurES&) {
            // Only a missing level or a ball off the board is refused.
            const bool existe = numero >= 1 && numero <= n.NbNiveaux;
            EXIGE(!existe || !DansLaGrille(data[(numero - 1) * TailleNiveauFichier + 48],
                                           data[(numero - 1) * TailleNiveauFichier + 49]));
        }
    }
    return 0;
}
