// Writes the fuzzers' seed corpus: a few small valid files of each kind, made through the storage
// layer itself, in the input layout of each target. Usage: fabrique_corpus FOLDER (then
// FOLDER/<target>/<seed>).
#include "Ensemble.h"
#include "EnsembleTexte.h"
#include "FPlayer.h"
#include "NiveauFichier.h"
#include "Octets.h"
#include "Options.h"
#include "Soluce.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

using namespace zorvane;
namespace fs = std::filesystem;

namespace {

using Octets = std::vector<uint8_t>;

Octets Lit(const fs::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void Graine(const fs::path& sortie, const std::string& cible, const std::string& nom,
            const Octets& octets) {
    fs::create_directories(sortie / cible);
    std::ofstream f(sortie / cible / nom, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(octets.data()), std::streamsize(octets.size()));
}

// A fresh game folder for one seed.
struct Jeu {
    fs::path chemin;
    Jeu() {
        std::string modele = (fs::temp_directory_path() / "zorvane-corpus-XXXXXX").string();
        if (!::mkdtemp(modele.data()))
            throw std::runtime_error("mkdtemp");
        chemin = modele;
        fs::create_directory(chemin / "niveaux");
    }
    ~Jeu() { fs::remove_all(chemin); }
    Octets lit(const std::string& relatif) const { return Lit(chemin / relatif); }
};

// A board: walls around, the ball and the square in two corners, `zelmites` gems on row 5.
TNiveau Plateau(int zelmites) {
    TNiveau n;
    for (uint8_t x = 0; x < NbColonnes; ++x) {
        EcritCase(n, x, 0, CaseMur);
        EcritCase(n, x, NbLignes - 1, CaseMur);
    }
    EcritCase(n, 1, 1, CaseBoule);
    EcritCase(n, 14, 10, CaseCarre);
    for (int i = 0; i < zelmites; ++i)
        EcritCase(n, uint8_t(2 + i), 5, CaseZelmite);
    n.NbZelmites = uint8_t(zelmites);
    return n;
}

// A set FUZZ of these levels, each with its empty index record.
TNiveau Ensemble(const Jeu& jeu, const std::vector<int>& zelmites) {
    TNiveau n;
    EcrireDescription(jeu.chemin, n, "FUZZ", "Un ensemble", "MDP", true);
    for (std::size_t i = 0; i < zelmites.size(); ++i) {
        TNiveau niveau = Plateau(zelmites[i]);
        niveau.NomFichier = "FUZZ";
        niveau.Numero = int32_t(i + 1);
        EcritNiveau(jeu.chemin, niveau);
        RazSoluce(jeu.chemin, "FUZZ", false, niveau.Numero);
    }
    return n;
}

void Description(const fs::path& sortie) {
    const struct {
        const char* nom;
        std::string description, motDePasse;
    } cas[] = {{"vide", "", "P"},
               {"courte", "Trois niveaux faciles", "SECRET"},
               {"pleine", std::string(100, 'd'), std::string(30, 'M')}};
    for (const auto& c : cas) {
        Jeu jeu;
        TNiveau n;
        EcrireDescription(jeu.chemin, n, "FUZZ", c.description, c.motDePasse, false);
        Graine(sortie, "description", c.nom, jeu.lit("niveaux/FUZZ.des"));
    }
}

void Niveau(const fs::path& sortie) {
    const struct {
        const char* nom;
        std::vector<int> zelmites;
    } cas[] = {{"vide", {}}, {"un", {1}}, {"trois", {1, 5, 14}}};
    for (const auto& c : cas) {
        Jeu jeu;
        Ensemble(jeu, c.zelmites);
        Graine(sortie, "niveau", c.nom, jeu.lit("niveaux/FUZZ.niv"));
    }
}

// The solution target's layout: level, flags, moves of the log, size of .ind, .ind, .sol.
Octets EntreeSoluce(const Jeu& jeu, uint8_t numero, uint8_t drapeaux, uint16_t coups) {
    const Octets ind = jeu.lit("niveaux/FUZZ.ind"), sol = jeu.lit("niveaux/FUZZ.sol");
    Octets e(6);
    e[0] = numero;
    e[1] = drapeaux;
    EcritLE16(e.data() + 2, coups);
    EcritLE16(e.data() + 4, uint16_t(ind.size()));
    e.insert(e.end(), ind.begin(), ind.end());
    e.insert(e.end(), sol.begin(), sol.end());
    return e;
}

void Stocke(const Jeu& jeu, int32_t numero, int coups) {
    TJournal j;
    j.NomFichier = "FUZZ";
    for (int i = 0; i < coups; ++i)
        AjouteCoup(j, 0, i % 2 ? -1 : 1);
    TSoluce s;
    s.NomFichier = "FUZZ";
    LitIndex(jeu.chemin, s, numero);
    EnregistreSoluce(jeu.chemin, j, numero, CopieIndex(s));
}

void Soluce(const fs::path& sortie) {
    {
        Jeu jeu;
        Ensemble(jeu, {1});
        Graine(sortie, "soluce", "sans-solution", EntreeSoluce(jeu, 1, 0, 6));
    }
    {
        Jeu jeu;
        Ensemble(jeu, {1, 2, 3});
        Stocke(jeu, 2, 9);
        Stocke(jeu, 1, 30);
        Stocke(jeu, 3, 3);
        Stocke(jeu, 2, 4); // a shorter one: the later blocks move down
        Graine(sortie, "soluce", "trois-stocke", EntreeSoluce(jeu, 1, 4, 12));
        Graine(sortie, "soluce", "trois-supprime", EntreeSoluce(jeu, 2, 1, 0));
    }
}

void Joueur(const fs::path& sortie) {
    Jeu jeu;
    const char* noms[] = {"BERTRAND", "ALICE", "CHLOE"};
    for (int i = 0; i < 3; ++i) {
        TPartie p;
        InitPartie(p);
        FixeJoueur(p, noms[i], "MDP" + std::to_string(i));
        FixeNiveau(p, 1 + 4 * i);
        FixeEnsemble(p, "FUZZ");
        EcritPartie(jeu.chemin, p);
        Octets e{uint8_t(i)};
        const Octets fichier = jeu.lit(FichierJoueur);
        e.insert(e.end(), fichier.begin(), fichier.end());
        Graine(sortie, "joueur", std::to_string(i + 1) + "-parties", e);
    }
}

void Options(const fs::path& sortie) {
    TOptions o;
    o.Haut = 38;
    o.Bas = 40;
    o.Gauche = 37;
    o.Droite = 39;
    o.Change = 32;
    o.NomGraphisme = "clair";
    o.ChoixMusique = MusiqueAleatoire;
    o.EffetsSonores = 1;
    const auto produit = EncodeOptions(o);
    Graine(sortie, "options", "produit", {produit.begin(), produit.end()});
    o.NomGraphisme.clear();
    o.ChoixMusique = 12;
    o.EffetsSonores = 0;
    const auto automatique = EncodeOptions(o);
    Graine(sortie, "options", "graphisme-auto", {automatique.begin(), automatique.end()});
}

void NiveauxTexte(const fs::path& sortie) {
    EnsembleTexte e{"ESSAI", "Deux niveaux à essayer", "SESAME", {Plateau(1)}};
    const std::string un = EcritEnsembleTexte(e);
    Graine(sortie, "niveaux_texte", "un-niveau", {un.begin(), un.end()});
    e.niveaux.push_back(Plateau(3));
    const std::string deux = EcritEnsembleTexte(e);
    Graine(sortie, "niveaux_texte", "deux-niveaux", {deux.begin(), deux.end()});
    // A level without its square, refused at its line.
    std::string sansCarre = un;
    sansCarre[sansCarre.rfind('x')] = '.';
    Graine(sortie, "niveaux_texte", "sans-carre", {sansCarre.begin(), sansCarre.end()});
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    try {
        Description(argv[1]);
        Niveau(argv[1]);
        Soluce(argv[1]);
        Joueur(argv[1]);
        Options(argv[1]);
        NiveauxTexte(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
