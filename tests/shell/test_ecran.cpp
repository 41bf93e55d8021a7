// The window on a screen below 800 x 600: the refusal message first, then the normal shut-down
// (options written back, farewell window), and never the title window.
#include "Dialogues.h"
#include "Fixture.h"
#include "MainForm.h"

#include <QApplication>
#include <QMessageBox>
#include <QtTest/QTest>
#include <filesystem>
#include <fstream>
#include <memory>

using namespace zorvane;
using namespace zorvane::test;

namespace {

// The classes of the top-level windows, in the order they are shown.
class Temoin : public QObject {
  public:
    QStringList montrees;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow())
            montrees << o->metaObject()->className();
        return false;
    }
};

} // namespace

class TestEcran : public QObject {
    Q_OBJECT
  private slots:
    void petitEcranRefuseAvantLeTitre() {
        DossierJeu d;
        const auto options = d.lit("options.dat");
        Temoin temoin;
        qApp->installEventFilter(&temoin);
        auto f = std::make_unique<TMainForm>(d.qchemin(), TDelais{0, 50, 0});
        QString texte;
        RepondMessage("OK", &texte);
        f->show();
        QTRY_VERIFY(!f->isVisible());
        QTest::qWait(100); // a title window would have been shown by now
        qApp->removeEventFilter(&temoin);
        QCOMPARE(texte, QString("Pour lancer ce jeu, la résolution de votre écran doit être au "
                                "moins du 800x600."));
        QCOMPARE(temoin.montrees.filter("Titre"), QStringList());
        QCOMPARE(temoin.montrees.filter("RotDeGorbul").size(), 1);
        QCOMPARE(d.lit("options.dat"), options);
    }
};

int main(int argc, char* argv[]) {
    // The offscreen platform with one 640 x 480 screen.
    const auto config =
        std::filesystem::temp_directory_path() /
        ("zorvane-ecran-" + std::to_string(QCoreApplication::applicationPid()) + ".json");
    std::ofstream(config) << R"({"screens": [{"name": "petit", "x": 0, "y": 0, "width": 640,
        "height": 480, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.c_str());
    QApplication application(argc, argv);
    std::filesystem::remove(config);
    TestEcran test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_ecran.moc"
