// A game window in a test, driven in its editor view: painting by mouse drags, and the set and
// level dialogs answered.
#pragma once

#include "Controles.h"
#include "Dialogues.h"
#include "Editeur.h"
#include "Fixture.h"
#include "ImageWidget.h"
#include "MainForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest/QTest>
#include <memory>

namespace zorvane::test {

inline QPoint Centre(int x, int y) {
    return {x * 41 + 20, y * 41 + 20};
}

struct Session {
    explicit Session(const DossierJeu& d)
        : f(std::make_unique<TMainForm>(d.qchemin(), DelaisDeTest())) {
        f->show();
        e = f->findChild<TEditeur*>("Editeur");
    }
    std::unique_ptr<TMainForm> f;
    TEditeur* e;

    void Outil(int tag) { e->OutilRB[tag]->click(); }
    // A left-button drag over the cells given, in order.
    void Peint(int tag, std::initializer_list<QPoint> cases) {
        Outil(tag);
        auto it = cases.begin();
        QTest::mousePress(Plateau(*f), Qt::LeftButton, {}, Centre(it->x(), it->y()));
        for (++it; it != cases.end(); ++it)
            QTest::mouseMove(Plateau(*f), Centre(it->x(), it->y()));
        QTest::mouseRelease(Plateau(*f), Qt::LeftButton, {},
                            Centre((cases.end() - 1)->x(), (cases.end() - 1)->y()));
    }
    void Sauve() {
        RepondMessage("Oui");
        e->SaveLevSB->click();
    }
    // Creates a set through the dialog.
    void CreeEnsemble(const QString& nom, const QString& mdp, const QString& description = {}) {
        QuandDialogue([=](QWidget* w) {
            Tape(w->findChild<QLineEdit*>("Edit1"), description);
            Tape(w->findChild<QLineEdit*>("Edit2"), mdp);
            Tape(w->findChild<QLineEdit*>("Edit3"), mdp);
            Tape(w->findChild<QLineEdit*>("Edit4"), nom);
            Clique(w, "OkBtn");
        });
        e->CreerEnsSB->click();
    }
    // Answers the level number dialog.
    void Numero(int n) {
        QuandDialogue([n](QWidget* w) {
            QTest::keyClicks(w->findChild<QLineEdit*>("Edit"), QString::number(n));
            Clique(w, "Ok");
        });
    }
    // Answers the set chooser with its row `ligne`; `oui`: "Oui" to the question that follows.
    static void Choisit(int ligne, bool oui = false) {
        QuandDialogue([=](QWidget* w) {
            auto* liste = w->findChild<QListWidget*>("FileListBox1");
            liste->setCurrentRow(ligne);
            if (oui)
                RepondMessage("Oui");
            QTest::keyClick(liste, Qt::Key_Return);
        });
    }
    // Opens a set through the chooser (its row) and the password dialog.
    void Ouvre(int ligne, const QString& mdp) {
        QuandDialogue([=](QWidget* w) {
            auto* liste = w->findChild<QListWidget*>("FileListBox1");
            liste->setCurrentRow(ligne);
            QuandDialogue([mdp](QWidget* m) {
                QTest::keyClicks(m->findChild<QLineEdit*>("Passw"), mdp);
                Clique(m, "Ok");
            });
            QTest::keyClick(liste, Qt::Key_Return);
        });
        e->ChargeNivSB->click();
    }
};

} // namespace zorvane::test
