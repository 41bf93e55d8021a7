#include "Audio.h"

#include "LectureBornee.h"
#include "Musique.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <alsa/asoundlib.h>

#include <condition_variable>
#include <iostream>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>

namespace zorvane {

namespace {

constexpr int CanalEffets = 0;
constexpr int FrequenceSortie = 44100;
constexpr std::size_t TailleMaxEffet = 16 << 20;
constexpr const char* PoliceSonore = "/usr/share/sounds/sf2/TimGM6mb.sf2";

TAudio* ouvert = nullptr;

// The end of an effect, reported by the mixer from the audio thread (or from a halt call).
std::mutex verrouFin;
std::condition_variable finEffet;
uint64_t effetsFinis = 0;

void SDLCALL EffetFini(int) {
    {
        std::lock_guard l(verrouFin);
        ++effetsFinis;
    }
    finEffet.notify_all();
}

uint64_t EffetsFinis() {
    std::lock_guard l(verrouFin);
    return effetsFinis;
}

// ALSA writes its own lines on standard error when it finds no card or no configuration; the
// game says it once in its own words. ALSA is one library per process, also when SDL loads it.
void AlsaSilencieux(const char*, int, const char*, int, const char*, ...) {}

std::string ErreurSdl() {
    std::string e = SDL_GetError();
    for (char& c : e)
        if (c == '\n' || c == '\r')
            c = ' ';
    return e;
}

} // namespace

TAudio::TAudio() {
    if (ouvert)
        throw std::logic_error("TAudio: the audio device is already open");
    ouvert = this;
    snd_lib_error_set_handler(AlsaSilencieux);
    // SIGTERM and SIGINT belong to the window, which closes the game properly on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0) {
        std::cerr << "Zorvane : pas de périphérique audio, le jeu reste silencieux (" << ErreurSdl()
                  << ")" << std::endl;
        return;
    }
    if (Mix_OpenAudio(FrequenceSortie, AUDIO_S16SYS, 2, TramesTampon) < 0) {
        std::cerr << "Zorvane : pas de périphérique audio, le jeu reste silencieux (" << ErreurSdl()
                  << ")" << std::endl;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    actif_ = true;
    Uint16 format = 0;
    int canaux = 0;
    Mix_QuerySpec(&frequence_, &format, &canaux);
    octetsParTrame_ = canaux * int(SDL_AUDIO_BITSIZE(format) / 8);
    latence_ = std::chrono::microseconds(int64_t(TramesTampon) * 1000000 / frequence_);
    Mix_Init(MIX_INIT_MID);
    Mix_SetSoundFonts(PoliceSonore);
    Mix_VolumeMusic(VolumeMusique);
    Mix_AllocateChannels(1);
    Mix_ChannelFinished(EffetFini);
}

TAudio::~TAudio() {
    if (musique_)
        musique_->OublieAudio();
    if (actif_) {
        Mix_HookMusicFinished(nullptr);
        Mix_HaltMusic();
        Mix_ChannelFinished(nullptr);
        Mix_HaltChannel(-1);
        for (auto& [chemin, son] : sons_)
            Mix_FreeChunk(son);
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    ouvert = nullptr;
}

void TAudio::JoueSon(uint8_t& etat, const fs::path& chemin, uint8_t rang) {
    if (rang == 0) {
        JoueBloquant(chemin);
        return;
    }
    const bool sansArret = etat < rang;
    etat = rang;
    if (!actif_)
        return;
    if (sansArret) {
        if (Mix_Playing(CanalEffets))
            return;
    } else {
        Mix_HaltChannel(CanalEffets);
    }
    if (Mix_Chunk* son = Charge(chemin))
        Mix_PlayChannel(CanalEffets, son, 0);
}

void TAudio::JoueBloquant(const fs::path& chemin) {
    if (!actif_)
        return;
    Mix_HaltChannel(CanalEffets);
    Mix_Chunk* son = Charge(chemin);
    if (!son)
        return;
    // The channel is silent now, so the next end reported is this sound's.
    const uint64_t avant = EffetsFinis();
    const auto debut = std::chrono::steady_clock::now();
    if (Mix_PlayChannel(CanalEffets, son, 0) < 0)
        return;
    // The mixer reports the end when it has mixed the last samples; the loudspeaker still has
    // one buffer to play, hence the latency.
    const auto fin = debut + Duree(*son) + latence_;
    {
        std::unique_lock l(verrouFin);
        // The margin only matters if the device stalls: the wait never outlasts the sound much.
        finEffet.wait_until(l, fin + std::chrono::seconds(1), [&] { return effetsFinis != avant; });
    }
    std::this_thread::sleep_until(fin);
    Mix_HaltChannel(CanalEffets);
}

fs::path TAudio::sonEnCours() const {
    if (!actif_ || !Mix_Playing(CanalEffets))
        return {};
    const Mix_Chunk* son = Mix_GetChunk(CanalEffets);
    for (const auto& [chemin, charge] : sons_)
        if (charge == son)
            return chemin;
    return {};
}

Mix_Chunk* TAudio::Charge(const fs::path& chemin) {
    if (auto trouve = sons_.find(chemin); trouve != sons_.end())
        return trouve->second;
    const auto octets = LitFichierBorne(chemin, TailleMaxEffet);
    if (!octets || octets->empty())
        return nullptr;
    Mix_Chunk* son = Mix_LoadWAV_RW(SDL_RWFromConstMem(octets->data(), int(octets->size())), 1);
    if (son)
        sons_.emplace(chemin, son);
    return son;
}

std::chrono::microseconds TAudio::Duree(const Mix_Chunk& son) const {
    const int64_t trames = int64_t(son.alen) / octetsParTrame_;
    return std::chrono::microseconds(trames * 1000000 / frequence_);
}

} // namespace zorvane
