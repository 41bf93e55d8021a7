// Keys: Qt key events to virtual-key codes, their meaning in play, and the redefinition dialog.
#include "Dialogues.h"
#include "Redef.h"
#include "Touches.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QtTest/QTest>

using namespace zorvane;
using namespace zorvane::test;

class TestTouches : public QObject {
    Q_OBJECT
  private slots:
    void codeVirtuel_data() {
        QTest::addColumn<int>("cle");
        QTest::addColumn<int>("modificateurs");
        QTest::addColumn<int>("code");
        QTest::newRow("A") << int(Qt::Key_A) << 0 << 65;
        QTest::newRow("Shift+Z") << int(Qt::Key_Z) << int(Qt::ShiftModifier) << 90;
        QTest::newRow("7") << int(Qt::Key_7) << 0 << 55;
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << 32;
        QTest::newRow("left") << int(Qt::Key_Left) << 0 << 37;
        QTest::newRow("up") << int(Qt::Key_Up) << 0 << 38;
        QTest::newRow("right") << int(Qt::Key_Right) << 0 << 39;
        QTest::newRow("down") << int(Qt::Key_Down) << 0 << 40;
        QTest::newRow("keypad 0") << int(Qt::Key_0) << int(Qt::KeypadModifier) << 96;
        QTest::newRow("keypad 9") << int(Qt::Key_9) << int(Qt::KeypadModifier) << 105;
        QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << int(Qt::KeypadModifier) << 106;
        QTest::newRow("keypad /") << int(Qt::Key_Slash) << int(Qt::KeypadModifier) << 111;
        QTest::newRow("keypad left") << int(Qt::Key_Left) << int(Qt::KeypadModifier) << 37;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << 112;
        QTest::newRow("F12") << int(Qt::Key_F12) << 0 << 123;
        QTest::newRow("Return") << int(Qt::Key_Return) << 0 << 13;
        QTest::newRow("Home") << int(Qt::Key_Home) << 0 << 36;
    }
    void codeVirtuel() {
        QFETCH(int, cle);
        QFETCH(int, modificateurs);
        QFETCH(int, code);
        QKeyEvent e(QEvent::KeyPress, cle, Qt::KeyboardModifiers(modificateurs));
        QCOMPARE(int(CodeVirtuel(&e)), code);
    }

    // The same key at the same place gives the same code on a French (AZERTY), a German
    // (QWERTZ) and a US (QWERTY) keyboard: the native key code tells the place.
    void codeDeLaPlace_data() {
        QTest::addColumn<int>("cle");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("natif");
        QTest::addColumn<int>("code");
        struct Ligne {
            const char* nom;
            Qt::Key cle;
            const char* texte;
            int natif, code;
        };
        const Ligne lignes[] = {
            {"AZERTY 1 (&)", Qt::Key_Ampersand, "&", 10, '1'},
            {"AZERTY 2 (é)", Qt::Key_Eacute, "é", 11, '2'},
            {"AZERTY 3 (\")", Qt::Key_QuoteDbl, "\"", 12, '3'},
            {"AZERTY 7 (è)", Qt::Key_Egrave, "è", 16, '7'},
            {"AZERTY 9 (ç)", Qt::Key_Ccedilla, "ç", 18, '9'},
            {"AZERTY 0 (à)", Qt::Key_Agrave, "à", 19, '0'},
            {"AZERTY Shift+1", Qt::Key_1, "1", 10, '1'},
            {"AZERTY A at Q's place", Qt::Key_A, "a", 24, 'Q'},
            {"AZERTY Q at A's place", Qt::Key_Q, "q", 38, 'A'},
            {"AZERTY W at Z's place", Qt::Key_W, "w", 52, 'Z'},
            {"AZERTY M at ;'s place", Qt::Key_M, "m", 47, 186},
            {"AZERTY , at M's place", Qt::Key_Comma, ",", 58, 'M'},
            {"QWERTZ Z at Y's place", Qt::Key_Z, "z", 29, 'Y'},
            {"QWERTZ Y at Z's place", Qt::Key_Y, "y", 52, 'Z'},
            {"QWERTZ ß at -'s place", Qt::Key_ssharp, "ß", 20, 189},
            {"QWERTY 1", Qt::Key_1, "1", 10, '1'},
            {"QWERTY Q", Qt::Key_Q, "q", 24, 'Q'},
            {"AZERTY space", Qt::Key_Space, " ", 65, 32},
            {"AZERTY left", Qt::Key_Left, "", 113, 37},
        };
        for (const Ligne& l : lignes)
            QTest::newRow(l.nom) << int(l.cle) << QString(l.texte) << l.natif << l.code;
    }
    void codeDeLaPlace() {
        QFETCH(int, cle);
        QFETCH(QString, texte);
        QFETCH(int, natif);
        QFETCH(int, code);
        QKeyEvent e(QEvent::KeyPress, cle, Qt::NoModifier, quint32(natif), 0, 0, texte);
        QCOMPARE(int(CodeVirtuel(&e)), code);
    }

    // The unshifted digit row of a French keyboard defines keys like any other.
    void redefinitionSurUnClavierFrancais() {
        TRedefTouches d;
        d.show();
        const struct {
            Qt::Key cle;
            const char* texte;
            quint32 natif;
        } touches[] = {{Qt::Key_Ampersand, "&", 10},
                       {Qt::Key_Eacute, "é", 11},
                       {Qt::Key_QuoteDbl, "\"", 12},
                       {Qt::Key_Apostrophe, "'", 13},
                       {Qt::Key_A, "a", 24}};
        for (const auto& t : touches) {
            QKeyEvent appui(QEvent::KeyPress, t.cle, Qt::NoModifier, t.natif, 0, 0, t.texte);
            QApplication::sendEvent(&d, &appui);
        }
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.touches(), (TTouches{'1', '2', '3', '4', 'Q'}));
    }

    void interpretation() {
        const TTouches t{38, 40, 37, 39, 32};
        QVERIFY(InterpreteTouche(t, 32).change);
        const Geste bas = InterpreteTouche(t, 40);
        QCOMPARE(int(bas.dx), 0);
        QCOMPARE(int(bas.dy), 1);
        const Geste autre = InterpreteTouche(t, 65);
        QVERIFY(!autre.change && autre.dx == 0 && autre.dy == 0);
        // One code for up and down moves down; an unset table matches no key.
        const Geste double_ = InterpreteTouche(TTouches{65, 65, 37, 39, 32}, 65);
        QCOMPARE(int(double_.dy), 1);
        QVERIFY(!InterpreteTouche(TTouches{}, 0).change);
    }

    void acceptables() {
        for (int code : {32, 37, 40, 48, 65, 90, 96, 111, 124, 186})
            QVERIFY2(ToucheAcceptable(uint16_t(code)), qPrintable(QString::number(code)));
        for (int code : {0, 8, 9, 13, 16, 27, 33, 36, 91, 93, 112, 116, 123})
            QVERIFY2(!ToucheAcceptable(uint16_t(code)), qPrintable(QString::number(code)));
    }

    void redefinitionComplete() {
        TRedefTouches d;
        auto* direction = d.findChild<QLabel*>("Direction");
        auto* label2 = d.findChild<QLabel*>("Label2");
        QCOMPARE(direction->text(), QString("Haut"));
        QTest::keyClick(&d, Qt::Key_F5); // refused silently
        QTest::keyClick(&d, Qt::Key_Return);
        QTest::keyClick(&d, Qt::Key_Tab);
        QCOMPARE(direction->text(), QString("Haut"));
        QTest::keyClick(&d, Qt::Key_Z);
        QCOMPARE(direction->text(), QString("Bas"));
        QString texte;
        RepondMessage("OK", &texte);
        QTest::keyClick(&d, Qt::Key_Z); // already taken
        QCOMPARE(texte, QString("Touche déjà prise"));
        QCOMPARE(direction->text(), QString("Bas"));
        QTest::keyClick(&d, Qt::Key_S);
        QTest::keyClick(&d, Qt::Key_Q);
        QCOMPARE(direction->text(), QString("Droite"));
        QTest::keyClick(&d, Qt::Key_4, Qt::KeypadModifier);
        QCOMPARE(label2->text(), QString("pour définir le choix entre"));
        QCOMPARE(direction->text(), QString("Le carré ou la boule"));
        QTest::keyClick(&d, Qt::Key_Space);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.touches(), (TTouches{90, 83, 81, 100, 32}));
    }

    void echapAnnule() {
        TRedefTouches d;
        d.show();
        QTest::keyClick(&d, Qt::Key_Up);
        QTest::keyClick(&d, Qt::Key_Down);
        QTest::keyClick(&d, Qt::Key_Escape);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(!d.isVisible());
    }
};

QTEST_MAIN(TestTouches)
#include "test_touches.moc"
