// Saved games through the window: save under a name and password, quit, start again, load
// with the right password, refuse a wrong one, erase.
#include "Controles.h"
#include "Dialogues.h"
#include "FPlayer.h"
#include "Fixture.h"
#include "MainForm.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QtTest/QTest>
#include <memory>

using namespace zorvane;
using namespace zorvane::test;

namespace {

const std::vector<std::string> Facile = {"o.*", "", "x"};

std::unique_ptr<TMainForm> Ouvre(const DossierJeu& d) {
    auto f = std::make_unique<TMainForm>(d.qchemin(), DelaisDeTest());
    f->show();
    return f;
}

// Answers the save dialogs: the name, then the password twice.
void RepondSauvegarde(const QString& nom, const QString& mdp) {
    QuandDialogue([=](QWidget* w) {
        QTest::keyClicks(w->findChild<QLineEdit*>("Name"), nom);
        QuandDialogue([=](QWidget* m) {
            QTest::keyClicks(m->findChild<QLineEdit*>("Passw"), mdp);
            QTest::keyClicks(m->findChild<QLineEdit*>("Passw2"), mdp);
            Clique(m, "Ok");
        });
        Clique(w, "Ok");
    });
}

// Answers the list of saved games (its row), then the password.
void RepondChargement(int ligne, const QString& mdp) {
    QuandDialogue([=](QWidget* w) {
        auto* liste = w->findChild<QListWidget*>("ListBox1");
        liste->setCurrentRow(ligne);
        QuandDialogue([=](QWidget* m) {
            QTest::keyClicks(m->findChild<QLineEdit*>("Passw"), mdp);
            Clique(m, "Ok");
        });
        QTest::keyClick(liste, Qt::Key_Return);
    });
}

// Plays a new game on the only set and solves its first level.
void GagneUnNiveau(TMainForm& f) {
    Bouton(f, "NouveauSB")->click();
    QTest::keyClick(&f, Qt::Key_Right);
}

} // namespace

class TestParties : public QObject {
    Q_OBJECT
  private slots:

    void cycleComplet() {
        DossierJeu d;
        d.Ensemble("SET", {Facile, Facile, Facile});
        {
            auto f = Ouvre(d);
            QVERIFY(!Bouton(*f, "ChargerSB")->isEnabled());
            GagneUnNiveau(*f);
            QVERIFY(Bouton(*f, "EnregistrerSB")->isEnabled());
            RepondSauvegarde("alice", "secret");
            Bouton(*f, "EnregistrerSB")->click();
            QCOMPARE(Etiquette(*f, "Nomdujoueur")->text(), QString("ALICE"));
            QVERIFY(!Bouton(*f, "EnregistrerSB")->isEnabled());
            QVERIFY(Bouton(*f, "ChargerSB")->isEnabled());
            QCOMPARE(d.lit("Joueur.ini").size(), 82u);
            f->close(); // nothing unsaved: no question
        }
        auto f = Ouvre(d);
        QVERIFY(Action(*f, "ChargerM")->isEnabled());
        QString texte;
        QuandDialogue([&](QWidget* w) {
            auto* liste = w->findChild<QListWidget*>("ListBox1");
            QCOMPARE(liste->item(0)->text(), QString("ALICE"));
            QuandDialogue([&](QWidget* m) {
                QTest::keyClicks(m->findChild<QLineEdit*>("Passw"), "faux");
                RepondMessage("OK", &texte);
                Clique(m, "Ok");
            });
            QTest::keyClick(liste, Qt::Key_Return);
        });
        Bouton(*f, "ChargerSB")->click();
        QCOMPARE(texte, QString("Ce mot de passe n'est pas valide"));
        QVERIFY(f->JeuEnCours().Niveau().NomFichier.empty());

        RepondChargement(0, "secret");
        Bouton(*f, "ChargerSB")->click();
        QCOMPARE(f->JeuEnCours().Niveau().NomFichier, std::string("SET"));
        QCOMPARE(NumeroNiveau(f->JeuEnCours().Niveau()), 2);
        QCOMPARE(Etiquette(*f, "LabelLevel")->text(), QString("Niveau n° 2"));
        QCOMPARE(Etiquette(*f, "Nomdujoueur")->text(), QString("ALICE"));

        // Solve level 2 and save again: the same record, only its level changes.
        QTest::keyClick(f.get(), Qt::Key_Right);
        const auto avant = d.lit("Joueur.ini");
        RepondMessage("OK", &texte);
        Bouton(*f, "EnregistrerSB")->click();
        QCOMPARE(texte, QString("C'est fait. Cette partie est enregistrée (Poil au nez)."));
        const auto apres = d.lit("Joueur.ini");
        QCOMPARE(apres.size(), 82u);
        QVERIFY(std::equal(avant.begin(), avant.begin() + 62, apres.begin()));
        TPartie lue;
        LitPartie(d.chemin(), lue, 0);
        QCOMPARE(NiveauPartie(lue), 3);

        // Erase it: the file goes, the commands are disabled, the game can be saved anew.
        QuandDialogue([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Double-cliquez sur l'enregistrement à effacer"));
            QuandDialogue([](QWidget* m) {
                QTest::keyClicks(m->findChild<QLineEdit*>("Passw"), "secret");
                RepondMessage("Oui");
                Clique(m, "Ok");
            });
            QTest::keyClick(w->findChild<QListWidget*>("ListBox1"), Qt::Key_Return);
        });
        Bouton(*f, "EffacerSB")->click();
        QVERIFY(!std::filesystem::exists(d.chemin() / "Joueur.ini"));
        QVERIFY(!Bouton(*f, "ChargerSB")->isEnabled());
        QVERIFY(!Action(*f, "EffacerM")->isEnabled());
        QVERIFY(Etiquette(*f, "Nomdujoueur")->text().isEmpty());
        QVERIFY(Bouton(*f, "EnregistrerSB")->isEnabled());
    }

    void nomDejaPris() {
        DossierJeu d;
        d.Ensemble("SET", {Facile, Facile});
        auto f = Ouvre(d);
        GagneUnNiveau(*f);
        RepondSauvegarde("BOB", "x");
        Bouton(*f, "EnregistrerSB")->click();
        // A second game, saved under a name typed in small letters: refused as a duplicate.
        Bouton(*f, "NouveauSB")->click(); // saved: no unsaved-game question
        QTest::keyClick(f.get(), Qt::Key_Right);
        QString texte;
        QuandDialogue([&](QWidget* w) {
            QTest::keyClicks(w->findChild<QLineEdit*>("Name"), "bob");
            RepondMessage("OK", &texte);
            QuandDialogue([](QWidget* w2) { Clique(w2, "Cancel"); });
            Clique(w, "Ok");
        });
        Bouton(*f, "EnregistrerSB")->click();
        QCOMPARE(texte, QString("Hé ! Ce nom existe déjà. Vous allez me le changer et plus vite "
                                "que ça !"));
        QCOMPARE(NbParties(d.chemin()), 1);
        QVERIFY(Bouton(*f, "EnregistrerSB")->isEnabled());
    }

    void effacerUnEnregistrementAnterieurNEcrasePasUnAutre() {
        DossierJeu d;
        d.Ensemble("SET", {Facile, Facile, Facile});
        auto f = Ouvre(d);
        GagneUnNiveau(*f);
        RepondSauvegarde("ANNE", "a");
        Bouton(*f, "EnregistrerSB")->click();
        Bouton(*f, "NouveauSB")->click();
        QTest::keyClick(f.get(), Qt::Key_Right);
        RepondSauvegarde("ZOE", "z");
        Bouton(*f, "EnregistrerSB")->click(); // ZOE is record 1, after ANNE
        QTest::keyClick(f.get(), Qt::Key_Right);
        // Erase ANNE: ZOE moves to record 0, and the game in progress follows it.
        QuandDialogue([](QWidget* w) {
            QuandDialogue([](QWidget* m) {
                QTest::keyClicks(m->findChild<QLineEdit*>("Passw"), "a");
                RepondMessage("Oui");
                Clique(m, "Ok");
            });
            QTest::keyClick(w->findChild<QListWidget*>("ListBox1"), Qt::Key_Return);
        });
        Bouton(*f, "EffacerSB")->click();
        QCOMPARE(NbParties(d.chemin()), 1);
        QString texte;
        RepondMessage("OK", &texte);
        Bouton(*f, "EnregistrerSB")->click();
        QCOMPARE(NbParties(d.chemin()), 1);
        TPartie lue;
        LitPartie(d.chemin(), lue, 0);
        QCOMPARE(NomJoueur(lue), std::string("ZOE"));
        QCOMPARE(NiveauPartie(lue), 3);
    }

    void questionAuDepartAvecPartieNonEnregistree() {
        DossierJeu d;
        d.Ensemble("SET", {Facile, Facile});
        auto f = Ouvre(d);
        GagneUnNiveau(*f);
        QString texte;
        RepondMessage("Non", &texte);
        f->close();
        QCOMPARE(texte,
                 QString("Vous n'avez pas sauvegarder votre partie. Voulez-vous l'enregistrer ?"));
        QVERIFY(!std::filesystem::exists(d.chemin() / "Joueur.ini"));
    }

    // A save that fails after "Oui" ends the command that asked for it: quitting leaves the
    // window open, a new game keeps the game in progress.
    void sauvegardeRateeArreteLaCommande() {
        DossierJeu d;
        d.Ensemble("SET", {Facile, Facile});
        auto f = Ouvre(d);
        GagneUnNiveau(*f);
        std::filesystem::create_directory(d.chemin() / "Joueur.ini"); // cannot be written
        std::filesystem::remove(d.chemin() / "options.dat");
        auto ouiPuisSauvegarde = [] {
            QuandDialogue([](QWidget* w) {
                RepondSauvegarde("bob", "x");
                Clique(w, "Oui");
            });
        };
        ouiPuisSauvegarde();
        QStringList messages = MessagesPendant([&] { f->close(); });
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith("Erreur d'E/S"), qPrintable(messages[0]));
        QVERIFY(f->isVisible());
        QVERIFY(!std::filesystem::exists(d.chemin() / "options.dat"));
        QVERIFY(Bouton(*f, "EnregistrerSB")->isEnabled());

        ouiPuisSauvegarde();
        messages = MessagesPendant([&] { Bouton(*f, "NouveauSB")->click(); });
        QCOMPARE(messages.size(), 1);
        QCOMPARE(NumeroNiveau(f->JeuEnCours().Niveau()), 2); // the game goes on where it was
        QCOMPARE(f->GestionClavier(), TMainForm::Clavier::Jeu);

        RepondMessage("Non");
        f->close();
        QVERIFY(!f->isVisible());
        QVERIFY(std::filesystem::exists(d.chemin() / "options.dat"));
    }

    void joueurIniEndommage() {
        DossierJeu d;
        d.Ensemble("SET", {Facile});
        std::vector<uint8_t> octets(82 + 40, 0); // a short last record
        octets[0] = 3;
        octets[1] = 'A';
        octets[2] = 'B';
        octets[3] = 'C';
        d.ecrit("Joueur.ini", octets);
        auto f = Ouvre(d);
        QVERIFY(Bouton(*f, "ChargerSB")->isEnabled());
        QString texte;
        RepondMessage("OK", &texte);
        Bouton(*f, "ChargerSB")->click();
        QVERIFY(texte.contains("Joueur.ini"));
        QCOMPARE(d.lit("Joueur.ini"), octets); // nothing destroyed
    }
};

QTEST_MAIN(TestParties)
#include "test_parties.moc"
