// The designer's aids in the editor: the check of the level as painted (its answers, cancelling,
// the optimum stored), the solved-test message, undo and redo of painting, drags without gaps,
// previous and next level, and what the disabled save button says.
#include "LecteurSoluce.h"
#include "NiveauFichier.h"
#include "NumeroNiv.h"
#include "SessionEditeur.h"
#include "Soluce.h"
#include "Verification.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>

using namespace zorvane;
using namespace zorvane::test;

namespace {

// Opens level `numero` of the set ESSAI holding `niveaux`.
struct Editeur : Session {
    Editeur(DossierJeu& d, const std::vector<std::vector<std::string>>& niveaux, int numero = 1)
        : Session((d.Ensemble("ESSAI", niveaux), d)) {
        Bouton(*f, "EditeurSB")->click();
        Ouvre(0, "MDP");
        Numero(numero);
        e->ModifNiveau->trigger();
        Active();
    }

    // The menus' shortcuts reach an active window only, and a closed dialog may leave none.
    void Active() {
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f.get()))
            qFatal("the window never became active");
    }

    // Runs a check to its answer, clicking `bouton` in the answer box; returns the box's text.
    QString Verifie(const QString& bouton = "OK") {
        QString texte;
        QuandDialogue(
            [&](QWidget* w) {
                texte = static_cast<QMessageBox*>(w)->text();
                Clique(w, bouton);
            },
            3000);
        QSignalSpy fin(e->Verification, &TVerification::Terminee);
        e->VerifierSB->click();
        if (!fin.wait(30000))
            qFatal("no answer from the check");
        return texte;
    }

    int CodesStockes(int numero) {
        TSoluce l;
        l.NomFichier = "ESSAI";
        LitIndex(f->Jeu(), l, numero);
        return l.Index.NbCodes;
    }
};

const std::vector<std::string> UnCoup = {"o.*", "", "x"};

} // namespace

class TestVerification : public QObject {
    Q_OBJECT
  private slots:

    void reponses_data() {
        QTest::addColumn<QStringList>("plateau");
        QTest::addColumn<int>("etatsMax");
        QTest::addColumn<QString>("reponse");
        QTest::newRow("soluble") << QStringList{"o.*", "", "x"} << 0
                                 << "Ce niveau a une solution : 2 codes au plus court, soit 1 "
                                    "coup.\nElle est proposée comme solution du niveau.";
        QTest::newRow("insoluble")
            << QStringList{"o.....#*#", "x......#", "*"} << 0
            << "Ce niveau n'a pas de solution.\nAucune suite de coups n'atteint les zelmites "
               "suivantes : colonne 8, ligne 1.";
        QTest::newRow("borne") << QStringList{"o.*", "", "x"} << 1
                               << "Vérification abandonnée après 1 position : ce niveau n'a pas "
                                  "de solution de moins de 2 codes, mais il peut en avoir une "
                                  "plus longue.";
    }
    void reponses() {
        QFETCH(QStringList, plateau);
        QFETCH(int, etatsMax);
        QFETCH(QString, reponse);
        std::vector<std::string> lignes;
        for (const QString& l : plateau)
            lignes.push_back(l.toStdString());
        DossierJeu d;
        Editeur s(d, {lignes});
        if (etatsMax)
            s.e->Verification->Options.etatsMax = uint64_t(etatsMax);
        QVERIFY(s.e->Verifier->isEnabled());
        QCOMPARE(s.Verifie(), reponse);
        QVERIFY(s.e->AnnulerVerif->isHidden());
        QVERIFY(s.e->VerifLabel->text().isEmpty());
    }

    // The optimal solution replayed with the player's controls, then the painting given back.
    void regarderLOptimum() {
        DossierJeu d;
        Editeur s(d, {UnCoup});
        s.Peint(3, {{5, 5}}); // painted, not saved: the replay starts from the painting
        s.Verifie("Voir la solution");
        QVERIFY(Controle<QWidget>(*s.f, "SolucePanel")->isVisible());
        QVERIFY(Controle<QWidget>(*s.f, "PanelEdit")->isHidden());
        Bouton(*s.f, "PauseSB")->click();
        s.f->findChild<TLecteurSoluce*>()->JoueSoluce(); // one step of the timer: the one move
        QVERIFY(NiveauFini(s.f->NiveauSoluce().Niveau()));
        QVERIFY(!NiveauFini(s.e->NivEdit));
        Bouton(*s.f, "EjectSB")->click();
        QVERIFY(Controle<QWidget>(*s.f, "SolucePanel")->isHidden());
        QVERIFY(Controle<QWidget>(*s.f, "PanelEdit")->isVisible());
        QCOMPARE(s.f->VueCourante(), TMainForm::Vue::Editeur);
        QCOMPARE(LitCase(s.e->NivEdit, 2, 0), CaseZelmite);
        QCOMPARE(LitCase(s.e->NivEdit, 5, 5), CaseMur);
        s.Peint(3, {{6, 6}}); // painting goes on
        QCOMPARE(LitCase(s.e->NivEdit, 6, 6), CaseMur);
    }

    // A new check, the Annuler button and leaving the level each drop the running check: only
    // the last check answers.
    void seuleLaDerniereVerificationRepond() {
        DossierJeu d;
        Editeur s(d, {UnCoup, {"o..*", "", "x"}});
        QSignalSpy reponses(s.e->Verification, &TVerification::Terminee);
        s.e->VerifierSB->click();
        QVERIFY(s.e->AnnulerVerif->isVisible());
        s.e->AnnulerVerif->click();
        QVERIFY(s.e->AnnulerVerif->isHidden());
        s.e->VerifierSB->click();
        s.e->NiveauSuivant->trigger(); // leaves level 1
        QCOMPARE(NumeroNiveau(s.e->NivEdit), 2);
        QCOMPARE(s.Verifie(), QString("Ce niveau a une solution : 2 codes au plus court, soit 1 "
                                      "coup.\nElle est proposée comme solution du niveau."));
        QCOMPARE(reponses.size(), 1);
        QCOMPARE(LitCase(reponses[0][0].value<TNiveau>(), 3, 0), CaseZelmite);
    }

    // A check of an unsaved painting: its optimum is stored when that painting is saved; a
    // longer test solution never replaces it.
    void optimumALaSauvegarde() {
        DossierJeu d;
        Editeur s(d, {UnCoup});
        s.Peint(3, {{5, 5}});
        QVERIFY(s.Verifie().endsWith("quand vous l'enregistrerez."));
        s.Sauve();
        QCOMPARE(s.CodesStockes(1), 2);

        // Test level 1 the long way: change, square right, change, ball right.
        s.Numero(1);
        s.e->Testerniv->trigger();
        QString resolu;
        RepondMessage("OK", &resolu);
        for (int touche : {Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Right})
            QTest::keyClick(s.f.get(), Qt::Key(touche));
        QCOMPARE(resolu, QString("Niveau résolu en 5 codes.\nElle n'est pas enregistrée : la "
                                 "solution enregistrée a 2 codes."));
        QCOMPARE(s.CodesStockes(1), 2);
    }

    // Saving a painting without a solution asks first; "Non" keeps the file as it was.
    void sauverUnNiveauInsolubleDemande() {
        DossierJeu d;
        Editeur s(d, {UnCoup});
        const auto avant = d.lit("niveaux/ESSAI.niv");
        s.Peint(3, {{1, 0}, {1, 1}, {1, 2}, {0, 1}}); // the ball walled in
        QString question;
        QuandDialogue([&](QWidget* confirmation) {
            QuandDialogue([&](QWidget* w) {
                question = static_cast<QMessageBox*>(w)->text();
                Clique(w, "Non");
            });
            Clique(confirmation, "Oui");
        });
        s.e->SaveLevSB->click();
        QCOMPARE(question,
                 QString("Ce niveau n'a pas de solution. Voulez-vous l'enregistrer quand même ?"));
        QCOMPARE(d.lit("niveaux/ESSAI.niv"), avant);
        QVERIFY(s.e->SaveLevSB->isEnabled());
    }

    // A drag is one step, its cells joined by a line; saving is a clean point; opening another
    // level forgets the history.
    void defaireEtRefaire() {
        DossierJeu d;
        Editeur s(d, {UnCoup, UnCoup});
        s.Peint(3, {{2, 5}, {6, 5}}); // a fast drag: two mouse positions
        for (int x = 2; x <= 6; ++x)
            QCOMPARE(LitCase(s.e->NivEdit, uint8_t(x), 5), CaseMur);
        s.Peint(4, {{2, 0}}); // the only gem erased: the save button goes off
        QVERIFY(!s.e->SaveLevSB->isEnabled());
        s.e->Defaire->trigger();
        QCOMPARE(LitCase(s.e->NivEdit, 2, 0), CaseZelmite);
        s.Active();
        QCOMPARE(s.e->NivEdit.NbZelmites, 1);
        QVERIFY(s.e->SaveLevSB->isEnabled());
        QTest::keyClick(s.f.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(LitCase(s.e->NivEdit, 4, 5), CaseVide);
        QVERIFY(!s.e->SaveLevSB->isEnabled()); // back to the level as opened
        QVERIFY(!s.e->Defaire->isEnabled());
        QTest::keyClick(s.f.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(LitCase(s.e->NivEdit, 4, 5), CaseMur);
        QVERIFY(s.e->SaveLevSB->isEnabled());
        s.Sauve();
        s.e->Defaire->trigger();
        QVERIFY(s.e->SaveLevSB->isEnabled()); // before the save point: a change to save
        s.e->Refaire->trigger();
        QVERIFY(!s.e->SaveLevSB->isEnabled());
        // The board shows what the record holds.
        QCOMPARE(Plateau(*s.f)->image().toImage().pixelColor(Centre(4, 5)), CouleurMur);
        s.e->NiveauSuivant->trigger();
        QVERIFY(!s.e->Defaire->isEnabled());
        QVERIFY(!s.e->Refaire->isEnabled());
    }

    void niveauxVoisins() {
        DossierJeu d;
        Editeur s(d, {UnCoup, UnCoup, UnCoup});
        QCOMPARE(s.e->OuSuisJe->text(), QString("Ensemble ESSAI : Niveau 1 / 3"));
        QTest::keyClick(s.f.get(), Qt::Key_PageUp); // nothing before the first
        QCOMPARE(NumeroNiveau(s.e->NivEdit), 1);
        s.Peint(3, {{5, 5}});
        QString question;
        RepondMessage("Non", &question);
        QTest::keyClick(s.f.get(), Qt::Key_PageDown);
        s.Active();
        QCOMPARE(question,
                 QString("Vous n'avez pas sauvegarder ce niveau. Voulez-vous l'enregistrer ?"));
        QCOMPARE(NumeroNiveau(s.e->NivEdit), 2);
        s.e->NiveauSuivant->trigger();
        s.e->NiveauSuivant->trigger(); // nothing after the last
        QCOMPARE(NumeroNiveau(s.e->NivEdit), 3);
        QCOMPARE(s.e->OuSuisJe->text(), QString("Ensemble ESSAI : Niveau 3 / 3"));
        s.e->NiveauPrecedent->trigger();
        QCOMPARE(NumeroNiveau(s.e->NivEdit), 2);
        TEntrerNiv dlg(d.chemin(), "ESSAI");
        QCOMPARE(dlg.Plage->text(), QString("(de 1 à 3)"));
        s.e->Creerniv->trigger();
        QCOMPARE(s.e->OuSuisJe->text(), QString("Ensemble ESSAI : nouveau niveau 4 / 4"));
    }

    void bulleDuBoutonEnregistrer() {
        DossierJeu d;
        Editeur s(d, {UnCoup});
        s.e->Creerniv->trigger();
        const std::pair<int, QString> etapes[] = {
            {-1, "Enregistrer : il manque la boule, le carré et une zelmite"},
            {0, "Enregistrer : il manque le carré et une zelmite"},
            {2, "Enregistrer : il manque le carré"},
            {1, "Enregistrer"},
        };
        for (const auto& [outil, bulle] : etapes) {
            if (outil >= 0)
                s.Peint(outil, {{outil + 3, 7}});
            QCOMPARE(s.e->SaveLevSB->toolTip(), bulle);
        }
    }
};

QTEST_MAIN(TestVerification)
#include "test_verification.moc"
