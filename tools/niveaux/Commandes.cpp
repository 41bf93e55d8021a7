#include "Commandes.h"

#include "Cp1252.h"
#include "EnsembleBinaire.h"
#include "Erreur.h"
#include "NiveauFichier.h"
#include "Solveur.h"
#include "Verification.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace zorvane {

namespace {

constexpr const char* Usage =
    "usage : zorvane-niveaux [options] COMMANDE\n"
    "commandes :\n"
    "  export ENSEMBLE       écrit l'ensemble en texte sur la sortie standard\n"
    "  import FICHIER        construit les quatre fichiers de l'ensemble décrit en texte\n"
    "  check ENSEMBLE        vérifie chaque niveau : une boule, un carré, au moins une\n"
    "                        zelmite, soluble, différent des autres ; rejoue les solutions\n"
    "  solve ENSEMBLE [N]    solution optimale de chaque niveau, ou du niveau N\n"
    "options :\n"
    "  --jeu DOSSIER         dossier du jeu, qui contient niveaux/ (par défaut : .)\n"
    "  --enregistre          (import, solve) enregistre les solutions optimales dans les\n"
    "                        fichiers .sol et .ind, comme le jeu\n"
    "  --etats-max N         états mémorisés au plus par niveau (par défaut : 30000000)\n";

class ErreurUsage : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Commande {
    fs::path jeu = ".";
    OptionsSolveur options;
    bool enregistre = false;
    bool aide = false;
    std::vector<std::string> mots; // the command and its operands
};

uint64_t Nombre(const std::string& texte, const std::string& quoi) {
    uint64_t n = 0;
    const auto [fin, err] = std::from_chars(texte.data(), texte.data() + texte.size(), n);
    if (err != std::errc() || fin != texte.data() + texte.size() || n == 0)
        throw ErreurUsage(quoi + " : nombre entier positif attendu, « " + texte + " » reçu");
    return n;
}

Commande Analyse(const std::vector<std::string>& arguments) {
    Commande c;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        auto valeur = [&]() -> const std::string& {
            if (i + 1 >= arguments.size())
                throw ErreurUsage("l'option " + a + " attend une valeur");
            return arguments[++i];
        };
        if (a == "--jeu")
            c.jeu = valeur();
        else if (a == "--enregistre")
            c.enregistre = true;
        else if (a == "--etats-max")
            c.options.etatsMax = Nombre(valeur(), a);
        else if (a == "--aide" || a == "-h" || a == "--help")
            c.aide = true;
        else if (a.size() > 1 && a[0] == '-')
            throw ErreurUsage("option inconnue : " + a);
        else
            c.mots.push_back(a);
    }
    return c;
}

void AttendOperandes(const Commande& c, std::size_t minimum, std::size_t maximum) {
    const std::size_t n = c.mots.size() - 1;
    if (n < minimum || n > maximum)
        throw ErreurUsage("mauvais nombre d'arguments pour " + c.mots[0]);
}

std::string Notation(const std::vector<TCoup>& coups) {
    std::string texte;
    for (const TCoup& c : coups) {
        if (!texte.empty())
            texte += ' ';
        texte += c.boule ? "o" : "x";
        texte += c.dy < 0 ? "↑" : c.dy > 0 ? "↓" : c.dx < 0 ? "←" : "→";
    }
    return texte;
}

std::string Titre(int32_t numero) {
    return "niveau " + std::to_string(numero) + " : ";
}

// Solves each level and prints its solution; records it when asked. Returns the exit status.
int ResousNiveaux(const Commande& c, const std::vector<TNiveau>& niveaux, std::ostream& sortie,
                  std::ostream& erreurs) {
    int statut = 0;
    for (const TNiveau& n : niveaux) {
        const ResultatSolveur r = Resous(n, c.options);
        if (r.verdict != VerdictSolveur::Resolu) {
            erreurs << n.NomFichier << " " << Titre(n.Numero) << EchecDuSolveur(r, c.options)
                    << "\n";
            statut = 1;
            continue;
        }
        sortie << Titre(n.Numero) << r.nbCodes << " codes : " << Notation(r.coups) << "\n";
        if (c.enregistre)
            EnregistreSolution(c.jeu, n.NomFichier, n.Numero, r.coups);
    }
    return statut;
}

int Export(const Commande& c, std::ostream& sortie) {
    AttendOperandes(c, 1, 1);
    sortie << EcritEnsembleTexte(ExporteEnsemble(c.jeu, c.mots[1]));
    return 0;
}

int Import(const Commande& c, std::ostream& sortie, std::ostream& erreurs) {
    AttendOperandes(c, 1, 1);
    std::ifstream f(c.mots[1], std::ios::binary);
    if (!f)
        throw ErreurTexte("fichier introuvable : " + c.mots[1]);
    std::ostringstream texte;
    texte << f.rdbuf();
    EnsembleTexte e;
    try {
        e = LitEnsembleTexte(texte.str());
    } catch (const ErreurTexte& err) {
        throw ErreurTexte(c.mots[1] + ", " + err.what());
    }
    ImporteEnsemble(c.jeu, e);
    sortie << e.fichier << " : " << e.niveaux.size() << " niveaux importés\n";
    return c.enregistre ? ResousNiveaux(c, LitNiveaux(c.jeu, e.fichier), sortie, erreurs) : 0;
}

int Solve(const Commande& c, std::ostream& sortie, std::ostream& erreurs) {
    AttendOperandes(c, 1, 2);
    std::vector<TNiveau> niveaux = LitNiveaux(c.jeu, c.mots[1]);
    if (c.mots.size() == 3) {
        const uint64_t numero = Nombre(c.mots[2], "numéro de niveau");
        if (numero > niveaux.size())
            throw ErreurUsage("l'ensemble " + c.mots[1] + " n'a que " +
                              std::to_string(niveaux.size()) + " niveaux");
        niveaux = {niveaux[numero - 1]};
    }
    return ResousNiveaux(c, niveaux, sortie, erreurs);
}

int Check(const Commande& c, std::ostream& sortie) {
    AttendOperandes(c, 1, 1);
    const BilanEnsemble bilan = VerifieEnsemble(c.jeu, c.mots[1], &c.options);
    for (const BilanNiveau& b : bilan.niveaux)
        sortie << Titre(b.numero) << (b.defaut.empty() ? "correct, " + b.resume : b.defaut) << "\n";
    for (const std::string& defaut : bilan.defauts)
        sortie << c.mots[1] << " : " << defaut << "\n";
    sortie << c.mots[1] << " : " << bilan.niveaux.size() << " niveaux, " << bilan.fautifs()
           << " en défaut\n";
    return bilan.fautifs() != 0 || !bilan.defauts.empty() ? 1 : 0;
}

} // namespace

int ExecuteOutilNiveaux(const std::vector<std::string>& arguments, std::ostream& sortie,
                        std::ostream& erreurs) {
    try {
        const Commande c = Analyse(arguments);
        if (c.aide) {
            sortie << Usage;
            return 0;
        }
        if (c.mots.empty())
            throw ErreurUsage("commande attendue");
        const std::string& commande = c.mots[0];
        if (commande == "export")
            return Export(c, sortie);
        if (commande == "import")
            return Import(c, sortie, erreurs);
        if (commande == "check")
            return Check(c, sortie);
        if (commande == "solve")
            return Solve(c, sortie, erreurs);
        throw ErreurUsage("commande inconnue : " + commande);
    } catch (const ErreurUsage& e) {
        erreurs << "zorvane-niveaux : " << e.what() << "\n" << Usage;
        return 2;
    } catch (const ErreurES& e) {
        erreurs << "zorvane-niveaux : " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) { // ErreurTexte, ErreurCodage
        erreurs << "zorvane-niveaux : " << e.what() << "\n";
        return 1;
    }
}

} // namespace zorvane
