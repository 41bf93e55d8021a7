// The countdown's hints, as the player reads them, and the countdown of each level shown.
#include "CompteARebours.h"
#include "DossierTemporaire.h"
#include "Soluce.h"

#include <QSignalSpy>
#include <QtTest/QTest>

using namespace zorvane;
using namespace zorvane::test;

class TestCompte : public QObject {
    Q_OBJECT
  private slots:
    void bulles_data() {
        QTest::addColumn<int>("ecoule");
        QTest::addColumn<QString>("bulle");
        QTest::newRow("1") << 1 << "Solution disponible dans 4 minutes et 59 secondes.";
        QTest::newRow("60") << 60 << "Solution disponible dans 4 minutes.";
        QTest::newRow("240") << 240 << "Solution disponible dans 1 minute.";
        QTest::newRow("241") << 241 << "Solution disponible dans 59 secondes.";
        QTest::newRow("299") << 299 << "Solution disponible dans 1 seconde.";
        QTest::newRow("119") << 119 << "Solution disponible dans 3 minutes et 1 seconde.";
    }
    void bulles() {
        QFETCH(int, ecoule);
        QFETCH(QString, bulle);
        QCOMPARE(BulleCompte(300 - ecoule), bulle);
    }

    // The next level's index cannot be read: the level before's countdown must not run on and
    // offer, five minutes later, a solution that cannot be read.
    void indexIlliblePasDeCompte() {
        DossierTemporaire d;
        EcritEnsemble(d, "SET", {{"o*"}, {"o*"}});
        TJournal j;
        j.NomFichier = "SET";
        AjouteCoup(j, 1, 0);
        TSoluce index;
        index.NomFichier = "SET";
        LitIndex(d, index, 1);
        EnregistreSoluce(d, j, 1, CopieIndex(index));
        std::string frappe;
        TCompteARebours compte(frappe, nullptr);
        QSignalSpy bulles(&compte, &TCompteARebours::BulleChangee);
        QSignalSpy offerte(&compte, &TCompteARebours::SolutionDisponible);
        TNiveau niveau = Plateau({"o*"});
        niveau.NomFichier = "SET";
        niveau.Numero = 1;
        compte.Demarre(d, niveau);
        QVERIFY(compte.EnCours());
        QCOMPARE(bulles.last().at(0).toString(), QString("Solution disponible dans 5 minutes"));

        std::filesystem::remove(d.chemin() / "niveaux/SET.ind");
        niveau.Numero = 2;
        QVERIFY_THROWS_EXCEPTION(std::exception, compte.Demarre(d, niveau));
        QVERIFY(!compte.EnCours());
        QCOMPARE(offerte.last().at(0).toBool(), false);
        QCOMPARE(bulles.last().at(0).toString(), QString("Pas de solution pour ce niveau"));
    }
};

QTEST_MAIN(TestCompte)
#include "test_compte.moc"
