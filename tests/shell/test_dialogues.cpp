// The shared dialogs: the password in its two modes, and the graphics set chooser.
#include "Charge.h"
#include "ChoixGraph.h"
#include "ChoixNiv.h"
#include "CreerEns.h"
#include "Dialogues.h"
#include "Fixture.h"
#include "MotdePasse.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

using namespace zorvane;
using namespace zorvane::test;

class TestDialogues : public QObject {
    Q_OBJECT
  private slots:
    void motDePasseConfirmation() {
        TPasswordDlg d(TPasswordDlg::Mode::Confirmation);
        d.show();
        QVERIFY(!d.Ok->isEnabled());
        QTest::keyClicks(d.Passw, "secret");
        QCOMPARE(d.Passw->text(), QString("SECRET")); // capitals as typed
        QCOMPARE(d.Passw->echoMode(), QLineEdit::Password);
        QVERIFY(!d.Ok->isEnabled());
        QTest::keyClicks(d.Passw2, "secrex");
        QVERIFY(d.Ok->isEnabled());
        QString texte;
        RepondMessage("OK", &texte);
        d.Ok->click();
        QCOMPARE(texte,
                 QString("Le mot de passe n'est pas le même dans les deux boîtes de saisie."));
        QVERIFY(d.isVisible());
        QTest::keyClick(d.Passw2, Qt::Key_Backspace);
        QTest::keyClicks(d.Passw2, "t");
        d.Ok->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.MotDePasseSaisi, std::string("SECRET"));
    }

    void motDePasseVerification() {
        TPasswordDlg d(TPasswordDlg::Mode::Verification);
        d.show();
        QVERIFY(d.Passw2->isHidden());
        QVERIFY(d.Label2->isHidden());
        QTest::keyClicks(d.Passw, "a");
        QVERIFY(d.Ok->isEnabled());
        QTest::keyClicks(d.Passw, QString(40, 'b'));
        QCOMPARE(d.Passw->text().size(), 30);
        d.Ok->click();
        QCOMPARE(d.MotDePasseSaisi, "A" + std::string(29, 'B'));
    }

    void motDePasseAnnule() {
        TPasswordDlg d(TPasswordDlg::Mode::Verification);
        d.MotDePasseSaisi = "AVANT";
        d.show();
        QTest::keyClicks(d.Passw, "x");
        Clique(&d, "Annuler");
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(d.MotDePasseSaisi, std::string("AVANT"));
    }

    // The files hold Windows-1252: other characters never enter a field that is written to
    // them, and the password shows one "*" per character.
    void champsDesFichiers() {
        TPasswordDlg mdp(TPasswordDlg::Mode::Confirmation);
        TOKBottomDlg nom;
        TEntreDes des(TEntreDes::Mode::Creation, QString());
        struct Cas {
            QLineEdit* champ;
            QString tape, attendu;
        };
        const Cas cas[] = {
            {mdp.Passw, "aΩbĉ日本c", "ABC"},
            {mdp.Passw2, "µé€", "µÉ€"}, // µ has no capital in the code page
            {nom.Name, "zoé😀", "ZOÉ"},
            {des.Edit1, "Été Ω 日本 €", "Été   €"},
            {des.Edit2, "ĉa", "A"},
        };
        for (const Cas& c : cas) {
            Tape(c.champ, c.tape);
            QCOMPARE(c.champ->text(), c.attendu);
        }
        QCOMPARE(mdp.Passw->displayText(), QString("***"));
        QCOMPARE(des.Edit3->echoMode(), QLineEdit::Password);
        Tape(des.Edit3, "x");
        QCOMPARE(des.Edit3->displayText(), QString("*"));
    }

    // The chooser and the password dialog have no title-bar buttons.
    void sansIconesDeBarreDeTitre() {
        DossierJeu d;
        TChoisiNiv choix(d.qchemin());
        TPasswordDlg mdp(TPasswordDlg::Mode::Verification);
        for (QDialog* dlg : std::initializer_list<QDialog*>{&choix, &mdp}) {
            const Qt::WindowFlags drapeaux = dlg->windowFlags();
            QVERIFY(drapeaux.testFlag(Qt::CustomizeWindowHint));
            QVERIFY(!drapeaux.testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(!drapeaux.testFlag(Qt::WindowSystemMenuHint));
            QVERIFY(!drapeaux.testFlag(Qt::WindowContextHelpButtonHint));
        }
    }

    void choixDuGraphisme() {
        DossierJeu d;
        d.Graphisme("alpha", Qt::black);
        d.Graphisme("beta", Qt::white);
        TChoisirGraph choix(d.qchemin());
        auto* liste = choix.findChild<QListWidget*>("FileListBox1");
        QCOMPARE(liste->count(), 3);
        QCOMPARE(liste->item(0)->text(), QString("alphae.bmp"));
        QCOMPARE(liste->currentRow(), 0);
        liste->setCurrentRow(1);
        QTest::keyClick(liste, Qt::Key_Return);
        QCOMPARE(choix.result(), int(QDialog::Accepted));
        QCOMPARE(choix.choix(), QString("beta"));
        QVERIFY(!choix.auto_());

        TChoisirGraph chaque(d.qchemin());
        Clique(&chaque, "Changer les graphismes à chaque niveau");
        QVERIFY(chaque.auto_());
    }
};

QTEST_MAIN(TestDialogues)
#include "test_dialogues.moc"
