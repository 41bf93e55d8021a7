// Renders a MIDI piece through the game's own path, SDL_mixer and its FluidSynth back end with
// the TimGM6mb sound font, into a WAV file, in real time: the synthesiser's sequencer follows the
// system clock, so a faster rendering would stretch the piece. Then it reports the length (or
// stops after the seconds given), the peak, the loudest second and any clipped sample. A tool
// for checking the music by its figures, run by hand.
#include "Audio.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

namespace {

std::mutex verrou;
std::condition_variable fini;
bool termine = false;

void SDLCALL FinDuMorceau() {
    {
        std::lock_guard l(verrou);
        termine = true;
    }
    fini.notify_all();
}

void EcritWav(const std::string& chemin, const std::vector<int16_t>& s) {
    std::ofstream f(chemin, std::ios::binary);
    auto mot = [&](uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            f.put(char(v >> (8 * i)));
    };
    const auto octets = uint32_t(s.size() * 2);
    f.write("RIFF", 4);
    mot(36 + octets, 4);
    f.write("WAVEfmt ", 8);
    mot(16, 4);
    mot(1, 2);
    mot(2, 2);
    mot(44100, 4);
    mot(44100 * 4, 4);
    mot(4, 2);
    mot(16, 2);
    f.write("data", 4);
    mot(octets, 4);
    f.write(reinterpret_cast<const char*>(s.data()), std::streamsize(octets));
}

// Plays the piece once on the game's device, whose output goes to the file brut.
bool Joue(const char* piece, const std::string& brut, double secondes) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", brut.c_str(), 1);
    // One buffer's time per buffer written: real time.
    const int delai = zorvane::TAudio::TramesTampon * 1000 / 44100;
    setenv("SDL_DISKAUDIODELAY", std::to_string(delai).c_str(), 1);
    zorvane::TAudio audio; // the game's device: format, sound font, music volume
    if (!audio.actif())
        return false;
    int frequence = 0, canaux = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequence, &format, &canaux);
    if (frequence != 44100 || format != AUDIO_S16LSB || canaux != 2) {
        std::fprintf(stderr, "unexpected device: %d Hz, format %x, %d channels\n", frequence,
                     format, canaux);
        return false;
    }
    Mix_Music* musique = Mix_LoadMUS(piece);
    if (!musique) {
        std::fprintf(stderr, "%s: %s\n", piece, Mix_GetError());
        return false;
    }
    Mix_HookMusicFinished(FinDuMorceau);
    Mix_PlayMusic(musique, 1);
    {
        std::unique_lock l(verrou);
        if (secondes > 0)
            fini.wait_for(l, std::chrono::duration<double>(secondes), [] { return termine; });
        else
            fini.wait(l, [] { return termine; });
    }
    Mix_HookMusicFinished(nullptr);
    Mix_FreeMusic(musique);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s PIECE.mid OUT.wav [SECONDS]\n", argv[0]);
        return 2;
    }
    const std::string brut = std::string(argv[2]) + ".raw";
    if (!Joue(argv[1], brut, argc == 4 ? std::atof(argv[3]) : 0))
        return 1;

    std::ifstream f(brut, std::ios::binary);
    std::vector<char> octets((std::istreambuf_iterator<char>(f)), {});
    std::remove(brut.c_str());
    std::vector<int16_t> s(octets.size() / 2);
    std::memcpy(s.data(), octets.data(), s.size() * 2);
    // The end: the last sample above -60 dB.
    std::size_t fin = s.size();
    while (fin > 0 && std::abs(s[fin - 1]) < 33)
        --fin;
    s.resize((fin + 1) & ~std::size_t(1));
    EcritWav(argv[2], s);

    int crete = 0, ecretes = 0;
    double total = 0, maxSeconde = 0, seconde = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const int v = std::abs(int(s[i]));
        crete = std::max(crete, v);
        ecretes += v >= 32767;
        total += double(s[i]) * s[i];
        seconde += double(s[i]) * s[i];
        if ((i + 1) % (2 * 44100) == 0) {
            maxSeconde = std::max(maxSeconde, seconde / (2 * 44100));
            seconde = 0;
        }
    }
    auto db = [](double carre) { return 10 * std::log10(carre / (32768.0 * 32768.0) + 1e-12); };
    std::printf("%s: %.1f s, peak %.1f dBFS, rms %.1f dBFS, loudest second %.1f dBFS, %d clipped\n",
                argv[1], double(s.size()) / 2 / 44100, 20 * std::log10(crete / 32768.0 + 1e-12),
                db(total / double(std::max<std::size_t>(s.size(), 1))), db(maxSeconde), ecretes);
    return 0;
}
