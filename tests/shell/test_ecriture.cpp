// A folder where nothing can be written (a full disk) never keeps the player in the game: a
// solution that cannot be stored is reported once and the next level comes; a quit whose
// options cannot be written asks whether to quit anyway.
#include "Controles.h"
#include "Dialogues.h"
#include "Fixture.h"
#include "LimiteTailleFichier.h"
#include "MainForm.h"

#include <QLabel>
#include <QToolButton>
#include <QtTest/QTest>
#include <memory>

using namespace zorvane;
using namespace zorvane::test;

namespace {

std::unique_ptr<TMainForm> Ouvre(const DossierJeu& d) {
    auto f = std::make_unique<TMainForm>(d.qchemin(), DelaisDeTest());
    f->show();
    return f;
}

} // namespace

class TestEcriture : public QObject {
    Q_OBJECT
  private slots:

    void uneSolutionQuiNePeutEtreEnregistreeNArretePasLaPartie() {
        DossierJeu d;
        // Right, then down, then a last level that is never reached.
        d.Ensemble("SET", {{"o.*", "", "x"}, {"o", "", "*", "", "x"}, {"o.*", "", "x"}});
        auto f = Ouvre(d);
        Bouton(*f, "NouveauSB")->click();
        const auto sol = d.lit("niveaux/SET.sol");
        QStringList messages;
        {
            LimiteTailleFichier disquePlein(0);
            messages = MessagesPendant([&] {
                QTest::keyClick(f.get(), Qt::Key_Right); // level 1 solved
                QTest::keyClick(f.get(), Qt::Key_Left);  // a key on level 2: no new message
            });
        }
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains("niveaux/SET.sol"));
        QCOMPARE(Etiquette(*f, "LabelLevel")->text(), QString("Niveau n° 2"));
        QVERIFY(Bouton(*f, "EnregistrerSB")->isEnabled());
        QCOMPARE(d.lit("niveaux/SET.sol"), sol);
        QTest::keyClick(f.get(), Qt::Key_Down); // the game goes on: level 2 solved and stored
        QCOMPARE(d.lit("niveaux/SET.sol").size(), sol.size() + 1);
        RepondMessage("Non"); // the unsaved game
        f->close();
    }

    void desOptionsQuiNePeuventEtreEcritesDemandentSilFautQuitter() {
        DossierJeu d;
        const auto options = d.lit("options.dat");
        auto f = Ouvre(d);
        LimiteTailleFichier disquePlein(0);
        QString question;
        RepondMessage("Non", &question);
        f->close();
        QCOMPARE(question, QString("Impossible d'enregistrer les options. Quitter quand même ?"));
        QVERIFY(f->isVisible()); // the player chose to stay
        RepondMessage("Oui");
        f->close();
        QVERIFY(!f->isVisible());
        QCOMPARE(d.lit("options.dat"), options);
    }
};

QTEST_MAIN(TestEcriture)
#include "test_ecriture.moc"
