// Composes the game's twenty pieces into GAME_FOLDER/musique/1.mid to 20.mid, then reads each
// file back and checks it: 40 to 120 seconds long, and notes on every channel it uses.
#include "Arrangeur.h"
#include "LectureSmf.h"
#include "Morceau.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using namespace zorvane::musique;

bool Verifie(const std::filesystem::path& chemin, const Morceau& m) {
    std::ifstream f(chemin, std::ios::binary);
    const std::vector<uint8_t> octets{std::istreambuf_iterator<char>(f), {}};
    const auto r = LitSmf(octets);
    if (!r) {
        std::fprintf(stderr, "%s: cannot read it back\n", chemin.c_str());
        return false;
    }
    const double secondes = Secondes(r->tempos, r->fin);
    std::printf("%-7s %-20s %5.1f s  notes: tune %3d (%d-%d), chords %4d, bass %3d (%d-%d), "
                "pad %3d, drums %4d\n",
                chemin.filename().c_str(), m.titre.c_str(), secondes, r->notes[Canaux[0]],
                r->plusGrave[Canaux[0]], r->plusAigu[Canaux[0]], r->notes[Canaux[1]],
                r->notes[Canaux[2]], r->plusGrave[Canaux[2]], r->plusAigu[Canaux[2]],
                r->notes[Canaux[3]], r->notes[Canaux[4]]);
    bool bon = secondes >= 40 && secondes <= 120;
    if (!bon)
        std::fprintf(stderr, "%s lasts %.1f s\n", m.titre.c_str(), secondes);
    for (uint8_t canal : Canaux)
        if (r->notes[canal] == 0) {
            std::fprintf(stderr, "%s: channel %d has no note\n", m.titre.c_str(), canal + 1);
            bon = false;
        }
    return bon;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s GAME_FOLDER\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path dossier = std::filesystem::path(argv[1]) / "musique";
        std::filesystem::create_directories(dossier);
        bool bon = true;
        int numero = 0;
        for (const Morceau& m : Catalogue()) {
            const auto chemin = dossier / (std::to_string(++numero) + ".mid");
            Resume r{};
            EcritSmf(chemin, Arrange(m, r));
            bon = Verifie(chemin, m) && bon;
        }
        return bon ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
