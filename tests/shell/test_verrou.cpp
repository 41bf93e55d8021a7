// One game per folder: a second game on a held folder says so and touches nothing; the lock of a
// game that died is taken over, and the interrupted writes it left are cleaned up.
#include "Dialogues.h"
#include "Fixture.h"
#include "Verrou.h"

#include <QLockFile>
#include <QtTest/QTest>
#include <sys/wait.h>
#include <unistd.h>

using namespace zorvane;
using namespace zorvane::test;

namespace {

// A temporary file that an interrupted write leaves, removed when a game takes the folder.
constexpr const char* Reste = "niveaux/.SET.niv.a1B2c3";

QString Verrou(const DossierJeu& d) {
    return d.qchemin() + "/" + FichierVerrou;
}

} // namespace

class TestVerrou : public QObject {
    Q_OBJECT
  private slots:
    void unDossierLibreEstPrisEtRenduALaFin() {
        DossierJeu d;
        d.ecrit(Reste, {1});
        {
            const auto verrou = PrendDossier(d.qchemin());
            QVERIFY(verrou && verrou->isLocked());
            QVERIFY(!fs::exists(d.chemin() / Reste));
        }
        QLockFile suivant(Verrou(d));
        QVERIFY(suivant.tryLock(0)); // released with the game
    }

    void unDeuxiemeJeuSurUnDossierPrisLeDitEtNeTouchePasAuDossier() {
        DossierJeu d;
        const auto premier = PrendDossier(d.qchemin());
        QVERIFY(premier);
        d.ecrit(Reste, {1});
        QString texte;
        RepondMessage("OK", &texte);
        QVERIFY(!PrendDossier(d.qchemin()));
        QCOMPARE(texte, QString("Une autre fenêtre de Zorvane utilise déjà ce dossier de jeu. "
                                "Fermez-la avant de relancer le jeu."));
        QVERIFY(fs::exists(d.chemin() / Reste));
        QVERIFY(premier->isLocked());
    }

    void leVerrouDUnJeuMortEstRepris() {
        DossierJeu d;
        const pid_t pid = ::fork();
        if (pid == 0) { // a game that takes the folder and dies without letting it go
            QLockFile verrou(Verrou(d));
            ::_exit(verrou.tryLock(0) ? 0 : 1);
        }
        int statut = 0;
        QCOMPARE(::waitpid(pid, &statut, 0), pid);
        QVERIFY(WIFEXITED(statut) && WEXITSTATUS(statut) == 0);
        QVERIFY(QFile::exists(Verrou(d)));
        d.ecrit(Reste, {1});
        const auto verrou = PrendDossier(d.qchemin());
        QVERIFY(verrou && verrou->isLocked());
        QVERIFY(!fs::exists(d.chemin() / Reste));
    }
};

QTEST_MAIN(TestVerrou)
#include "test_verrou.moc"
