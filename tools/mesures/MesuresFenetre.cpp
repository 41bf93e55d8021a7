// Figures of the game window: time from process start to the first painted window, peak
// memory, CPU used while idle and during a 15-cell slide, and the time of a full board redraw.
// Usage: zv_mesures GAME_FOLDER (a built game folder: its Graphics and options.dat are used).
#include "Ensemble.h"
#include "ImageWidget.h"
#include "MainForm.h"
#include "NiveauFichier.h"
#include "PeintrePlateau.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

using namespace zorvane;

namespace {

double Secondes(const timespec& t) {
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Seconds since this process started, from its start time in /proc/self/stat.
double DepuisLeDemarrage() {
    std::ifstream stat("/proc/self/stat");
    std::string champ;
    for (int i = 0; i < 22 && stat >> champ; ++i) {
    }
    const double debut = std::stod(champ) / double(sysconf(_SC_CLK_TCK));
    timespec maintenant{};
    clock_gettime(CLOCK_BOOTTIME, &maintenant);
    return Secondes(maintenant) - debut;
}

double TempsCpu() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

void Attends(int ms) {
    QEventLoop boucle;
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    boucle.exec();
}

// A copy of the game folder with one level: the ball slides 15 cells to the right.
void PrepareDossier(const QString& source, const QString& cible) {
    for (const char* f : {"options.dat"})
        QFile::copy(source + "/" + f, cible + "/" + f);
    QDir().mkpath(cible + "/Graphics");
    for (const QString& f : QDir(source + "/Graphics").entryList(QDir::Files))
        QFile::copy(source + "/Graphics/" + f, cible + "/Graphics/" + f);
    QDir().mkpath(cible + "/niveaux");
    const fs::path jeu = cible.toStdString();
    TNiveau n;
    EcrireDescription(jeu, n, "MESURE", "", "P", true);
    EcritCase(n, 0, 0, CaseBoule);
    EcritCase(n, 0, 5, CaseCarre);
    for (uint8_t x = 2; x < 16; x += 3)
        EcritCase(n, x, 8, CaseMur);
    EcritCase(n, 5, 10, CaseZelmite);
    n.Numero = 1;
    EcritNiveau(jeu, n);
    std::ofstream(cible.toStdString() + "/niveaux/MESURE.ind", std::ios::binary)
        .write("\0\0\0\0\0\0\0\0", 8);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s GAME_FOLDER\n", argv[0]);
        return 2;
    }
    QTemporaryDir dossier;
    PrepareDossier(argv[1], dossier.path());

    TMainForm fenetre(dossier.path(), TDelais{.titreMs = 0});
    bool peint = false;
    struct Guetteur : QObject {
        bool* peint;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint)
                *peint = true;
            return false;
        }
    } guetteur;
    guetteur.peint = &peint;
    fenetre.findChild<QWidget*>("ImgFond")->installEventFilter(&guetteur);
    fenetre.show();
    while (!peint)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double premierePeinture = DepuisLeDemarrage();

    fenetre.NouveauMClick();
    const double cpuRepos = TempsCpu();
    QElapsedTimer chrono;
    chrono.start();
    Attends(10000);
    const double repos = TempsCpu() - cpuRepos;
    const double dureeRepos = double(chrono.elapsed()) / 1000;

    const double cpuGlisse = TempsCpu();
    chrono.restart();
    fenetre.FormKeyDown(39); // right: 15 cells, on the painter's timer
    while (fenetre.Peintre().EnCours())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double dureeGlisse = double(chrono.elapsed()) / 1000;
    const double glisse = TempsCpu() - cpuGlisse;

    constexpr int tours = 500;
    chrono.restart();
    for (int i = 0; i < tours; ++i)
        fenetre.Peintre().Dessine(fenetre.JeuEnCours().Niveau());
    const double redessin = double(chrono.nsecsElapsed()) / 1e6 / tours;

    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    std::printf("first painted window: %.0f ms after process start\n", premierePeinture * 1000);
    std::printf("peak memory (max RSS): %.1f MiB\n", double(r.ru_maxrss) / 1024);
    std::printf("idle, game in progress: %.3f s CPU over %.1f s (%.2f %%)\n", repos, dureeRepos,
                100 * repos / dureeRepos);
    std::printf("15-cell slide: %.0f ms wall, %.1f ms CPU (%.1f %%)\n", dureeGlisse * 1000,
                glisse * 1000, 100 * glisse / dureeGlisse);
    std::printf("full board redraw (with repaint): %.3f ms\n", redessin);
    return 0;
}
