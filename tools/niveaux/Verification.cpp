#include "Verification.h"

#include "Ensemble.h"
#include "EnsembleBinaire.h"
#include "Erreur.h"
#include "Fichier.h"
#include "NiveauFichier.h"
#include "Soluce.h"

#include <algorithm>

namespace zorvane {

namespace {

// One level's faults, or an empty text; `resume` receives what was found.
std::string VerifieNiveau(const fs::path& jeu, const std::vector<TNiveau>& niveaux, std::size_t i,
                          const OptionsSolveur* solveur, std::string& resume) {
    const TNiveau& n = niveaux[i];
    std::string defaut = DefautPlateau(n);
    if (!defaut.empty())
        return defaut;
    for (std::size_t j = 0; j < i; ++j)
        if (niveaux[j].Grille == n.Grille)
            return "identique au niveau " + std::to_string(j + 1);
    ResultatSolveur r;
    if (solveur) {
        r = Resous(n, *solveur);
        if (r.verdict != VerdictSolveur::Resolu)
            return EchecDuSolveur(r, *solveur);
        resume = "optimum " + std::to_string(r.nbCodes) + " codes";
    }
    int enregistres = 0;
    try {
        enregistres = RejoueSolution(jeu, n, n.Numero);
    } catch (const ErreurES& e) {
        return std::string("solution illisible : ") + e.what();
    }
    if (enregistres < 0)
        return "la solution enregistrée ne résout pas le niveau";
    if (solveur && enregistres > 0 && enregistres < r.nbCodes)
        return "solution enregistrée de " + std::to_string(enregistres) +
               " codes, plus courte que l'optimum trouvé (" + std::to_string(r.nbCodes) + ")";
    if (enregistres > 0)
        resume += (resume.empty() ? "" : ", ") + std::string("solution enregistrée de ") +
                  std::to_string(enregistres) + " codes";
    return {};
}

uint64_t Taille(const fs::path& jeu, const std::string& nom, const char* extension) {
    return Fichier(jeu, CheminEnsemble(nom, extension), Fichier::Mode::Lecture).taille();
}

// The index holds one record per level, and no two stored solutions share bytes of .sol.
std::vector<std::string> DefautsDesFichiers(const fs::path& jeu, const std::string& nom,
                                            std::size_t nbNiveaux) {
    std::vector<std::string> defauts;
    TNiveau n;
    n.NomFichier = nom;
    try {
        LireDescription(jeu, n);
    } catch (const ErreurES& e) {
        defauts.push_back(std::string("description illisible : ") + e.what());
    }
    try {
        const uint64_t ind = Taille(jeu, nom, ".ind");
        if (ind != nbNiveaux * TailleIndexSoluce)
            defauts.push_back(std::to_string(nbNiveaux) + " niveaux pour " + std::to_string(ind) +
                              " octets d'index (" + std::to_string(TailleIndexSoluce) +
                              " par niveau attendus)");
        std::vector<std::pair<int64_t, int64_t>> blocs; // [debut, fin) in .sol
        TSoluce s;
        s.NomFichier = nom;
        for (int32_t i = 1; uint64_t(i) * TailleIndexSoluce <= ind; ++i)
            if (LitIndex(jeu, s, i))
                blocs.emplace_back(s.Index.Position, s.Index.Position + (s.Index.NbCodes + 3) / 4);
        std::sort(blocs.begin(), blocs.end());
        for (std::size_t i = 1; i < blocs.size(); ++i)
            if (blocs[i].first < blocs[i - 1].second) {
                defauts.push_back("des solutions se chevauchent dans le fichier .sol");
                break;
            }
        Taille(jeu, nom, ".sol"); // a set without solutions still has its file
    } catch (const ErreurES& e) {
        defauts.push_back(std::string("solutions illisibles : ") + e.what());
    }
    return defauts;
}

} // namespace

std::string EchecDuSolveur(const ResultatSolveur& r, const OptionsSolveur& o) {
    if (r.verdict == VerdictSolveur::Insoluble)
        return "insoluble";
    return "abandon, limite de " + std::to_string(o.etatsMax) + " états atteinte";
}

std::vector<TNiveau> LitNiveaux(const fs::path& jeu, const std::string& nom) {
    TNiveau n;
    n.NomFichier = nom;
    CompteNiveaux(jeu, n, false);
    std::vector<TNiveau> niveaux;
    for (int32_t i = 1; i <= n.NbNiveaux; ++i) {
        n.Numero = i;
        LitNiveau(jeu, n);
        niveaux.push_back(n);
    }
    return niveaux;
}

int BilanEnsemble::fautifs() const {
    return int(std::count_if(niveaux.begin(), niveaux.end(),
                             [](const BilanNiveau& b) { return !b.defaut.empty(); }));
}

BilanEnsemble VerifieEnsemble(const fs::path& jeu, const std::string& nom,
                              const OptionsSolveur* solveur) {
    const std::vector<TNiveau> niveaux = LitNiveaux(jeu, nom);
    BilanEnsemble bilan;
    bilan.defauts = DefautsDesFichiers(jeu, nom, niveaux.size());
    for (std::size_t i = 0; i < niveaux.size(); ++i) {
        BilanNiveau b;
        b.numero = niveaux[i].Numero;
        b.defaut = VerifieNiveau(jeu, niveaux, i, solveur, b.resume);
        bilan.niveaux.push_back(b);
    }
    return bilan;
}

} // namespace zorvane
