// Every window and dialog of the game, in each of its modes: the whole text of each label and
// button shows, inside the widget and inside its window, at the fonts the game uses.
#include "AboutBox.h"
#include "Aide.h"
#include "Charge.h"
#include "ChoixGraph.h"
#include "ChoixNiv.h"
#include "Controles.h"
#include "CreerEns.h"
#include "Dialogues.h"
#include "Editeur.h"
#include "Fixture.h"
#include "MainForm.h"
#include "MotdePasse.h"
#include "NumeroNiv.h"
#include "Redef.h"
#include "RotDeGorbul.h"
#include "Video.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>
#include <QtTest/QTest>
#include <functional>
#include <memory>

using namespace zorvane;
using namespace zorvane::test;

namespace {

QString SansAccelerateur(QString texte) {
    return texte.replace("&&", "\x01").remove('&').replace('\x01', '&');
}

// What does not fit in the shown window, one line per widget.
QStringList Debordements(QWidget* fenetre) {
    QStringList fautes;
    auto faute = [&](QWidget* w, const QString& texte, const QString& pourquoi) {
        fautes << QString("%1 / %2 \"%3\": %4")
                      .arg(fenetre->objectName(), w->objectName(), texte, pourquoi);
    };
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(fenetre) || w->window() != fenetre)
            continue;
        const QFontMetrics fm(w->font());
        QString texte;
        int largeur = 0, hauteur = 0;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            texte = l->text();
            if (texte.isEmpty() || l->textFormat() == Qt::RichText)
                continue;
            const QRect place = l->contentsRect();
            const int drapeaux = l->wordWrap() ? Qt::TextWordWrap : 0;
            const QRect requis =
                fm.boundingRect(QRect(0, 0, place.width(), 10000), drapeaux, texte);
            largeur = requis.width() - place.width();
            hauteur = requis.height() - place.height();
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            texte = SansAccelerateur(b->text());
            if (texte.isEmpty())
                continue;
            const int marge = 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
            const int icone = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
            const int indicateur =
                b->inherits("QRadioButton") || b->inherits("QCheckBox") ? 24 : marge;
            largeur = fm.horizontalAdvance(texte) + icone + indicateur - b->width();
            hauteur = fm.height() - b->height();
        } else {
            continue;
        }
        if (largeur > 0)
            faute(w, texte, QString("%1 pixels too narrow").arg(largeur));
        if (hauteur > 0)
            faute(w, texte, QString("%1 pixels too low").arg(hauteur));
        const QRect dansLaFenetre(w->mapTo(fenetre, QPoint(0, 0)), w->size());
        if (!fenetre->rect().contains(dansLaFenetre))
            faute(w, texte, "outside its window");
    }
    return fautes;
}

} // namespace

class TestTextes : public QObject {
    Q_OBJECT
  private slots:

    void toutesLesFenetres() {
        DossierJeu d;
        d.Ensemble("SET", {{"o*", "", "x"}});
        auto f = std::make_unique<TMainForm>(d.qchemin(), DelaisDeTest());
        f->show();
        QStringList fautes;
        auto verifie = [&](QWidget* w, const char* nom) {
            if (w->objectName().isEmpty())
                w->setObjectName(nom);
            w->show();
            QCoreApplication::processEvents();
            fautes << Debordements(w);
            w->hide();
        };
        verifie(f.get(), "jeu");
        Bouton(*f, "EditeurSB")->click();
        Bouton(*f, "ChargeNivSB")->setEnabled(true);
        for (QWidget* w : {static_cast<QWidget*>(Controle<QWidget>(*f, "EditNivPanel"))})
            w->show();
        verifie(f.get(), "editeur");
        Controle<QPushButton>(*f, "BitBtn1")->click();

        TChoisiNiv choix(d.qchemin(), f.get());
        verifie(&choix, "ChoisiNiv");
        TPasswordDlg confirmation(TPasswordDlg::Mode::Confirmation, f.get());
        verifie(&confirmation, "PasswordDlg confirmation");
        TPasswordDlg verification(TPasswordDlg::Mode::Verification, f.get());
        verifie(&verification, "PasswordDlg verification");
        TEntreDes creation(TEntreDes::Mode::Creation, d.qchemin(), f.get());
        creation.Edit4->setText("SET"); // its reason shows
        verifie(&creation, "EntreDes creation");
        TEntreDes description(TEntreDes::Mode::Description, d.qchemin(), f.get());
        verifie(&description, "EntreDes description");
        for (const char* titre :
             {"Entrez le numéro du niveau à modifier :", "Entrez le numéro du niveau à effacer :",
              "Entrez le numéro du niveau à tester :"}) {
            TEntrerNiv numero(d.chemin(), "SET", f.get());
            numero.Label1->setText(titre);
            verifie(&numero, "EntrerNiv");
        }
        TOKBottomDlg nom(f.get());
        verifie(&nom, "OKBottomDlg");
        TChoisirGraph graphismes(d.qchemin(), f.get());
        verifie(&graphismes, "ChoisirGraph");
        TRedefTouches redef(f.get());
        verifie(&redef, "RedefTouches");
        for (Qt::Key k : {Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_D}) {
            QTest::keyClick(&redef, k);
            verifie(&redef, "RedefTouches");
        }
        TAboutBox apropos(f.get());
        verifie(&apropos, "AboutBox");
        TVideo video(f.get(), [] {});
        verifie(&video, "Video");
        TRotDeGorbul adieu(f.get(), 0, [] {});
        verifie(&adieu, "RotDeGorbul");
        for (const QString& faute : fautes)
            qWarning("%s", qPrintable(faute));
        QVERIFY2(fautes.isEmpty(), qPrintable(QString("%1 texts cut off").arg(fautes.size())));
    }

    // The shipped help text is laid out for its memo: no line is wrapped.
    void aideSansLigneCoupee() {
        TAide aide(ZV_GAME_DIR, nullptr);
        aide.show();
        QCoreApplication::processEvents();
        const QFontMetrics fm(aide.Memo->font());
        const int place =
            aide.Memo->viewport()->width() - 2 * int(aide.Memo->document()->documentMargin());
        QStringList coupees;
        for (const QString& ligne : aide.Memo->toPlainText().split('\n'))
            if (fm.horizontalAdvance(ligne) > place)
                coupees << ligne;
        QVERIFY2(coupees.isEmpty(),
                 qPrintable(QString("%1 lines wider than %2 pixels (%3 columns):\n")
                                .arg(coupees.size())
                                .arg(place)
                                .arg(place / fm.horizontalAdvance('M')) +
                            coupees.join('\n')));
    }
};

QTEST_MAIN(TestTextes)
#include "test_textes.moc"
