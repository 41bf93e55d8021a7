// The solution player on its own, served by a stand-in for the window that plays each move at
// once: the tape of a solution held in memory, read again from its start on rewind.
#include "DossierTemporaire.h"
#include "HoteLecteur.h"
#include "LecteurSoluce.h"
#include "Touches.h"

#include <QToolButton>
#include <QWidget>
#include <QtTest/QTest>

using namespace zorvane;
using namespace zorvane::test;

namespace {

struct Hote : HoteLecteur {
    std::filesystem::path Jeu() const override { return {}; }
    void AfficheNiveau(const TNiveau&, bool, bool, bool) override {}
    void DessineActif(bool boule) override { actif = boule; }
    void JoueGeste(TNiveauEnJeu& niveau, const Geste& geste,
                   const std::function<void(const TResultatCoup&)>& ensuite) override {
        ensuite(geste.change ? niveau.Change() : niveau.Joue(geste.dx, geste.dy));
    }
    void CedeAuLecteur() override { ++jeuTouche; }
    void RendLeJeu() override { ++jeuTouche; }
    void RetireClavier() override {}
    void MontreActif(bool montre) override { actifMontre = montre; }
    bool actif = false;
    bool actifMontre = false;
    int jeuTouche = 0;
};

// Solved by: switch, square right (out of the ball's way), switch, ball down across the gem.
const std::vector<std::string> Niveau = {"o......#", "", "x", "", "", "", "*"};

TSoluce EnMemoire(std::initializer_list<std::pair<int, int>> coups) {
    TJournal j;
    for (auto [dx, dy] : coups)
        AjouteCoup(j, int8_t(dx), int8_t(dy));
    if (!j.Attente.empty())
        RangeOctet(j);
    TSoluce s;
    s.Octets = j.Octets;
    s.Index.NbCodes = j.NbCodes;
    return s;
}

} // namespace

class TestLecteurSoluce : public QObject {
    Q_OBJECT
  private slots:
    void memoireRembobineeDuDebut() {
        QWidget client;
        Hote hote;
        TLecteurSoluce lecteur(hote, &client);
        const TNiveau depart = Plateau(Niveau);
        int retours = 0;
        lecteur.RegardeSolution(depart, EnMemoire({{0, 0}, {1, 0}, {0, 0}, {0, 1}}),
                                [&] { ++retours; });
        QVERIFY(lecteur.Affichee());
        QVERIFY(hote.actifMontre);
        QVERIFY(lecteur.AuDebut());

        lecteur.JoueSoluce(); // the switch: still at the start
        QVERIFY(lecteur.AuDebut());
        QVERIFY(!lecteur.Niveau().Boule());
        lecteur.JoueSoluce();
        QVERIFY(!lecteur.AuDebut());
        QCOMPARE(lecteur.Niveau().Niveau().PosCarre, (TPosition{15, 2}));

        // The tape is read again from its first code, on the level as it was at the start.
        client.findChild<QToolButton*>("RewindSB")->click();
        QVERIFY(lecteur.AuDebut());
        QCOMPARE(lecteur.Niveau().Niveau(), depart);
        QVERIFY(hote.actif);
        for (int pas = 0; pas < 4; ++pas)
            lecteur.JoueSoluce();
        QVERIFY(NiveauFini(lecteur.Niveau().Niveau()));
        QVERIFY(!lecteur.EnLecture());

        client.findChild<QToolButton*>("EjectSB")->click();
        QCOMPARE(retours, 1);
        QVERIFY(!lecteur.Affichee());
        QVERIFY(!hote.actifMontre);
        QVERIFY(client.findChild<QWidget*>("SolucePanel")->isHidden());
        QCOMPARE(hote.jeuTouche, 0); // the game's own controls are not the editor's replay's
    }
};

QTEST_MAIN(TestLecteurSoluce)
#include "test_lecteursoluce.moc"
