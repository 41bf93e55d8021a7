// Fuzz target: a set's description file (.des), read for its description and its password.
// The input is the file's content.
#include "Bac.h"
#include "Ensemble.h"
#include "Erreur.h"

using namespace zorvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t taille) {
    fuzz::Ecrit("niveaux/FUZZ.des", {data, taille});
    TNiveau n;
    n.NomFichier = "FUZZ";
    try {
        const std::string description = LireDescription(fuzz::Bac(), n);
        EXIGE(description.size() <= LongueurDescription);
    } catch (const ErreurES&) {
    }
    try {
        const std::string motDePasse = LireMotDePasse(fuzz::Bac(), n);
        EXIGE(motDePasse.size() <= LongueurMotDePasse);
        EXIGE(VerifieMotDePasse(fuzz::Bac(), n, motDePasse));
        if (motDePasse.size() < LongueurMotDePasse) // a longer candidate is cut to 30
            EXIGE(!VerifieMotDePasse(fuzz::Bac(), n, motDePasse + "X"));
        // The file's stored bytes are the password scrambled with the set's name.
        std::string stocke = motDePasse;
        Brouille(n, stocke);
        EXIGE(std::string(reinterpret_cast<const char*>(data) + 102, stocke.size()) == stocke);
    } catch (const ErreurES&) {
    }
    return 0;
}
