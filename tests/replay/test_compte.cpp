// The countdown's hints, as the player reads them.
#include "CompteARebours.h"

#include <QtTest/QTest>

using namespace zorvane;

class TestCompte : public QObject {
    Q_OBJECT
  private slots:
    void bulles_data() {
        QTest::addColumn<int>("ecoule");
        QTest::addColumn<QString>("bulle");
        QTest::newRow("1") << 1 << "Solution disponible dans 4 minutes et 59 secondes.";
        QTest::newRow("60") << 60 << "Solution disponible dans 4 minutes.";
        QTest::newRow("240") << 240 << "Solution disponible dans 1 minute.";
        QTest::newRow("241") << 241 << "Solution disponible dans 59 secondes.";
        QTest::newRow("299") << 299 << "Solution disponible dans 1 seconde.";
        QTest::newRow("119") << 119 << "Solution disponible dans 3 minutes et 1 seconde.";
    }
    void bulles() {
        QFETCH(int, ecoule);
        QFETCH(QString, bulle);
        QCOMPARE(BulleCompte(300 - ecoule), bulle);
    }
};

QTEST_MAIN(TestCompte)
#include "test_compte.moc"
