// The main window driven for real: start-up, a game played by keys to the end of its set, the
// set chooser, and what damaged files do.
#include "Controles.h"
#include "Dialogues.h"
#include "Fixture.h"
#include "ImageWidget.h"
#include "MainForm.h"
#include "PeintrePlateau.h"
#include "RotDeGorbul.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>
#include <memory>

using namespace zorvane;
using namespace zorvane::test;

namespace {

// Two small levels, each solved by the ball moving right.
const std::vector<std::string> Niveau1 = {"o.*.#", "", "x"};
const std::vector<std::string> Niveau2 = {"o...*", "", "x"};

QColor Pixel(TMainForm& f, int x, int y) {
    return Plateau(f)->image().toImage().pixelColor(x * 41 + 20, y * 41 + 20);
}

std::unique_ptr<TMainForm> Ouvre(const DossierJeu& d, int pauseAnimationMs = 0) {
    auto f = std::make_unique<TMainForm>(d.qchemin(), DelaisDeTest(pauseAnimationMs));
    f->show();
    return f;
}

// A key where the keyboard sends it: the open menu, else the widget holding the focus.
void Touche(QWidget* fenetre, Qt::Key touche) {
    QWidget* cible = QApplication::activePopupWidget();
    if (!cible)
        cible = QApplication::focusWidget();
    QTest::keyClick(cible ? cible : fenetre, touche);
}

} // namespace

class TestJeu : public QObject {
    Q_OBJECT
  private slots:

    void demarrageMenusEtBoutons() {
        DossierJeu d;
        auto f = Ouvre(d);
        QCOMPARE(f->windowTitle(), QString("Zorvane"));
        QCOMPARE(f->centralWidget()->size(), QSize(792, 554));
        QVERIFY(Action(*f, "NouveauM")->isEnabled());
        QVERIFY(!Action(*f, "RecommencerM")->isEnabled());
        QVERIFY(!Bouton(*f, "RecommencerSB")->isEnabled());
        QVERIFY(!Bouton(*f, "EnregistrerSB")->isEnabled());
        QVERIFY(!Action(*f, "ChargerM")->isEnabled()); // no Joueur.ini
        QVERIFY(!Bouton(*f, "SolutionSB")->isEnabled());
        QVERIFY(Action(*f, "MusOff")->isChecked());
        QVERIFY(!Action(*f, "SonM")->isChecked()); // the fixture's options turn the effects off
        QCOMPARE(Action(*f, "Graphisme1")->text(), QString("&Graphisme (actuellement: tst)"));
        QCOMPARE(Bouton(*f, "NouveauSB")->toolTip(), QString("Nouveau jeu"));
        QCOMPARE(Bouton(*f, "AboutSB")->toolTip(), QString("A propos d' Zorvane"));
        QCOMPARE(Action(*f, "NouveauM")->shortcut(), QKeySequence(Qt::Key_F9));
        QCOMPARE(Action(*f, "EffacerM")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
        QStringList menus;
        for (QAction* a : f->menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus, QStringList({"&Jeu", "&Options", "&Editeur de Niveaux", "&Aide"}));
        QCOMPARE(f->Touches(), (TTouches{38, 40, 37, 39, 32}));
        QCOMPARE(Pixel(*f, 3, 3), CouleurFond);
    }

    void partieJusquALaFinDeLEnsemble() {
        DossierJeu d;
        d.Ensemble("DEUX", {Niveau1, Niveau2});
        auto f = Ouvre(d);
        Bouton(*f, "NouveauSB")->click(); // one set: no chooser, no description
        QCOMPARE(Etiquette(*f, "LabelLevel")->text(), QString("Niveau n° 1"));
        QCOMPARE(Pixel(*f, 0, 0), CouleurBoule);
        QCOMPARE(Pixel(*f, 2, 0), CouleurZelmite);
        QCOMPARE(Pixel(*f, 0, 2), CouleurCarre);
        QCOMPARE(Pixel(*f, 4, 0), CouleurMur);
        QVERIFY(!Bouton(*f, "RecommencerSB")->isEnabled());

        QTest::keyClick(f.get(), Qt::Key_Up); // the top row: no move
        QVERIFY(!Bouton(*f, "RecommencerSB")->isEnabled());
        QTest::keyClick(f.get(), Qt::Key_Right); // collects the gem: level 2
        QCOMPARE(Etiquette(*f, "LabelLevel")->text(), QString("Niveau n° 2"));
        QVERIFY(Bouton(*f, "EnregistrerSB")->isEnabled());
        QVERIFY(!Bouton(*f, "RecommencerSB")->isEnabled());
        QCOMPARE(NumeroNiveau(f->JeuEnCours().Niveau()), 2);

        // Level 2: the square first slides away, then the ball crosses the gem to the edge.
        QTest::keyClick(f.get(), Qt::Key_Space);
        QVERIFY(!f->JeuEnCours().Boule());
        QTest::keyClick(f.get(), Qt::Key_Right); // the square slides to the right edge
        QVERIFY(Bouton(*f, "RecommencerSB")->isEnabled());
        QCOMPARE(Pixel(*f, 15, 2), CouleurCarre);
        QCOMPARE(Pixel(*f, 0, 2), CouleurFond);
        QTest::keyClick(f.get(), Qt::Key_Space);
        bool video = false;
        QuandDialogue([&](QWidget* w) {
            video = w->windowTitle() == "Bravo, vous avez gagné !!!";
            Clique(w, "Cliquez sur ce bouton pour revenir au jeu");
        });
        QTest::keyClick(f.get(), Qt::Key_Right);
        QVERIFY(video);
        QVERIFY(Etiquette(*f, "LabelLevel")->text().isEmpty());
        QVERIFY(Bouton(*f, "EnregistrerSB")->isEnabled());
        QCOMPARE(f->GestionClavier(), TMainForm::Clavier::Aucun);
        QCOMPARE(Pixel(*f, 0, 0), CouleurFond);
    }

    void recommencerRemetLesZelmites() {
        DossierJeu d;
        d.Ensemble("UN", {{"o.*.*#", "", "x", "", "*"}});
        auto f = Ouvre(d);
        Bouton(*f, "NouveauSB")->click();
        QTest::keyClick(f.get(), Qt::Key_Right);
        QCOMPARE(Pixel(*f, 2, 0), CouleurFond);
        QVERIFY(Action(*f, "RecommencerM")->isEnabled());
        Action(*f, "RecommencerM")->trigger();
        QCOMPARE(Pixel(*f, 2, 0), CouleurZelmite);
        QCOMPARE(Pixel(*f, 0, 0), CouleurBoule);
        QVERIFY(!Bouton(*f, "RecommencerSB")->isEnabled());
        QVERIFY(f->JeuEnCours().Boule());
    }

    void annulerLeDernierCoup() {
        DossierJeu d;
        d.Ensemble("UN", {{"o..*", "", "x"}, Niveau2});
        auto f = Ouvre(d);
        QStringList jeu;
        for (QAction* a : Menu(*f, "JeuMenu")->actions().mid(0, 3))
            jeu << a->text();
        QCOMPARE(jeu,
                 QStringList({"&Nouveau", "&Recommencer le niveau", "&Annuler le dernier coup"}));
        QCOMPARE(Action(*f, "AnnulerM")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(Bouton(*f, "AnnulerSB")->toolTip(), QString("Annuler le dernier coup"));
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get())); // for the menu's shortcut
        Bouton(*f, "NouveauSB")->click();
        QVERIFY(!Action(*f, "AnnulerM")->isEnabled());
        QVERIFY(!Bouton(*f, "AnnulerSB")->isEnabled());
        QTest::keyClick(f.get(), Qt::Key_Down); // stops above the square
        QVERIFY(Action(*f, "AnnulerM")->isEnabled());
        QVERIFY(Bouton(*f, "AnnulerSB")->isEnabled());
        QCOMPARE(Pixel(*f, 0, 1), CouleurBoule);
        QTest::keyClick(f.get(), Qt::Key_Space);
        QTest::keyClick(f.get(), Qt::Key_Z, Qt::ControlModifier); // the switch taken back
        QVERIFY(f->JeuEnCours().Boule());
        Bouton(*f, "AnnulerSB")->click(); // then the move
        QCOMPARE(Pixel(*f, 0, 0), CouleurBoule);
        QCOMPARE(Pixel(*f, 0, 1), CouleurFond);
        QVERIFY(!Action(*f, "AnnulerM")->isEnabled());
        // Solved after an undo: the stored solution is the move kept, and undo stops there.
        QTest::keyClick(f.get(), Qt::Key_Down);
        QTest::keyClick(f.get(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(f.get(), Qt::Key_Right);
        QCOMPARE(Etiquette(*f, "LabelLevel")->text(), QString("Niveau n° 2"));
        QVERIFY(!Action(*f, "AnnulerM")->isEnabled());
        QCOMPARE(d.lit("niveaux/UN.ind"),
                 (std::vector<uint8_t>{0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    }

    void toucheDuMenuDesactiveeNAtteintPasLePlateau() {
        DossierJeu d;
        d.options.Droite = 'C'; // a letter that is also Ctrl+C's
        EcritOptions(d.chemin(), d.options);
        d.Ensemble("UN", {{"o...#", "", "x", "*"}});
        auto f = Ouvre(d);
        Bouton(*f, "NouveauSB")->click();
        QTest::keyClick(f.get(), Qt::Key_C, Qt::ControlModifier); // load: disabled
        QCOMPARE(f->JeuEnCours().Niveau().PosBoule, (TPosition{0, 0}));
        QTest::keyClick(f.get(), Qt::Key_C);
        QCOMPARE(f->JeuEnCours().Niveau().PosBoule, (TPosition{3, 0}));
    }

    // A menu opened with the mouse and closed with Escape leaves the keys to the board: letters,
    // Space and the arrows neither open nor run anything, and reach the typed-letter buffer.
    // F5 belongs to the menu and runs nothing.
    void apresUnMenuLesTouchesReviennentAuPlateau() {
        DossierJeu d;
        d.Ensemble("UN", {{"o...#", "", "x", "*"}});
        auto f = Ouvre(d);
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        Bouton(*f, "NouveauSB")->click();
        QMenuBar* barre = f->menuBar();
        QTest::mouseClick(barre, Qt::LeftButton, {},
                          barre->actionGeometry(Menu(*f, "JeuMenu")->menuAction()).center());
        QTRY_COMPARE(QApplication::activePopupWidget(), Menu(*f, "JeuMenu"));
        Touche(f.get(), Qt::Key_Escape);
        QVERIFY(!QApplication::activePopupWidget());
        QTest::mouseClick(Plateau(*f), Qt::LeftButton, {}, {100, 100});
        for (Qt::Key k : {Qt::Key_J, Qt::Key_Q, Qt::Key_Space, Qt::Key_F5, Qt::Key_Right}) {
            Touche(f.get(), k);
            QVERIFY(!QApplication::activePopupWidget());
        }
        QVERIFY(f->isVisible());
        QCOMPARE(f->VueCourante(), TMainForm::Vue::Jeu);
        QCOMPARE(f->Frappe().substr(0, 4), std::string("' QJ")); // newest first, no F5
        QVERIFY(!f->JeuEnCours().Boule()); // Space handed over to the square, which went right
        QCOMPARE(f->JeuEnCours().Niveau().PosCarre, (TPosition{15, 2}));
        QCOMPARE(Menu(*f, "MusiqueMenu")->title(), QString("&Musique"));
    }

    // A 15-cell slide at 20 ms a cell leaves the event loop free: another timer fires and the
    // board paints during it, and three keys typed meanwhile are played after it, in order.
    void glissementSurUneMinuterie() {
        DossierJeu d;
        d.Ensemble("UN", {{"o..............#", "", "x", "", "", ".......*"}});
        auto f = Ouvre(d, 20);
        Bouton(*f, "NouveauSB")->click();
        int peintures = 0;
        bool minuteriePendant = false;
        struct Compteur : QObject {
            int* n;
            bool eventFilter(QObject*, QEvent* e) override {
                *n += e->type() == QEvent::Paint;
                return false;
            }
        } compteur;
        compteur.n = &peintures;
        Plateau(*f)->installEventFilter(&compteur);
        QTimer::singleShot(60, [&] {
            minuteriePendant = f->Peintre().EnCours();
            Plateau(*f)->update(); // an expose: painted by the event loop
        });
        QTest::keyClick(f.get(), Qt::Key_Right);
        QVERIFY(f->Peintre().EnCours());
        // Right to column 14, then down, left and up: in another order the ball would end
        // elsewhere.
        for (Qt::Key k : {Qt::Key_Down, Qt::Key_Left, Qt::Key_Up})
            QTest::keyClick(f.get(), k);
        QCOMPARE(f->JeuEnCours().Niveau().PosBoule, (TPosition{14, 0})); // moves wait for the slide
        const int avant = peintures;
        QTRY_VERIFY_WITH_TIMEOUT(!f->Peintre().EnCours() &&
                                     f->JeuEnCours().Niveau().PosBoule == (TPosition{0, 3}),
                                 3000);
        QVERIFY(minuteriePendant);
        QVERIFY(peintures > avant);
        QCOMPARE(Pixel(*f, 0, 3), CouleurBoule);
        QCOMPARE(Pixel(*f, 14, 0), CouleurFond);
        QCOMPARE(Pixel(*f, 0, 11), CouleurFond);
    }

    // A command during a slide comes after it and after the keys that wait for it.
    void commandePendantUnGlissement() {
        DossierJeu d;
        d.Ensemble("UN", {{"o..............#", "", "x", "", "", ".......*"}});
        auto f = Ouvre(d, 20);
        Bouton(*f, "NouveauSB")->click();
        QTest::keyClick(f.get(), Qt::Key_Right);
        QTest::keyClick(f.get(), Qt::Key_Down);
        QTest::mouseClick(Bouton(*f, "RecommencerSB"), Qt::LeftButton);
        QVERIFY(!f->Peintre().EnCours());
        QCOMPARE(f->JeuEnCours().Niveau().PosBoule, (TPosition{0, 0}));
        QCOMPARE(Pixel(*f, 0, 0), CouleurBoule);
        QCOMPARE(Pixel(*f, 14, 0), CouleurFond);
        QCOMPARE(Pixel(*f, 14, 11), CouleurFond);
        QVERIFY(!Action(*f, "AnnulerM")->isEnabled());
    }

    void choixDEnsemble() {
        DossierJeu d;
        auto f = Ouvre(d);
        QString texte;
        RepondMessage("OK", &texte);
        Action(*f, "NouveauM")->trigger();
        QCOMPARE(texte, QString("Aucun ensemble de niveaux n'est disponible !!!"));
        QVERIFY(f->JeuEnCours().Niveau().NomFichier.empty());

        d.Ensemble("AAA", {Niveau1});
        d.Ensemble("BBB", {Niveau2}, "Deuxi\xe8me ensemble"); // Windows-1252 on disk
        QStringList listes;
        QuandDialogue([&](QWidget* w) {
            auto* liste = w->findChild<QListWidget*>("FileListBox1");
            for (int i = 0; i < liste->count(); ++i)
                listes << liste->item(i)->text();
            Clique(w, "Annuler");
        });
        Action(*f, "NouveauM")->trigger();
        QCOMPARE(listes, QStringList({"AAA.niv", "BBB.niv"}));
        QVERIFY(f->JeuEnCours().Niveau().NomFichier.empty());

        QString description;
        QuandDialogue([&](QWidget* w) {
            auto* liste = w->findChild<QListWidget*>("FileListBox1");
            liste->setCurrentRow(1);
            RepondMessage("OK", &description); // the set's description follows the level
            QTest::keyClick(liste, Qt::Key_Return);
        });
        Action(*f, "NouveauM")->trigger();
        QCOMPARE(f->JeuEnCours().Niveau().NomFichier, std::string("BBB"));
        QCOMPARE(description, QString("Deuxième ensemble"));
        QCOMPARE(Etiquette(*f, "LabelLevel")->text(), QString("Niveau n° 1"));
    }

    void optionsRecritesSansChangement() {
        DossierJeu d;
        const auto avant = d.lit("options.dat");
        {
            auto f = Ouvre(d);
            f->close();
        }
        QCOMPARE(d.lit("options.dat"), avant);
    }

    void optionsAbsentes() {
        DossierJeu d;
        std::filesystem::remove(d.chemin() / "options.dat");
        QString texte;
        RepondMessage("OK", &texte);
        auto f = Ouvre(d);
        QCOMPARE(texte, QString("Erreur d'E/S 2 : fichier introuvable (options.dat)"));
        QCOMPARE(f->Touches(), TTouches{});
        d.Ensemble("UN", {Niveau1});
        Bouton(*f, "NouveauSB")->click(); // still usable, drawn without bitmaps
        QCOMPARE(Etiquette(*f, "LabelLevel")->text(), QString("Niveau n° 1"));
    }

    void imageManquante() {
        DossierJeu d;
        std::filesystem::remove(d.chemin() / "Graphics/tstc.bmp");
        QString texte;
        RepondMessage("OK", &texte);
        auto f = Ouvre(d);
        QCOMPARE(texte, QString("Erreur d'E/S 2 : fichier introuvable (Graphics/tstc.bmp)"));
        QVERIFY(f->isVisible());
    }

    void ensembleEndommage() {
        DossierJeu d;
        d.Ensemble("BAD", {Niveau1});
        std::vector<uint8_t> niv = d.lit("niveaux/BAD.niv");
        niv[48] = 40; // the ball outside the board
        d.ecrit("niveaux/BAD.niv", niv);
        auto f = Ouvre(d);
        QString texte;
        RepondMessage("OK", &texte);
        Bouton(*f, "NouveauSB")->click();
        QVERIFY(texte.contains("niveaux/BAD.niv"));
        QVERIFY(f->JeuEnCours().Niveau().NomFichier.empty());
        QCOMPARE(f->GestionClavier(), TMainForm::Clavier::Aucun);
        QTest::keyClick(f.get(), Qt::Key_Right); // nothing to move, nothing breaks
    }

    void graphismeChangeAChaqueNiveau() {
        DossierJeu d;
        std::filesystem::remove_all(d.chemin() / "Graphics");
        const QColor p(200, 10, 10), q(10, 200, 10), r(10, 10, 200);
        d.Graphisme("p", p);
        d.Graphisme("q", q);
        d.Graphisme("r", r);
        d.options.NomGraphisme.clear(); // the set changes at every level
        EcritOptions(d.chemin(), d.options);
        d.Ensemble("CINQ", std::vector<std::vector<std::string>>(5, Niveau1));
        auto f = Ouvre(d);
        QVERIFY(f->GraphismeAuto());
        QCOMPARE(Action(*f, "Graphisme1")->text(), QString("&Graphisme (actuellement: p)"));
        Bouton(*f, "NouveauSB")->click();
        QList<QColor> fonds{Pixel(*f, 8, 8)};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(f.get(), Qt::Key_Right);
            fonds << Pixel(*f, 8, 8);
        }
        QCOMPARE(fonds, (QList<QColor>{p, q, r, p, q}));
        // The tiles are see-through where they hold their bottom-left colour.
        const QImage plateau = Plateau(*f)->image().toImage();
        QCOMPARE(plateau.pixelColor(1, 1), q);
        QCOMPARE(plateau.pixelColor(20, 20), CouleurBoule);
        RepondMessage("Non"); // the unsaved game
        f->close();
        QCOMPARE(d.lit("options.dat")[10], uint8_t(0)); // written back as the per-level change
    }

    void choixDuGraphismeEnCoursDeNiveau() {
        DossierJeu d;
        d.Graphisme("autre", QColor(50, 60, 70));
        d.Ensemble("UN", {{"o.*.*#", "", "x", "", "*"}});
        auto f = Ouvre(d);
        Bouton(*f, "NouveauSB")->click();
        QTest::keyClick(f.get(), Qt::Key_Right);
        QuandDialogue([](QWidget* w) {
            auto* liste = w->findChild<QListWidget*>("FileListBox1");
            liste->setCurrentRow(0); // "autree.bmp" sorts first
            QTest::keyClick(liste, Qt::Key_Return);
        });
        Action(*f, "Graphisme1")->trigger();
        QCOMPARE(Action(*f, "Graphisme1")->text(), QString("&Graphisme (actuellement: autre)"));
        // The level is redrawn as it stands: the ball where it stopped, the gems it took gone.
        QCOMPARE(Pixel(*f, 5, 5), QColor(50, 60, 70));
        QCOMPARE(Pixel(*f, 4, 0), CouleurBoule);
        QCOMPARE(Pixel(*f, 2, 0), QColor(50, 60, 70));
        QCOMPARE(Pixel(*f, 0, 4), CouleurZelmite);
    }

    void ecranTropPetit() {
        QCOMPARE(JugeEcran(640, 480), VerdictEcran::Refuse);
        QCOMPARE(JugeEcran(800, 599), VerdictEcran::Refuse);
        QCOMPARE(JugeEcran(800, 600), VerdictEcran::Maximise);
        QCOMPARE(JugeEcran(1024, 768), VerdictEcran::Normal);
    }

    // The farewell window closes when its sound has ended, and not before, Escape or not.
    void adieuJusquAuBoutDuSon() {
        bool joue = false;
        TRotDeGorbul adieu(nullptr, 30, [&] { joue = true; });
        QTimer::singleShot(0, [&] {
            QTest::keyClick(&adieu, Qt::Key_Escape);
            adieu.close();
        });
        adieu.exec();
        QVERIFY(joue);
    }
};

QTEST_MAIN(TestJeu)
#include "test_jeu.moc"
