#include "Audio.h"
#include "DossierTemporaire.h"
#include "FixturesAudio.h"
#include "Musique.h"

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

using namespace zorvane;
using namespace std::chrono_literals;
using zorvane::test::DossierTemporaire;
using zorvane::test::EcritWav;

namespace {

using Horloge = std::chrono::steady_clock;

class Effets : public testing::Test {
  protected:
    Effets() {
        for (const char* nom :
             {"PILO.WAV", "move01.wav", "move02.wav", "zelmite.wav", "slotclck.wav"})
            EcritWav(jeu.chemin() / nom, 2s);
    }

    fs::path Son(const char* nom) const { return jeu.chemin() / nom; }

    DossierTemporaire jeu;
    TAudio audio;
};

struct Appel {
    const char* fichier;
    uint8_t rang;
};

struct CasDeRang {
    const char* situation;
    std::vector<Appel> appels;
    const char* entendu; // nullptr: the channel is silent
    uint8_t etat;
};

TEST_F(Effets, TheRankRuleDecidesWhichEffectSounds) {
    const CasDeRang cas[] = {
        {"a move from silence", {{"move01.wav", 2}}, "move01.wav", 2},
        {"a gem cuts a move", {{"move01.wav", 2}, {"zelmite.wav", 1}}, "zelmite.wav", 1},
        {"a gem cuts a switch", {{"slotclck.wav", 2}, {"zelmite.wav", 1}}, "zelmite.wav", 1},
        {"a gem cuts the start-up sound", {{"PILO.WAV", 1}, {"zelmite.wav", 1}}, "zelmite.wav", 1},
        {"a move is dropped during a gem",
         {{"zelmite.wav", 1}, {"move01.wav", 2}},
         "zelmite.wav",
         2},
        {"a switch is dropped during the start-up sound",
         {{"PILO.WAV", 1}, {"slotclck.wav", 2}},
         "PILO.WAV",
         2},
        {"two moves cut each other", {{"move01.wav", 2}, {"move02.wav", 2}}, "move02.wav", 2},
        {"a switch cuts a move", {{"move02.wav", 2}, {"slotclck.wav", 2}}, "slotclck.wav", 2},
        {"after a dropped move the next move cuts the gem",
         {{"zelmite.wav", 1}, {"move01.wav", 2}, {"move02.wav", 2}},
         "move02.wav",
         2},
        {"three gems in one move",
         {{"move01.wav", 2}, {"zelmite.wav", 1}, {"zelmite.wav", 1}, {"zelmite.wav", 1}},
         "zelmite.wav",
         1},
        {"a missing file cuts like any other", {{"move01.wav", 2}, {"absent.wav", 2}}, nullptr, 2},
        {"a missing file is dropped like any other",
         {{"zelmite.wav", 1}, {"absent.wav", 2}},
         "zelmite.wav",
         2},
    };
    for (const CasDeRang& c : cas) {
        SCOPED_TRACE(c.situation);
        Mix_HaltChannel(-1);
        uint8_t RangSon = 0;
        for (const Appel& a : c.appels)
            audio.JoueSon(RangSon, Son(a.fichier), a.rang);
        EXPECT_EQ(audio.sonEnCours(), c.entendu ? Son(c.entendu) : fs::path());
        EXPECT_EQ(RangSon, c.etat);
    }
}

TEST_F(Effets, AGemSoundRestartsTheGemSoundStillPlaying) {
    EcritWav(Son("zelmite.wav"), 1000ms);
    uint8_t RangSon = 0;
    const auto debut = Horloge::now();
    audio.JoueSon(RangSon, Son("zelmite.wav"), 1);
    std::this_thread::sleep_until(debut + 600ms);
    audio.JoueSon(RangSon, Son("zelmite.wav"), 1);
    // The first one would have ended at 1000 ms; the restarted one ends at 1600 ms.
    std::this_thread::sleep_until(debut + 1250ms);
    EXPECT_EQ(audio.sonEnCours(), Son("zelmite.wav"));
}

TEST_F(Effets, ABlockingEffectReturnsWhenItHasEndedAndLeavesTheRankAlone) {
    EcritWav(Son("applau.wav"), 300ms);
    uint8_t RangSon = 2;
    audio.JoueSon(RangSon, Son("move01.wav"), 2);
    uint8_t etatFenetre = 7;
    const auto debut = Horloge::now();
    audio.JoueSon(etatFenetre, Son("applau.wav"), 0);
    EXPECT_GE(Horloge::now() - debut, 300ms);
    EXPECT_EQ(audio.sonEnCours(), fs::path()); // the move sound was cut off for good
    EXPECT_EQ(etatFenetre, 7);
    EXPECT_EQ(RangSon, 2);
}

TEST_F(Effets, ABlockingEffectWithoutItsFileCutsTheEffectAndReturns) {
    uint8_t RangSon = 0;
    audio.JoueSon(RangSon, Son("move01.wav"), 2);
    uint8_t etat = 0;
    audio.JoueSon(etat, Son("absent.wav"), 0);
    EXPECT_EQ(audio.sonEnCours(), fs::path());
}

TEST_F(Effets, DamagedWavFilesAreSilent) {
    jeu.ecrit("vide.wav", {});
    jeu.ecrit("faux.wav", {'R', 'I', 'F', 'F', 0xff, 0xff, 0xff, 0x7f, 'W', 'A', 'V', 'E'});
    uint8_t RangSon = 0;
    for (const char* nom : {"vide.wav", "faux.wav"}) {
        SCOPED_TRACE(nom);
        audio.JoueSon(RangSon, Son(nom), 2);
        EXPECT_EQ(audio.sonEnCours(), fs::path());
        audio.JoueSon(RangSon, Son(nom), 0);
    }
}

TEST(SansPeripherique, TheGameRunsSilentAfterOneLineOnStandardError) {
    DossierTemporaire jeu;
    EcritWav(jeu.chemin() / "GORBUL.WAV", 2s);
    setenv("SDL_AUDIODRIVER", "aucun-pilote", 1);
    testing::internal::CaptureStderr();
    {
        TAudio audio;
        const std::string sortie = testing::internal::GetCapturedStderr();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        EXPECT_FALSE(audio.actif());
        EXPECT_EQ(std::count(sortie.begin(), sortie.end(), '\n'), 1) << sortie;

        uint8_t etat = 0;
        const auto debut = Horloge::now();
        audio.JoueSon(etat, jeu.chemin() / "GORBUL.WAV", 0);
        EXPECT_LT(Horloge::now() - debut, 2s);
        audio.JoueSon(etat, jeu.chemin() / "GORBUL.WAV", 2);
        EXPECT_EQ(audio.sonEnCours(), fs::path());
        EXPECT_EQ(etat, 2);

        // The choices are kept for options.dat though no piece can play.
        TMusique musique(audio, jeu.chemin());
        musique.choisit(5);
        EXPECT_EQ(musique.morceauCourant(), 5);
        EXPECT_EQ(musique.octetOptions(), 5);
        musique.aleatoire();
        EXPECT_EQ(musique.octetOptions(), 21);
    }
}

// Without a sound card, ALSA and whatever SDL tries on its own keep quiet: the game's line is all
// that reaches standard error.
TEST(SansPeripherique, OnlyTheGamesLineReachesStandardError) {
    for (const char* pilote : {"alsa", ""}) {
        SCOPED_TRACE(*pilote ? pilote : "SDL's own choice");
        if (*pilote)
            setenv("SDL_AUDIODRIVER", pilote, 1);
        else
            unsetenv("SDL_AUDIODRIVER");
        testing::internal::CaptureStderr();
        bool actif = false;
        {
            TAudio audio;
            actif = audio.actif();
        }
        const std::string sortie = testing::internal::GetCapturedStderr();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (actif) {
            std::printf("a sound device opened: nothing to check with %s\n", pilote);
            continue;
        }
        EXPECT_TRUE(sortie.starts_with("Zorvane : pas de périphérique audio")) << sortie;
        EXPECT_EQ(std::count(sortie.begin(), sortie.end(), '\n'), 1) << sortie;
    }
}

} // namespace
