// Writes the options.dat shipped with the game: arrow keys and space, the "clair" graphics set,
// random music and sound effects on.
#include "Options.h"

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s GAME_FOLDER\n", argv[0]);
        return 2;
    }
    zorvane::TOptions o;
    o.Haut = 38;   // up arrow
    o.Bas = 40;    // down arrow
    o.Gauche = 37; // left arrow
    o.Droite = 39; // right arrow
    o.Change = 32; // space
    o.NomGraphisme = "clair";
    o.ChoixMusique = zorvane::MusiqueAleatoire;
    o.EffetsSonores = 1;
    try {
        zorvane::EcritOptions(argv[1], o);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
