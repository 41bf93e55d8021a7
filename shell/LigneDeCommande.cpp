#include "LigneDeCommande.h"

#include <string_view>

#ifndef ZORVANE_VERSION
#error "ZORVANE_VERSION: the build gives the project's version"
#endif

namespace zorvane {

namespace {

TLigneDeCommande Refus(std::string texte) {
    TLigneDeCommande l;
    l.action = TLigneDeCommande::Action::Erreur;
    l.erreur = std::move(texte) + "\nEssayez « zorvane --help » pour plus d'informations.";
    return l;
}

} // namespace

TLigneDeCommande LitLigneDeCommande(int argc, const char* const* argv) {
    TLigneDeCommande l;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--help" || a == "-h")
            l.action = TLigneDeCommande::Action::Aide;
        else if (a == "--version")
            l.action = TLigneDeCommande::Action::Version;
        else if (a == "--dossier" || a.starts_with("--dossier=")) {
            std::string_view d;
            if (a == "--dossier") {
                if (i + 1 >= argc)
                    return Refus("zorvane : l'option « --dossier » attend un dossier");
                d = argv[++i];
            } else
                d = a.substr(std::string_view("--dossier=").size());
            if (d.empty())
                return Refus("zorvane : l'option « --dossier » attend un dossier");
            if (l.dossier)
                return Refus("zorvane : l'option « --dossier » est donnée deux fois");
            l.dossier = std::filesystem::path(d);
        } else if (a.starts_with("--"))
            return Refus("zorvane : option inconnue « " + std::string(a) + " »");
        // Anything else belongs to the window toolkit.
        if (l.action != TLigneDeCommande::Action::Jouer)
            return l; // --help and --version win over what follows
    }
    return l;
}

std::string TexteAide() {
    return "Utilisation : zorvane [OPTION]...\n"
           "Zorvane, jeu de réflexion : la boule, le carré et les zelmites, avec un éditeur de "
           "niveaux.\n"
           "\n"
           "  --dossier DOSSIER  lit et écrit tout dans DOSSIER (ensembles de niveaux, options,\n"
           "                     parties enregistrées)\n"
           "  -h, --help         affiche cette aide et quitte\n"
           "      --version      affiche la version et quitte\n"
           "\n"
           "Sans option, le jeu lit ses données dans son dossier d'installation et écrit celles\n"
           "du joueur dans $XDG_DATA_HOME/zorvane (par défaut ~/.local/share/zorvane). Un dossier\n"
           "où se trouvent l'exécutable et un dossier niveaux où le joueur peut écrire sert aux\n"
           "deux à la fois (mode portable).\n";
}

std::string TexteVersion() {
    return "Zorvane, version " ZORVANE_VERSION "\n";
}

} // namespace zorvane
