#include "CommandesNiveau.h"

#include "ChangementEnsemble.h"
#include "NiveauFichier.h"
#include "Soluce.h"

namespace zorvane {

void SupprimeNiveau(const fs::path& jeu, const TNiveau& n) {
    ChangementEnsemble changement(jeu, n.NomFichier);
    EffaceNiveau(changement, jeu, n);
    SupprimeSoluce(changement, jeu, n.NomFichier, n.Numero, true);
    changement.valide();
}

void EnregistreNiveau(const fs::path& jeu, const TNiveau& n, bool modifie) {
    ChangementEnsemble changement(jeu, n.NomFichier);
    EcritNiveau(changement, jeu, n);
    RazSoluce(changement, jeu, n.NomFichier, modifie, n.Numero);
    changement.valide();
}

} // namespace zorvane
