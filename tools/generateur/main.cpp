// zorvane-generateur: draws candidate levels, solves them and prints those that pass the
// filters as a text set (sorted by optimal length), with their measures on standard error.
#include "EnsembleTexte.h"
#include "Generateur.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

using namespace zorvane;

namespace {

constexpr const char* Usage =
    "usage : zorvane-generateur [options] > candidats.txt\n"
    "  --graine N          graine du tirage (1)\n"
    "  --essais N          plateaux tirés (1000)\n"
    "  --garde N           candidats gardés au plus (50)\n"
    "  --salle LxH         salle au centre du plateau, murs autour (16x12)\n"
    "  --murs P            probabilité d'un mur sur chaque case de la salle (0.2)\n"
    "  --symetrie          murs symétriques de gauche à droite\n"
    "  --zelmites A-B      nombre de zelmites (3-8)\n"
    "  --parcours          zelmites sur le chemin d'une marche au hasard\n"
    "  --codes A-B         longueur optimale en codes (1-1000)\n"
    "  --changements N     changements de pièce au moins dans l'optimum (0)\n"
    "  --appuis N          arrêts de la boule contre le carré au moins (0)\n"
    "  --arrets-boule N    arrêts du carré contre la boule au moins (0)\n"
    "  --etats-max N       états du solveur au plus par plateau (2000000)\n"
    "  --exclure FICHIER   écarte les plateaux semblables à ceux d'un ensemble en texte\n";

struct Intervalle {
    int min, max;
};

int Entier(const std::string& s) {
    int v = 0;
    const auto [fin, err] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (err != std::errc() || fin != s.data() + s.size())
        throw std::invalid_argument("nombre attendu : " + s);
    return v;
}

Intervalle Paire(const std::string& s, char separateur) {
    const std::size_t p = s.find(separateur);
    if (p == std::string::npos)
        throw std::invalid_argument("forme A" + std::string(1, separateur) + "B attendue : " + s);
    return {Entier(s.substr(0, p)), Entier(s.substr(p + 1))};
}

struct Candidat {
    TNiveau niveau;
    MesureNiveau mesure;
};

} // namespace

int main(int argc, char** argv) try {
    ParametresGeneration p;
    uint32_t graine = 1;
    int essais = 1000, garde = 50, changements = 0, appuis = 0, arretsBoule = 0;
    Intervalle codes{1, 1000};
    OptionsSolveur options;
    options.etatsMax = 2'000'000;
    std::vector<TNiveau> exclus;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto valeur = [&]() -> std::string {
            if (i + 1 >= argc)
                throw std::invalid_argument("valeur attendue après " + a);
            return argv[++i];
        };
        if (a == "--graine")
            graine = uint32_t(Entier(valeur()));
        else if (a == "--essais")
            essais = Entier(valeur());
        else if (a == "--garde")
            garde = Entier(valeur());
        else if (a == "--salle") {
            const Intervalle s = Paire(valeur(), 'x');
            p.largeur = std::clamp(s.min, 3, NbColonnes);
            p.hauteur = std::clamp(s.max, 3, NbLignes);
        } else if (a == "--murs")
            p.murs = std::stod(valeur());
        else if (a == "--symetrie")
            p.symetrie = true;
        else if (a == "--zelmites") {
            const Intervalle z = Paire(valeur(), '-');
            p.zelmitesMin = z.min;
            p.zelmitesMax = z.max;
        } else if (a == "--parcours")
            p.parcours = true;
        else if (a == "--codes")
            codes = Paire(valeur(), '-');
        else if (a == "--changements")
            changements = Entier(valeur());
        else if (a == "--appuis")
            appuis = Entier(valeur());
        else if (a == "--arrets-boule")
            arretsBoule = Entier(valeur());
        else if (a == "--etats-max")
            options.etatsMax = uint64_t(Entier(valeur()));
        else if (a == "--exclure") {
            std::ifstream f(valeur(), std::ios::binary);
            std::ostringstream texte;
            texte << f.rdbuf();
            exclus = LitEnsembleTexte(texte.str()).niveaux;
        } else
            throw std::invalid_argument("option inconnue : " + a + "\n" + Usage);
    }
    std::mt19937 alea(graine);
    std::vector<Candidat> gardes;
    for (int essai = 0; essai < essais && int(gardes.size()) < garde; ++essai) {
        const TNiveau n = GenereNiveau(p, alea);
        if (!DefautPlateau(n).empty())
            continue;
        auto semblable = [&](const TNiveau& autre) { return Semblables(n, autre); };
        if (std::any_of(exclus.begin(), exclus.end(), semblable) ||
            std::any_of(gardes.begin(), gardes.end(),
                        [&](const Candidat& c) { return semblable(c.niveau); }))
            continue;
        const ResultatSolveur r = Resous(n, options);
        if (r.verdict != VerdictSolveur::Resolu)
            continue;
        const MesureNiveau m = Mesure(n, r);
        if (m.codes < codes.min || m.codes > codes.max || m.changements < changements ||
            m.appuisCarre < appuis || m.arretsBoule < arretsBoule)
            continue;
        gardes.push_back({n, m});
    }
    std::stable_sort(gardes.begin(), gardes.end(), [](const Candidat& a, const Candidat& b) {
        return a.mesure.codes < b.mesure.codes;
    });
    EnsembleTexte e{"CANDIDAT", "Candidats", "CANDIDAT", {}};
    for (std::size_t i = 0; i < gardes.size(); ++i) {
        const MesureNiveau& m = gardes[i].mesure;
        e.niveaux.push_back(gardes[i].niveau);
        std::cerr << "niveau " << i + 1 << " : " << m.codes << " codes, " << m.coups << " coups, "
                  << m.changements << " changements, " << m.coupsCarre << " du carré, "
                  << m.appuisCarre << " appuis, " << m.arretsZelmite << " arrêts, " << m.arretsBoule
                  << " sur la boule, " << int(gardes[i].niveau.NbZelmites) << " zelmites, "
                  << m.etats << " états\n";
    }
    std::cout << EcritEnsembleTexte(e);
    return 0;
} catch (const std::exception& e) {
    std::cerr << "zorvane-generateur : " << e.what() << "\n";
    return 2;
}
