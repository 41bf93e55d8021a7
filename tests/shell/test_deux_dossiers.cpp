// The window on two folders, as an installed game runs: the shipped files read from the data
// folder, everything the game writes in the player's folder, nothing ever written in the data
// folder.
#include "Controles.h"
#include "Dialogues.h"
#include "Fixture.h"
#include "MainForm.h"
#include "Options.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest/QTest>

using namespace zorvane;
using namespace zorvane::test;

namespace {

const std::vector<std::string> Facile = {"o.*", "", "x"};

// A player's folder: the set SET, no graphics and no options of its own.
void DossierDuJoueur(DossierJeu& joueur) {
    std::filesystem::remove_all(joueur.chemin() / "Graphics");
    std::filesystem::remove(joueur.chemin() / FichierOptions);
    joueur.Ensemble("SET", {Facile, Facile});
}

} // namespace

class TestDeuxDossiers : public QObject {
    Q_OBJECT
  private slots:

    void ecritToutChezLeJoueurEtRienDansLesDonnees() {
        DossierJeu donnees, joueur;
        DossierDuJoueur(joueur);
        donnees.Ensemble("AUTRE", {Facile}); // a shipped set, not the player's: never listed
        donnees.ecrit("ZORVANE.TXT", {'A', 'i', 'd', 'e'});
        const auto livre = donnees.contenu();
        {
            TMainForm f(donnees.qchemin(), joueur.qchemin(), DelaisDeTest());
            f.show();
            QCOMPARE(Action(f, "Graphisme1")->text(), QString("&Graphisme (actuellement: tst)"));
            QString aide;
            QuandDialogue([&](QWidget* w) {
                aide = w->findChild<QPlainTextEdit*>("Memo")->toPlainText();
                w->close();
            });
            Action(f, "Aide2M")->trigger();
            QCOMPARE(aide, QString("Aide"));
            Bouton(f, "NouveauSB")->click(); // the player's only set: no chooser
            QCOMPARE(f.JeuEnCours().Niveau().NomFichier, std::string("SET"));
            QTest::keyClick(&f, Qt::Key_Right);
            QuandDialogue([](QWidget* w) {
                QTest::keyClicks(w->findChild<QLineEdit*>("Name"), "ALICE");
                QuandDialogue([](QWidget* m) {
                    QTest::keyClicks(m->findChild<QLineEdit*>("Passw"), "X");
                    QTest::keyClicks(m->findChild<QLineEdit*>("Passw2"), "X");
                    Clique(m, "Ok");
                });
                Clique(w, "Ok");
            });
            Bouton(f, "EnregistrerSB")->click();
            Action(f, "SonM")->trigger(); // a setting changed: options.dat is written at exit
            f.close();
        }
        QCOMPARE(donnees.contenu(), livre);
        QCOMPARE(joueur.lit("Joueur.ini").size(), 82u);
        QVERIFY(!joueur.lit("niveaux/SET.sol").empty());
        QCOMPARE(LitOptions(joueur.chemin()).EffetsSonores, uint8_t(1));
    }

    // The shipped options serve until the player has options of his own; then only his count.
    void optionsDuJoueurPuisLivrees() {
        DossierJeu donnees, joueur;
        DossierDuJoueur(joueur);
        {
            TMainForm f(donnees.qchemin(), joueur.qchemin(), DelaisDeTest());
            QVERIFY(!Action(f, "SonM")->isChecked()); // the fixture's options turn the effects off
        }
        TOptions propres = donnees.options;
        propres.EffetsSonores = 1;
        EcritOptions(joueur.chemin(), propres);
        TMainForm f(donnees.qchemin(), joueur.qchemin(), DelaisDeTest());
        QVERIFY(Action(f, "SonM")->isChecked());
    }
};

QTEST_MAIN(TestDeuxDossiers)
#include "test_deux_dossiers.moc"
