// Writes the game's seven sound effects into the folder given, and says what it wrote.
#include "Effets.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    using namespace zorvane::sons;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s GAME_FOLDER\n", argv[0]);
        return 2;
    }
    try {
        for (const Effet& e : Effets()) {
            Signal s = e.synthese();
            Finit(s, e.crete);
            EcritWav(std::filesystem::path(argv[1]) / e.fichier, s);
            const auto m = Analyse(s);
            std::printf("%-13s %5.2f s  peak %.2f  rms %.3f\n", e.fichier.c_str(), m.duree, m.crete,
                        m.efficace);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
