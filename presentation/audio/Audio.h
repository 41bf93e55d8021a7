// The game's audio device. Sound effects play on one SDL_mixer channel, music on the mixer's
// music stream (see Musique.h). Without a device the game runs silent: every call does nothing.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>

struct Mix_Chunk;

namespace zorvane {

namespace fs = std::filesystem;

class TMusique;

class TAudio {
  public:
    // Frames of one buffer of the device: about 23 ms at 44100 Hz, the effects' latency.
    static constexpr int TramesTampon = 1024;
    // The music plays under the effects: the synthesiser's gain goes up to 1.2 at full volume,
    // which would saturate the mix.
    static constexpr int VolumeMusique = 40;

    // Opens the audio device. When there is none, says so in one line on standard error and
    // stays silent. One TAudio exists at a time.
    TAudio();
    ~TAudio();
    TAudio(const TAudio&) = delete;
    TAudio& operator=(const TAudio&) = delete;

    bool actif() const { return actif_; }

    // Plays the WAV effect at chemin.
    // - Rank 0: cuts off the effect still sounding, plays this one and returns when it has
    //   ended. etat is neither read nor changed.
    // - Rank 1 or more, etat lower than the rank: starts it only if no effect is sounding.
    // - Rank 1 or more, etat equal or higher: cuts off the effect sounding and starts it.
    //   In both asynchronous cases etat becomes the rank, also when nothing was played.
    // A smaller rank is the more important sound. A missing or unreadable file is silent.
    void JoueSon(uint8_t& etat, const fs::path& chemin, uint8_t rang);

    // The file of the effect sounding now, or an empty path when the effects channel is silent.
    fs::path sonEnCours() const;

  private:
    friend class TMusique;

    void JoueBloquant(const fs::path& chemin);
    Mix_Chunk* Charge(const fs::path& chemin);
    std::chrono::microseconds Duree(const Mix_Chunk& son) const;

    bool actif_ = false;
    int frequence_ = 0;
    int octetsParTrame_ = 0;
    std::chrono::microseconds latence_{0}; // one buffer of the device
    std::map<fs::path, Mix_Chunk*> sons_;  // decoded effects, kept until the device closes
    TMusique* musique_ = nullptr;          // stopped before the device closes
};

} // namespace zorvane
