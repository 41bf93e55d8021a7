// The level editor driven for real: sets created, opened behind their password and deleted;
// levels painted with the mouse, saved, erased and test-played, with the files checked on disk.
#include "Dialogues.h"
#include "Editeur.h"
#include "Fixture.h"
#include "ImageWidget.h"
#include "MainForm.h"
#include "NiveauFichier.h"
#include "NumeroNiv.h"
#include "SessionEditeur.h"
#include "Soluce.h"
#include "Texte.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest/QTest>
#include <memory>

using namespace zorvane;
using namespace zorvane::test;

class TestEditeur : public QObject {
    Q_OBJECT
  private slots:

    void cycleComplet() {
        DossierJeu d;
        Session s(d);
        Bouton(*s.f, "EditeurSB")->click();
        QCOMPARE(s.f->VueCourante(), TMainForm::Vue::Editeur);
        QVERIFY(Controle<QWidget>(*s.f, "SBPanel")->isHidden());
        QVERIFY(!s.e->Creerniv->isEnabled());
        s.CreeEnsemble("NOUVEAU", "clef", "Mes niveaux");
        QVERIFY(s.e->Creerniv->isEnabled());
        QVERIFY(!s.e->Testerniv->isEnabled());
        QVERIFY(std::filesystem::exists(d.chemin() / "niveaux/NOUVEAU.des"));

        // Level 1, painted with drags: a wall line, then pieces and gems.
        s.e->Creerniv->trigger();
        QCOMPARE(Etiquette(*s.f, "LabelLevel")->text(), QString("Niveau n° 1"));
        s.Peint(3, {{4, 4}, {5, 4}, {6, 4}});
        QCOMPARE(LitCase(s.e->NivEdit, 5, 4), CaseMur);
        QVERIFY(!s.e->SaveLevSB->isEnabled());
        s.Peint(0, {{0, 0}, {1, 0}, {2, 0}}); // one ball only: the tool is off after the first
        QCOMPARE(LitCase(s.e->NivEdit, 0, 0), CaseBoule);
        QCOMPARE(LitCase(s.e->NivEdit, 1, 0), CaseVide);
        QVERIFY(!s.e->OutilRB[0]->isEnabled());
        s.Peint(1, {{0, 2}});
        s.Peint(2, {{5, 0}});
        s.Peint(2, {{9, 0}});
        QCOMPARE(s.e->NivEdit.NbZelmites, 2);
        QVERIFY(s.e->SaveLevSB->isEnabled());
        s.Peint(2, {{5, 0}}); // a gem over a gem changes nothing
        QCOMPARE(s.e->NivEdit.NbZelmites, 2);
        s.Peint(4, {{9, 0}});
        QCOMPARE(s.e->NivEdit.NbZelmites, 1);
        // The right button never paints.
        s.Outil(3);
        QTimer::singleShot(50, [&] { s.e->EditMenuS->close(); });
        QTest::mouseClick(Plateau(*s.f), Qt::RightButton, {}, Centre(8, 8));
        QCOMPARE(LitCase(s.e->NivEdit, 8, 8), CaseVide);
        s.Sauve();
        QVERIFY(!s.e->SaveLevSB->isEnabled());
        QCOMPARE(d.lit("niveaux/NOUVEAU.niv").size(), 52u);
        QCOMPARE(d.lit("niveaux/NOUVEAU.ind"), std::vector<uint8_t>(8, 0));

        // Test it by keys until solved: the moves become its solution.
        s.Numero(1);
        s.e->Testerniv->trigger();
        QCOMPARE(s.f->VueCourante(), TMainForm::Vue::Test);
        QStringList menus;
        for (QAction* a : s.f->menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus,
                 QStringList({"&Recommencer", "&Annuler le dernier coup", "&Stopper le test"}));
        QVERIFY(!s.e->AnnulerTest->isEnabled());
        s.f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.f.get())); // for the menu's shortcut
        QTest::keyClick(s.f.get(), Qt::Key_Down);        // a move taken back is not recorded
        QVERIFY(s.e->AnnulerTest->isEnabled());
        QTest::keyClick(s.f.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.e->NiveauTeste().Niveau().PosBoule, (TPosition{0, 0}));
        QVERIFY(!s.e->AnnulerTest->isEnabled());
        QString resolu;
        RepondMessage("OK", &resolu);
        QTest::keyClick(s.f.get(), Qt::Key_Right);
        QCOMPARE(resolu, QString("Niveau résolu en 2 codes.\nLa solution est enregistrée."));
        QVERIFY(!s.e->AnnulerTest->isEnabled()); // never back over the solved level
        QVERIFY(NiveauFini(s.e->NiveauTeste().Niveau()));
        QCOMPARE(s.f->GestionClavier(), TMainForm::Clavier::Aucun);
        TSoluce lecteur;
        lecteur.NomFichier = "NOUVEAU";
        QVERIFY(LitIndex(d.chemin(), lecteur, 1));
        QCOMPARE(int(lecteur.Index.NbCodes), 2); // the lead-in and the move
        OuvreSoluce(d.chemin(), lecteur);
        QCOMPARE(CoupSuivant(lecteur), 3);
        s.e->Stopperletest1->trigger();
        QCOMPARE(s.f->VueCourante(), TMainForm::Vue::Editeur);

        // Reopen the set: a wrong password is refused, the right one opens it.
        QString texte;
        QuandDialogue([&](QWidget* w) {
            auto* liste = w->findChild<QListWidget*>("FileListBox1");
            QuandDialogue([&](QWidget* m) {
                QTest::keyClicks(m->findChild<QLineEdit*>("Passw"), "faux");
                RepondMessage("OK", &texte);
                Clique(m, "Ok");
            });
            QTest::keyClick(liste, Qt::Key_Return);
        });
        s.e->ChargeNivSB->click();
        QCOMPARE(texte, QString("Ce mot de passe n'est pas valide"));
        s.Ouvre(0, "clef");
        QCOMPARE(s.e->EnsembleEditeur, std::string("NOUVEAU"));
        QVERIFY(s.e->ModifNiveau->isEnabled());

        // Modify it: the saved change discards its solution.
        s.Numero(1);
        s.e->ModifNiveau->trigger();
        s.Peint(3, {{10, 10}});
        s.Sauve();
        QVERIFY(!LitIndex(d.chemin(), lecteur, 1));

        // Delete the set.
        QuandDialogue([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Double-cliquez sur le fichier à effacer"));
            RepondMessage("Oui");
            QTest::keyClick(w->findChild<QListWidget*>("FileListBox1"), Qt::Key_Return);
        });
        s.e->Supprniv->trigger();
        QVERIFY(!std::filesystem::exists(d.chemin() / "niveaux/NOUVEAU.niv"));
        QVERIFY(!std::filesystem::exists(d.chemin() / "niveaux/NOUVEAU.des"));
        QVERIFY(!s.e->Creerniv->isEnabled());
    }

    void effacerAuMilieuDecaleNiveauxEtSolutions() {
        DossierJeu d;
        d.Ensemble("QUATRE",
                   {{"o.*", "", "x"}, {"o..*", "", "x"}, {"o...*", "", "x"}, {"o....*", "", "x"}});
        // Solutions for levels 2, 3 and 4 (one move right each), stored as the game does.
        for (int n = 2; n <= 4; ++n) {
            TJournal j;
            j.NomFichier = "QUATRE";
            for (int k = 0; k < n; ++k) { // longer logs for later levels: distinct blocks
                AjouteCoup(j, 0, 0);
                AjouteCoup(j, 0, 0);
            }
            AjouteCoup(j, 1, 0);
            TSoluce l;
            l.NomFichier = "QUATRE";
            LitIndex(d.chemin(), l, n);
            EnregistreSoluce(d.chemin(), j, n, CopieIndex(l));
        }
        const auto niv = d.lit("niveaux/QUATRE.niv");
        Session s(d);
        Bouton(*s.f, "EditeurSB")->click();
        s.Ouvre(0, "MDP");
        QuandDialogue([](QWidget* w) {
            QCOMPARE(w->findChild<QLabel*>("Label1")->text(),
                     QString("Entrez le numéro du niveau à effacer :"));
            RepondMessage("Oui");
            QTest::keyClicks(w->findChild<QLineEdit*>("Edit"), "2");
            Clique(w, "Ok");
        });
        s.e->EffaceNiv->trigger();
        const auto apres = d.lit("niveaux/QUATRE.niv");
        QCOMPARE(apres.size(), 156u);
        QVERIFY(std::equal(apres.begin() + 52, apres.end(), niv.begin() + 104));
        QVERIFY(s.e->EffaceNiv->isEnabled());
        // Former levels 3 and 4 are 2 and 3, and their solutions still replay to the right.
        for (int n : {2, 3}) {
            TSoluce l;
            l.NomFichier = "QUATRE";
            QVERIFY(LitIndex(d.chemin(), l, n));
            OuvreSoluce(d.chemin(), l);
            int coup = CoupSuivant(l);
            while (coup == CoupChangement)
                coup = CoupSuivant(l);
            QCOMPARE(coup, 3);
        }
        TSoluce premier;
        premier.NomFichier = "QUATRE";
        QVERIFY(!LitIndex(d.chemin(), premier, 1));
    }

    void effacerUnNiveauNeFaitJamaisEcraserUnAutre() {
        DossierJeu d;
        d.Ensemble("TROIS", {{"o.*", "", "x"}, {"o..*", "", "x"}, {"o...*", "", "x"}});
        Session s(d);
        Bouton(*s.f, "EditeurSB")->click();
        s.Ouvre(0, "MDP");
        s.Numero(3);
        s.e->ModifNiveau->trigger();
        s.Peint(3, {{8, 8}});
        // Erase level 1 while level 3 is open: the open level becomes number 2.
        QuandDialogue([](QWidget* w) {
            RepondMessage("Oui");
            QTest::keyClicks(w->findChild<QLineEdit*>("Edit"), "1");
            Clique(w, "Ok");
        });
        const QStringList messages = MessagesPendant([&] { s.e->EffaceNiv->trigger(); });
        QCOMPARE(messages, QStringList({"Le niveau ouvert porte maintenant le numéro 2."}));
        QCOMPARE(NumeroNiveau(s.e->NivEdit), 2);
        s.Peint(3, {{9, 9}});
        s.Sauve();
        const auto niv = d.lit("niveaux/TROIS.niv");
        QCOMPARE(niv.size(), 104u);
        TNiveau lu;
        lu.NomFichier = "TROIS";
        lu.Numero = 1; // the former level 2, untouched
        LitNiveau(d.chemin(), lu);
        QCOMPARE(lu.NbZelmites, 1);
        QCOMPARE(LitCase(lu, 3, 0), CaseZelmite);
        lu.Numero = 2;
        LitNiveau(d.chemin(), lu);
        QCOMPARE(LitCase(lu, 9, 9), CaseMur);
        QCOMPARE(LitCase(lu, 4, 0), CaseZelmite);
    }

    void nomDEnsembleHostileRefuse() {
        DossierJeu d;
        d.Ensemble("EXISTE", {{"o*x"}});
        Session s(d);
        Bouton(*s.f, "EditeurSB")->click();
        QStringList raisons;
        bool okDesactive = true;
        QuandDialogue([&](QWidget* w) {
            QTest::keyClicks(w->findChild<QLineEdit*>("Edit2"), "p");
            QTest::keyClicks(w->findChild<QLineEdit*>("Edit3"), "p");
            auto* nom = w->findChild<QLineEdit*>("Edit4");
            auto* ok = w->findChild<QPushButton*>("OkBtn");
            for (const char* hostile : {"../x", "a/b", "..", "existe", "a\\b", "Ωmega"}) {
                nom->setText(hostile);
                okDesactive = okDesactive && !ok->isEnabled();
                raisons << w->findChild<QLabel*>("Raison")->text();
            }
            nom->setText("BON");
            okDesactive = okDesactive && ok->isEnabled();
            Clique(w, "BitBtn2");
        });
        s.e->CreerEnsSB->click();
        QVERIFY(okDesactive);
        QCOMPARE(raisons, QStringList({"Nom de fichier invalide", "Nom de fichier invalide",
                                       "Nom de fichier invalide", "Ce nom existe déjà",
                                       "Nom de fichier invalide", "Nom de fichier invalide"}));
    }

    // Accented names keep all their characters: the files carry the whole name, a name that
    // shares its first bytes with another is a different set, and every chooser lists them.
    void nomsAccentues() {
        DossierJeu d;
        Session s(d);
        Bouton(*s.f, "EditeurSB")->click();
        const QStringList noms = {"éléphant", "aéééé", "éléphas"};
        for (const QString& nom : noms) {
            s.CreeEnsemble(nom, "p", "à " + nom);
            QCOMPARE(s.e->EnsembleEditeur, Vers1252(nom));
            s.e->Creerniv->trigger();
            s.Peint(0, {{0, 0}});
            s.Peint(1, {{0, 2}});
            s.Peint(2, {{5, 0}});
            s.Sauve();
        }
        for (const QString& nom : noms)
            for (const char* ext : {".des", ".niv", ".sol", ".ind"})
                QVERIFY2(
                    std::filesystem::exists(d.chemin() / "niveaux" / (nom.toStdString() + ext)),
                    qPrintable(nom + ext));
        QCOMPARE(d.lit("niveaux/éléphant.niv").size(), 52u);

        // The check compares the whole name, ignoring the case of a to z only.
        QStringList raisons;
        QuandDialogue([&](QWidget* w) {
            auto* nom = w->findChild<QLineEdit*>("Edit4");
            for (const char* essai : {"ÉLÉPHANT", "éLéPHANT", "éléph", "aéééé"}) {
                nom->setText(essai);
                raisons << w->findChild<QLabel*>("Raison")->text();
            }
            Clique(w, "BitBtn2");
        });
        s.e->CreerEnsSB->click();
        QCOMPARE(raisons, QStringList({"", "Ce nom existe déjà", "", "Ce nom existe déjà"}));

        // The editor's chooser opens each one behind its password.
        QStringList listes[2];
        QuandDialogue([&](QWidget* w) {
            for (int i = 0; i < w->findChild<QListWidget*>("FileListBox1")->count(); ++i)
                listes[0] << w->findChild<QListWidget*>("FileListBox1")->item(i)->text();
            Clique(w, "BitBtn1");
        });
        s.e->ChargeNivSB->click();
        QCOMPARE(listes[0], QStringList({"aéééé.niv", "éléphant.niv", "éléphas.niv"}));
        s.Ouvre(1, "P");
        QCOMPARE(s.e->EnsembleEditeur, std::string("\xE9l\xE9phant"));
        QVERIFY(s.e->ModifNiveau->isEnabled());

        // The game's chooser plays it, with its description.
        s.e->BitBtn1->click();
        QStringList descriptions;
        QuandDialogue([&](QWidget* w) {
            auto* liste = w->findChild<QListWidget*>("FileListBox1");
            for (int i = 0; i < liste->count(); ++i)
                listes[1] << liste->item(i)->text();
            liste->setCurrentRow(0);
            QuandDialogue([&](QWidget* m) {
                descriptions << static_cast<QMessageBox*>(m)->text();
                static_cast<QMessageBox*>(m)->accept();
            });
            QTest::keyClick(liste, Qt::Key_Return);
        });
        Bouton(*s.f, "NouveauSB")->click();
        QCOMPARE(listes[1], listes[0]);
        QCOMPARE(s.f->JeuEnCours().Niveau().NomFichier, std::string("a\xE9\xE9\xE9\xE9"));
        QCOMPARE(NombreNiveaux(s.f->JeuEnCours().Niveau()), 1);
        QCOMPARE(s.f->GestionClavier(), TMainForm::Clavier::Jeu);
        QCOMPARE(descriptions, QStringList({"à aéééé"}));
    }

    void supprimerLEnsembleDuJeuArreteLaPartieProprement() {
        DossierJeu d;
        d.Ensemble("JEU", {{"o..*", "", "x"}});
        d.Ensemble("AUTRE", {{"o.*", "", "x"}});
        Session s(d);
        s.Choisit(1);
        Bouton(*s.f, "NouveauSB")->click();
        QCOMPARE(s.f->JeuEnCours().Niveau().NomFichier, std::string("JEU"));
        Bouton(*s.f, "EditeurSB")->click();
        s.Choisit(1, true);
        s.e->Supprniv->trigger();
        const QStringList messages = MessagesPendant([&] { s.e->BitBtn1->click(); });
        QVERIFY(messages.isEmpty());
        QCOMPARE(s.f->VueCourante(), TMainForm::Vue::Jeu);
        QVERIFY(s.f->JeuEnCours().Niveau().NomFichier.empty());
        QCOMPARE(s.f->GestionClavier(), TMainForm::Clavier::Aucun);
        QVERIFY(Etiquette(*s.f, "LabelLevel")->text().isEmpty());
    }

    // An earlier level of the game's set erased: the level in play moves down with it, also
    // when another set is then opened and deleted during the same visit.
    void retourSurUnNiveauRenumerote() {
        for (const bool autreSupprime : {false, true}) {
            DossierJeu d;
            d.Ensemble("JEU", {{"o.*", "", "x"}, {"o..*", "", "x"}, {"o...*", "", "x"}});
            d.Ensemble("AUTRE", {{"o.*", "", "x"}});
            Session s(d);
            s.Choisit(1);
            Bouton(*s.f, "NouveauSB")->click();
            QTest::keyClick(s.f.get(), Qt::Key_Right); // level 1 solved: level 2 in play
            QCOMPARE(NumeroNiveau(s.f->JeuEnCours().Niveau()), 2);
            Bouton(*s.f, "EditeurSB")->click();
            s.Ouvre(1, "MDP");
            QuandDialogue([](QWidget* w) {
                RepondMessage("Oui");
                QTest::keyClicks(w->findChild<QLineEdit*>("Edit"), "1");
                Clique(w, "Ok");
            });
            s.e->EffaceNiv->trigger();
            if (autreSupprime) {
                s.Ouvre(0, "MDP");
                QCOMPARE(s.e->NivEdit.NomFichier, std::string("AUTRE"));
                s.Choisit(0, true);
                s.e->Supprniv->trigger();
                QVERIFY(s.e->NivEdit.NomFichier.empty());
            }
            s.e->BitBtn1->click();
            // The level in play moved down to number 1 and is still the same level.
            QCOMPARE(NumeroNiveau(s.f->JeuEnCours().Niveau()), 1);
            QCOMPARE(Etiquette(*s.f, "LabelLevel")->text(), QString("Niveau n° 1"));
            QCOMPARE(s.f->GestionClavier(), TMainForm::Clavier::Jeu);
            QCOMPARE(LitCase(s.f->JeuEnCours().Niveau(), 3, 0), CaseZelmite);
        }
    }

    // The set's files vanish while a level is open. Quitting or going back to the game: a
    // failed save keeps the editor open on the level; a failed tidying of the set does not.
    void fichiersDisparusPendantLEdition() {
        struct Cas {
            const char* nom;
            const char* reponse;
            bool retour; // "Retour au menu principal" instead of closing the window
            bool resteDansLEditeur;
        };
        const Cas cas[] = {
            {"fermer, Non", "Non", false, false},
            {"fermer, Oui", "Oui", false, true},
            {"retour, Non", "Non", true, false},
            {"retour, Oui", "Oui", true, true},
        };
        for (const Cas& c : cas) {
            DossierJeu d;
            d.Ensemble("SET", {{"o.*", "", "x"}});
            Session s(d);
            Bouton(*s.f, "EditeurSB")->click();
            s.Ouvre(0, "MDP");
            s.Numero(1);
            s.e->ModifNiveau->trigger();
            s.Peint(3, {{8, 8}});
            QVERIFY(s.e->SaveLevSB->isEnabled());
            for (const char* ext : {".des", ".niv", ".sol", ".ind"})
                std::filesystem::remove(d.chemin() / "niveaux" / (std::string("SET") + ext));
            std::filesystem::remove(d.chemin() / "options.dat");
            RepondMessage(c.reponse);
            const QStringList messages = MessagesPendant([&] {
                if (c.retour)
                    s.e->BitBtn1->click();
                else
                    s.f->close();
            });
            QCOMPARE(messages,
                     QStringList({"Erreur d'E/S 2 : fichier introuvable (niveaux/SET.niv)"}));
            QVERIFY2(s.f->isVisible() == (c.retour || c.resteDansLEditeur), c.nom);
            if (c.retour)
                QVERIFY2((s.f->VueCourante() == TMainForm::Vue::Editeur) == c.resteDansLEditeur,
                         c.nom);
            QVERIFY2(s.e->SaveLevSB->isEnabled() == c.resteDansLEditeur, c.nom);
            QVERIFY2(std::filesystem::exists(d.chemin() / "options.dat") ==
                         (!c.retour && !c.resteDansLEditeur),
                     c.nom);
            if (c.resteDansLEditeur)
                QCOMPARE(LitCase(s.e->NivEdit, 8, 8), CaseMur);
        }
    }

    // The game's own level erased: on the return the level now at its number starts afresh;
    // with the last level erased, no level is left at that number and the game stays stopped.
    void effacerLeNiveauDuJeu() {
        struct Cas {
            int efface;
            bool joue;
        };
        for (const Cas c : {Cas{2, true}, Cas{3, false}}) {
            DossierJeu d;
            d.Ensemble("JEU", {{"o.*", "", "x"}, {"o..*", "", "x"}, {"o...*", "", "x"}});
            Session s(d);
            Bouton(*s.f, "NouveauSB")->click();
            QTest::keyClick(s.f.get(), Qt::Key_Right); // level 1 solved
            if (c.efface == 3)
                QTest::keyClick(s.f.get(), Qt::Key_Right); // level 2 solved
            QCOMPARE(NumeroNiveau(s.f->JeuEnCours().Niveau()), c.efface);
            QTest::keyClick(s.f.get(), Qt::Key_Down); // the ball leaves its start
            Bouton(*s.f, "EditeurSB")->click();
            s.Ouvre(0, "MDP");
            QuandDialogue([&](QWidget* w) {
                RepondMessage("Oui");
                QTest::keyClicks(w->findChild<QLineEdit*>("Edit"), QString::number(c.efface));
                Clique(w, "Ok");
            });
            s.e->EffaceNiv->trigger();
            s.e->BitBtn1->click();
            if (!c.joue) {
                QCOMPARE(s.f->GestionClavier(), TMainForm::Clavier::Aucun);
                QVERIFY(Etiquette(*s.f, "LabelLevel")->text().isEmpty());
                continue;
            }
            QCOMPARE(NumeroNiveau(s.f->JeuEnCours().Niveau()), 2);
            QCOMPARE(Etiquette(*s.f, "LabelLevel")->text(), QString("Niveau n° 2"));
            QCOMPARE(s.f->GestionClavier(), TMainForm::Clavier::Jeu);
            QCOMPARE(s.f->JeuEnCours().Niveau().PosBoule, (TPosition{0, 0})); // from its start
            QCOMPARE(LitCase(s.f->JeuEnCours().Niveau(), 4, 0), CaseZelmite); // the former level 3
        }
    }

    // A ball painted over a gem takes its place: the level written holds no gem under the
    // ball, and reads back with exactly the gems on its board.
    void bouleSurUneZelmite() {
        DossierJeu d;
        Session s(d);
        Bouton(*s.f, "EditeurSB")->click();
        s.CreeEnsemble("SET", "p");
        s.e->Creerniv->trigger();
        s.Peint(2, {{3, 0}});
        s.Peint(2, {{6, 0}});
        s.Peint(0, {{3, 0}});
        s.Peint(1, {{0, 2}});
        QCOMPARE(s.e->NivEdit.NbZelmites, 1);
        s.Sauve();
        const auto octets = d.lit("niveaux/SET.niv");
        QCOMPARE(octets.size(), 52u);
        const uint32_t ligne0 =
            octets[0] | octets[1] << 8 | octets[2] << 16 | uint32_t(octets[3]) << 24;
        QCOMPARE((ligne0 >> (30 - 2 * 3)) & 3u, 0u); // the ball's cell: empty bits
        QCOMPARE(int(octets[48]), 3);
        TNiveau lu;
        lu.NomFichier = "SET";
        lu.Numero = 1;
        LitNiveau(d.chemin(), lu);
        QCOMPARE(lu.NbZelmites, 1);
    }

    void numeroDeNiveau() {
        DossierJeu d;
        std::vector<std::vector<std::string>> dix(10, {"o*x"});
        d.Ensemble("DIX", dix);
        TEntrerNiv dlg(d.chemin(), "DIX");
        QCOMPARE(dlg.Edit->maxLength(), 2);
        for (const char* refuse : {"0", "00", "11", "-1", " 1", "a"}) {
            dlg.Edit->setText(refuse);
            QVERIFY2(!dlg.Ok->isEnabled(), refuse);
        }
        dlg.Edit->setText("10");
        QVERIFY(dlg.Ok->isEnabled());
    }
};

QTEST_MAIN(TestEditeur)
#include "test_editeur.moc"
