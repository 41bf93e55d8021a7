// Sound and music through the window's menus, on SDL's dummy audio driver: the start-up sound
// and the rank rule during a move, the music menu and the byte written back at exit.
#include "Audio.h"
#include "Controles.h"
#include "Dialogues.h"
#include "Fixture.h"
#include "FixturesAudio.h"
#include "MainForm.h"
#include "Musique.h"

#include <QAction>
#include <QToolButton>
#include <QtTest/QTest>
#include <memory>

using namespace zorvane;
using namespace zorvane::test;
using namespace std::chrono_literals;

namespace {

void Musiques(const DossierJeu& d, std::initializer_list<int> numeros) {
    std::filesystem::create_directories(d.chemin() / "musique");
    for (int n : numeros)
        EcritMidi(d.chemin() / "musique" / (std::to_string(n) + ".mid"));
}

uint8_t OctetEcrit(const DossierJeu& d) {
    return d.lit("options.dat")[266];
}

} // namespace

class TestSonsFenetre : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { qputenv("SDL_AUDIODRIVER", "dummy"); }

    void sonDeDemarrageEtRangs() {
        DossierJeu d;
        d.options.EffetsSonores = 1;
        EcritOptions(d.chemin(), d.options);
        EcritWav(d.chemin() / "PILO.WAV", 1500ms);
        EcritWav(d.chemin() / "move01.wav", 400ms);
        EcritWav(d.chemin() / "zelmite.wav", 300ms);
        d.Ensemble("UN", {{"o.*.*#", "", "x", "", "*"}});
        TMainForm f(d.qchemin(), DelaisDeTest());
        QVERIFY(f.Audio()->actif());
        QCOMPARE(f.Audio()->sonEnCours(), d.chemin() / "PILO.WAV");
        f.show();
        Bouton(f, "NouveauSB")->click();
        // The move sound is dropped while the start-up sound plays; a gem cuts through.
        QTest::keyClick(&f, Qt::Key_Right);
        QCOMPARE(f.Audio()->sonEnCours(), d.chemin() / "zelmite.wav");
        QCOMPARE(int(f.RangSon()), 1);
    }

    void menuDeMusique() {
        DossierJeu d;
        Musiques(d, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20});
        d.options.ChoixMusique = 7;
        EcritOptions(d.chemin(), d.options);
        {
            TMainForm f(d.qchemin(), DelaisDeTest());
            QVERIFY(Action(f, qPrintable(QString("Mus%1").arg(7)))->isChecked());
            QCOMPARE(f.Musique()->morceauCourant(), 7);
            Action(f, qPrintable(QString("Mus%1").arg(7)))
                ->trigger(); // the current piece again: nothing changes
            QCOMPARE(f.Musique()->morceauCourant(), 7);
            Action(f, qPrintable(QString("Mus%1").arg(3)))->trigger();
            QCOMPARE(f.Musique()->morceauCourant(), 3);
            QString texte;
            RepondMessage("OK", &texte);
            Action(f, qPrintable(QString("Mus%1").arg(12)))
                ->trigger(); // no 12.mid: the error box, and piece 3 stays current
            QVERIFY(texte.contains("12.mid"));
            QCOMPARE(f.Musique()->morceauCourant(), 3);
            f.close();
        }
        QCOMPARE(OctetEcrit(d), 3);
        Musiques(d, {12});
        {
            TMainForm f(d.qchemin(), DelaisDeTest());
            Action(f, "MusOff")->trigger();
            QCOMPARE(f.Musique()->morceauCourant(), 0);
            Action(f, "MusRandom")->trigger(); // from silence, random play starts a piece at once
            QVERIFY(f.Musique()->morceauCourant() >= 1 && f.Musique()->morceauCourant() <= 20);
            f.close();
        }
        QCOMPARE(OctetEcrit(d), 21);
        {
            TMainForm f(d.qchemin(), DelaisDeTest());
            QVERIFY(Action(f, "MusRandom")->isChecked());
            Action(f, "MusOff")->trigger();
            f.close();
        }
        QCOMPARE(OctetEcrit(d), 0);
    }

    void effetsSonoresF6() {
        DossierJeu d;
        TMainForm f(d.qchemin(), DelaisDeTest());
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QVERIFY(!Action(f, "SonM")->isChecked());
        QTest::keyClick(&f, Qt::Key_F6);
        QVERIFY(Action(f, "SonM")->isChecked());
        f.close();
        QCOMPARE(d.lit("options.dat")[267], uint8_t(1));
    }
};

QTEST_MAIN(TestSonsFenetre)
#include "test_sons_fenetre.moc"
