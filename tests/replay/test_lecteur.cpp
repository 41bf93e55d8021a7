// The countdown and the solution player through the window: the hidden code, the replay on the
// copy, pause, rewind and eject.
#include "Controles.h"
#include "Dialogues.h"
#include "Fixture.h"
#include "LecteurSoluce.h"
#include "MainForm.h"
#include "Soluce.h"

#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>
#include <memory>

using namespace zorvane;
using namespace zorvane::test;

namespace {

// Solved by: switch, square right (out of the ball's way), switch, ball down across the gem.
const std::vector<std::string> Niveau = {"o......#", "", "x", "", "", "", "*"};

void StockeSolution(const DossierJeu& d) {
    TJournal j;
    j.NomFichier = "SET";
    for (auto [dx, dy] : {std::pair{0, 0}, {1, 0}, {0, 0}, {0, 1}})
        AjouteCoup(j, int8_t(dx), int8_t(dy));
    TSoluce l;
    l.NomFichier = "SET";
    LitIndex(d.chemin(), l, 1);
    EnregistreSoluce(d.chemin(), j, 1, CopieIndex(l));
}

// The countdown's and the player's objects, found by name as a player finds them on screen.
struct Lecteur {
    explicit Lecteur(TMainForm& f)
        : TimerCompte(Controle<QTimer>(f, "TimerCompte")), Timer(Controle<QTimer>(f, "Timer")),
          SolucePanel(Controle<QWidget>(f, "SolucePanel")),
          TrackBar(Controle<QSlider>(f, "TrackBar")), NouveauSB(Bouton(f, "NouveauSB")),
          SolutionSB(Bouton(f, "SolutionSB")), PauseSB(Bouton(f, "PauseSB")),
          RewindSB(Bouton(f, "RewindSB")), EjectSB(Bouton(f, "EjectSB")),
          SBPanel(Controle<QWidget>(f, "SBPanel")), ImgSwap(Controle<QWidget>(f, "ImgSwap")),
          lecteur(*Controle<TLecteurSoluce>(f, "Lecteur")) {}
    QTimer* TimerCompte;
    QTimer* Timer;
    QWidget* SolucePanel;
    QSlider* TrackBar;
    QToolButton* NouveauSB;
    QToolButton* SolutionSB;
    QToolButton* PauseSB;
    QToolButton* RewindSB;
    QToolButton* EjectSB;
    QWidget* SBPanel;
    QWidget* ImgSwap;
    TLecteurSoluce& lecteur;
};

void TapeCode(TMainForm& f) {
    // The code is stored newest letter first: it is typed in the reverse order.
    for (QChar c : QString("YMLPRJKVWXZQ"))
        QTest::keyClick(&f, Qt::Key(c.unicode()));
}

} // namespace

class TestLecteur : public QObject {
    Q_OBJECT
  private slots:

    void sansSolutionPasDeCompte() {
        DossierJeu d;
        d.Ensemble("SET", {Niveau});
        TMainForm f(d.qchemin(), DelaisDeTest());
        const Lecteur l(f);
        f.show();
        l.NouveauSB->click();
        QCOMPARE(l.SolutionSB->toolTip(), QString("Pas de solution pour ce niveau"));
        QVERIFY(!l.TimerCompte->isActive());
        TapeCode(f);
        QTest::qWait(1200);
        QVERIFY(!l.SolutionSB->isEnabled());
    }

    void codeEtRelecture() {
        DossierJeu d;
        d.Ensemble("SET", {Niveau, Niveau});
        StockeSolution(d);
        TMainForm f(d.qchemin(), DelaisDeTest());
        const Lecteur l(f);
        f.show();
        l.NouveauSB->click();
        QCOMPARE(l.SolutionSB->toolTip(), QString("Solution disponible dans 5 minutes"));
        QVERIFY(l.TimerCompte->isActive());
        // The player moves the ball first: the replay must not disturb this game.
        QTest::keyClick(&f, Qt::Key_Down);
        QTest::keyClick(&f, Qt::Key_Space);
        const TNiveau jeu = f.JeuEnCours().Niveau();
        TapeCode(f);
        QTRY_VERIFY_WITH_TIMEOUT(l.SolutionSB->isEnabled(), 2500);
        QCOMPARE(l.SolutionSB->toolTip(), QString("Solution disponible"));
        QVERIFY(f.Frappe().empty());

        l.TrackBar->setValue(9);
        l.SolutionSB->click();
        QVERIFY(!l.SolucePanel->isHidden());
        QVERIFY(l.SBPanel->isHidden());
        QCOMPARE(l.Timer->interval(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(NiveauFini(f.NiveauSoluce().Niveau()), 3000);
        QCOMPARE(f.NiveauSoluce().Niveau().PosBoule, (TPosition{0, 11}));
        QCOMPARE(f.JeuEnCours().Niveau(), jeu);

        // Rewind: the start again; a second rewind before any move does nothing.
        l.PauseSB->click();
        l.RewindSB->click();
        QVERIFY(l.lecteur.AuDebut());
        QCOMPARE(f.NiveauSoluce().Niveau().PosBoule, (TPosition{0, 0}));
        QVERIFY(!l.Timer->isActive()); // paused stays paused
        // A click on the active-piece image switches nothing during the replay: like the keys,
        // it belongs to the game, which waits for the eject; the replay keeps its own pieces.
        const TJournal journal = f.JeuEnCours().Journal();
        QTest::mouseClick(l.ImgSwap, Qt::LeftButton);
        QVERIFY(f.NiveauSoluce().Boule());
        QVERIFY(!f.JeuEnCours().Boule());
        QCOMPARE(f.JeuEnCours().Journal().NbCodes, journal.NbCodes);
        QCOMPARE(f.JeuEnCours().Journal().Attente, journal.Attente);
        // A second rewind would read the level file again: without it, that is an error box.
        const auto niv = d.lit("niveaux/SET.niv");
        std::filesystem::remove(d.chemin() / "niveaux/SET.niv");
        QCOMPARE(MessagesPendant([&] { l.RewindSB->click(); }), QStringList());
        QVERIFY(l.lecteur.AuDebut());
        d.ecrit("niveaux/SET.niv", niv);

        l.EjectSB->click();
        QVERIFY(l.SolucePanel->isHidden());
        QVERIFY(!l.SBPanel->isHidden());
        QCOMPARE(f.JeuEnCours().Niveau(), jeu);
        QVERIFY(!f.JeuEnCours().Boule()); // the square was active, and still is
        QVERIFY(!l.Timer->isActive());
        QVERIFY(!l.TimerCompte->isActive()); // the countdown is over: it does not start again
        QTest::keyClick(&f, Qt::Key_Right);  // play goes on by keys
        QCOMPARE(f.JeuEnCours().Niveau().PosCarre, (TPosition{15, 2}));
    }

    void solutionEndommageeNeBloquePas() {
        DossierJeu d;
        d.Ensemble("SET", {Niveau});
        // A stored "solution" of moves that cannot all be made: up first, then left.
        TJournal j;
        j.NomFichier = "SET";
        AjouteCoup(j, 0, -1);
        AjouteCoup(j, -1, 0);
        TSoluce index;
        index.NomFichier = "SET";
        LitIndex(d.chemin(), index, 1);
        EnregistreSoluce(d.chemin(), j, 1, CopieIndex(index));
        TMainForm f(d.qchemin(), DelaisDeTest());
        const Lecteur l(f);
        f.show();
        l.NouveauSB->click();
        TapeCode(f);
        QTRY_VERIFY_WITH_TIMEOUT(l.SolutionSB->isEnabled(), 2500);
        l.TrackBar->setValue(9);
        l.SolutionSB->click();
        QTRY_VERIFY_WITH_TIMEOUT(!l.lecteur.EnLecture(), 2000);
        QCOMPARE(f.NiveauSoluce().Niveau().PosBoule, (TPosition{0, 0}));
        l.EjectSB->click();
    }
};

QTEST_MAIN(TestLecteur)
#include "test_lecteur.moc"
