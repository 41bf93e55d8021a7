#include "EnsembleBinaire.h"

#include "Cp1252.h"
#include "Ensemble.h"
#include "NiveauFichier.h"
#include "Soluce.h"

namespace zorvane {

void ImporteEnsemble(const fs::path& jeu, const EnsembleTexte& e) {
    TNiveau n;
    EcrireDescription(jeu, n, e.fichier, Utf8VersCp1252(e.description),
                      Utf8VersCp1252(e.motDePasse), true);
    for (std::size_t i = 0; i < e.niveaux.size(); ++i) {
        TNiveau niveau = e.niveaux[i];
        niveau.NomFichier = n.NomFichier;
        niveau.Numero = int32_t(i + 1);
        EcritNiveau(jeu, niveau);
        RazSoluce(jeu, n.NomFichier, false, niveau.Numero);
    }
}

EnsembleTexte ExporteEnsemble(const fs::path& jeu, const std::string& nom) {
    TNiveau n;
    n.NomFichier = nom;
    CheminEnsemble(nom, ".des"); // refuses a name that would leave the folder
    EnsembleTexte e;
    e.fichier = nom;
    try {
        e.description = Cp1252VersUtf8(LireDescription(jeu, n));
        e.motDePasse = Cp1252VersUtf8(LireMotDePasse(jeu, n));
    } catch (const ErreurCodage& err) {
        throw ErreurTexte(nom + ".des : " + err.what());
    }
    CompteNiveaux(jeu, n, false);
    for (int32_t i = 1; i <= n.NbNiveaux; ++i) {
        n.Numero = i;
        LitNiveau(jeu, n);
        e.niveaux.push_back(n);
    }
    return e;
}

int EnregistreSolution(const fs::path& jeu, const std::string& nom, int32_t numero,
                       const std::vector<TCoup>& coups) {
    TJournal journal = JournalDesCoups(coups, nom);
    TSoluce lecteur;
    lecteur.NomFichier = nom;
    LitIndex(jeu, lecteur, numero);
    EnregistreSoluce(jeu, journal, numero, CopieIndex(lecteur));
    return journal.NbCodes;
}

int RejoueSolution(const fs::path& jeu, const TNiveau& niveau, int32_t numero) {
    TSoluce lecteur;
    lecteur.NomFichier = niveau.NomFichier;
    if (!LitIndex(jeu, lecteur, numero))
        return 0;
    OuvreSoluce(jeu, lecteur);
    TNiveau n = niveau;
    bool boule = true;
    while (!NiveauFini(n)) {
        const int coup = CoupSuivant(lecteur);
        if (coup == CoupFin)
            return -1;
        if (coup == CoupChangement)
            boule = !boule;
        else if (!Joue(n, boule, DirectionsDesCoups[coup].dx, DirectionsDesCoups[coup].dy))
            return -1;
    }
    return lecteur.CodesLus;
}

bool ResoutLeNiveau(TNiveau n, const std::vector<TCoup>& coups) {
    for (std::size_t i = 0; i < coups.size(); ++i) {
        if (NiveauFini(n) || !Joue(n, coups[i].boule, coups[i].dx, coups[i].dy))
            return false;
    }
    return NiveauFini(n) && !coups.empty();
}

} // namespace zorvane
