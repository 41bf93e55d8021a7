#include "Audio.h"
#include "DossierTemporaire.h"
#include "FixturesAudio.h"
#include "Musique.h"
#include "Tirage.h"

#include <QSignalSpy>
#include <QTest>
#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace zorvane;
using zorvane::test::DossierTemporaire;
using zorvane::test::EcritMidi;

namespace {

// Long enough for a piece of the fixture (0.2 s) and the synthesiser's release after it.
constexpr int AttenteFinMs = 15000;

class Musique : public testing::Test {
  protected:
    Musique() {
        fs::create_directory(jeu.chemin() / "musique");
        for (int n = 1; n <= TMusique::NbMorceaux; ++n)
            EcritMidi(jeu.chemin() / TMusique::Fichier(n));
    }

    DossierTemporaire jeu;
    TAudio audio;
    TMusique musique{audio, jeu.chemin()};
    QSignalSpy demarres{&musique, &TMusique::morceauDemarre};
    QSignalSpy erreurs{&musique, &TMusique::erreur};
};

TEST_F(Musique, ChoosingThePieceThatPlaysChangesNothing) {
    musique.choisit(7);
    ASSERT_EQ(demarres.count(), 1);
    musique.choisit(7);
    EXPECT_EQ(demarres.count(), 1);
    EXPECT_EQ(musique.morceauCourant(), 7);
    EXPECT_TRUE(Mix_PlayingMusic());
}

TEST_F(Musique, ChoosingAnotherPieceStartsItAtOnce) {
    musique.choisit(3);
    musique.choisit(7);
    ASSERT_EQ(demarres.count(), 2);
    EXPECT_EQ(demarres.at(1).at(0).toInt(), 7);
    EXPECT_EQ(musique.morceauCourant(), 7);
    EXPECT_TRUE(Mix_PlayingMusic());
    // The halted piece 3 reports nothing that would restart or replace piece 7.
    QTest::qWait(100);
    EXPECT_EQ(demarres.count(), 2);
}

TEST_F(Musique, OffThenRandomStartsARandomPieceAtOnce) {
    musique.choisit(4);
    musique.off();
    EXPECT_FALSE(Mix_PlayingMusic());
    EXPECT_EQ(musique.morceauCourant(), 0);
    musique.aleatoire();
    ASSERT_EQ(demarres.count(), 2);
    const int tire = demarres.at(1).at(0).toInt();
    EXPECT_GE(tire, 1);
    EXPECT_LE(tire, 20);
    EXPECT_EQ(musique.morceauCourant(), tire);
    EXPECT_TRUE(musique.estAleatoire());
    EXPECT_TRUE(Mix_PlayingMusic());
}

TEST_F(Musique, RandomWhilePlayingMovesToAnotherPiece) {
    musique.choisit(9);
    musique.aleatoire();
    ASSERT_EQ(demarres.count(), 2);
    EXPECT_NE(musique.morceauCourant(), 9);
}

TEST_F(Musique, TheMusicByteOfTheOptions) {
    EXPECT_EQ(musique.octetOptions(), 0);
    musique.choisit(12);
    EXPECT_EQ(musique.octetOptions(), 12);
    musique.aleatoire();
    EXPECT_EQ(musique.octetOptions(), 21);
    musique.choisit(20);
    EXPECT_EQ(musique.octetOptions(), 20);
    musique.off();
    EXPECT_EQ(musique.octetOptions(), 0);
}

TEST_F(Musique, RandomPlayNeverRepeatsThePieceThatEnded) {
    musique.aleatoire();
    for (int fin = 0; fin < 2; ++fin) {
        const int fini = musique.morceauCourant();
        const int avant = demarres.count();
        ASSERT_TRUE(demarres.wait(AttenteFinMs));
        ASSERT_EQ(demarres.count(), avant + 1);
        const int suivant = demarres.last().at(0).toInt();
        EXPECT_NE(suivant, fini);
        EXPECT_EQ(musique.morceauCourant(), suivant);
        EXPECT_TRUE(musique.estAleatoire());
    }
}

TEST_F(Musique, AChosenPieceRepeatsWithoutEnd) {
    musique.choisit(2);
    QTest::qWait(5000); // several times the piece's length with its release
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(musique.morceauCourant(), 2);
    EXPECT_EQ(demarres.count(), 1);
}

struct Fichierabime {
    const char* defaut;
    std::function<void(const DossierTemporaire&)> abime;
    const char* explication;
};

TEST_F(Musique, APieceThatCannotBeOpenedLeavesTheCurrentOneCurrent) {
    const Fichierabime cas[] = {
        {"missing", [](const DossierTemporaire& d) { fs::remove(d.chemin() / "musique/4.mid"); },
         "fichier introuvable"},
        {"empty", [](const DossierTemporaire& d) { d.ecrit("musique/4.mid", {}); }, "illisible"},
        {"not MIDI",
         [](const DossierTemporaire& d) {
             d.ecrit("musique/4.mid", {'M', 'T', 'h', 'd', 0xff});
         },
         "illisible"},
        {"a track cut short",
         [](const DossierTemporaire& d) {
             d.ecrit("musique/4.mid", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0,    0,  1,   1,   0xe0,
                                       'M', 'T', 'r', 'k', 0, 0, 0, 5, 0, 0x90, 60, 100, 0x85});
         },
         "illisible"},
        {"a track longer than the file",
         [](const DossierTemporaire& d) {
             d.ecrit("musique/4.mid", {'M',  'T', 'h', 'd', 0,   0, 0, 6,    0, 0, 0,    1,    1,
                                       0xe0, 'M', 'T', 'r', 'k', 0, 0, 0x10, 0, 0, 0xff, 0x2f, 0});
         },
         "illisible"},
    };
    for (const Fichierabime& c : cas) {
        SCOPED_TRACE(c.defaut);
        EcritMidi(jeu.chemin() / "musique/4.mid");
        musique.choisit(3);
        demarres.clear();
        erreurs.clear();
        c.abime(jeu);
        musique.choisit(4);
        ASSERT_EQ(erreurs.count(), 1);
        const QString message = erreurs.at(0).at(0).toString();
        EXPECT_TRUE(message.contains("musique/4.mid")) << message.toStdString();
        EXPECT_TRUE(message.contains(c.explication)) << message.toStdString();
        EXPECT_EQ(musique.morceauCourant(), 3);
        EXPECT_EQ(demarres.count(), 0);
        EXPECT_TRUE(Mix_PlayingMusic()); // piece 3 goes on
    }
}

TEST_F(Musique, AMissingPieceFromSilenceKeepsTheMusicOff) {
    fs::remove(jeu.chemin() / "musique/4.mid");
    musique.choisit(4);
    EXPECT_EQ(erreurs.count(), 1);
    EXPECT_EQ(musique.morceauCourant(), 0);
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(Musique, AfterClosingNothingPlaysOrRestarts) {
    musique.aleatoire();
    musique.ferme();
    EXPECT_FALSE(Mix_PlayingMusic());
    musique.choisit(5);
    musique.aleatoire();
    EXPECT_FALSE(Mix_PlayingMusic());
    EXPECT_EQ(demarres.count(), 1);
}

TEST(MusiqueEtPeripherique, TheDeviceMayCloseBeforeThePlayer) {
    DossierTemporaire jeu;
    fs::create_directory(jeu.chemin() / "musique");
    EcritMidi(jeu.chemin() / TMusique::Fichier(1));
    auto audio = std::make_unique<TAudio>();
    TMusique musique(*audio, jeu.chemin());
    musique.choisit(1);
    audio.reset();
    musique.choisit(2);
    musique.off();
    SUCCEED();
}

TEST(TirageDeMorceau, NeverTheCurrentPieceAndEveryOtherComesUp) {
    for (int courant = 0; courant <= 20; ++courant) {
        SCOPED_TRACE(courant);
        std::set<int> vus;
        Generateur g{uint32_t(courant) * 7919u};
        for (int i = 0; i < 2000; ++i) {
            const int n = TireMorceau(g, 20, courant);
            ASSERT_GE(n, 1);
            ASSERT_LE(n, 20);
            ASSERT_NE(n, courant);
            vus.insert(n);
        }
        EXPECT_EQ(vus.size(), courant == 0 ? 20u : 19u);
    }
}

TEST(TirageDeMorceau, ScalesTheGeneratorsStateToTheRange) {
    // Seed 12345: the first state is 0x62a6551e, which scales to 7 of 0..19, hence piece 8.
    Generateur g{12345};
    std::vector<int> tires;
    for (int i = 0; i < 8; ++i)
        tires.push_back(TireEntre1Et(g, 20));
    EXPECT_EQ(tires, (std::vector<int>{8, 6, 2, 12, 13, 7, 9, 2}));
}

} // namespace
