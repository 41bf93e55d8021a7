// Fuzz target: the text form of a level set that tools/niveaux reads (zorvane-niveaux import).
// The input is the text.
#include "Bac.h"
#include "EnsembleTexte.h"

using namespace zorvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t taille) {
    EnsembleTexte e;
    try {
        e = LitEnsembleTexte({reinterpret_cast<const char*>(data), taille});
    } catch (const ErreurTexte&) {
        return 0; // refused with the line at fault
    }
    // What the reader accepts, the game's files can hold.
    EXIGE(DefautNomFichier(e.fichier).empty());
    EXIGE(DefautDescription(e.description).empty());
    EXIGE(DefautMotDePasse(e.motDePasse).empty());
    for (const TNiveau& n : e.niveaux)
        EXIGE(DefautPlateau(n).empty());
    // The written form reads back to the same set, and is written again byte for byte.
    const std::string canonique = EcritEnsembleTexte(e);
    const EnsembleTexte relu = LitEnsembleTexte(canonique);
    EXIGE(relu.fichier == e.fichier && relu.description == e.description &&
          relu.motDePasse == e.motDePasse && relu.niveaux.size() == e.niveaux.size());
    for (std::size_t i = 0; i < e.niveaux.size(); ++i)
        EXIGE(relu.niveaux[i].Grille == e.niveaux[i].Grille);
    EXIGE(EcritEnsembleTexte(relu) == canonique);
    return 0;
}
