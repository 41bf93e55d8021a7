// The real game, driven from outside as a player drives it: started on an X server of its own
// (Xvfb), keys typed with xdotool. Once from a game folder of its own (the executable copied
// beside its files), once installed under a prefix mounted read-only, with the player's files in
// $XDG_DATA_HOME/zorvane.
//
// First run: a new game (the only set starts without a chooser), level 1 solved, the game saved
// under a name and a password, quit. Second run: the game loaded, level 2 solved, which ends the
// set, quit without saving. Then the files: Joueur.ini byte for byte, options.dat as shipped, both
// levels' solutions stored.
#include "FPlayer.h"
#include "Fixture.h"
#include "Octets.h"
#include "Soluce.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QSize>
#include <QThread>
#include <cstdio>
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace zorvane;
using zorvane::test::DossierJeu;
using zorvane::test::DossierTemporaire;
namespace fs = std::filesystem;

namespace {

QString Executable;          // the built game, given on the command line
QString CMake, Construction; // cmake and the build folder, for the installed game

constexpr int AttenteMs = 15000;       // for a window, a dialog, the end of the game
constexpr QSize TailleTitre{516, 216}; // the title splash

struct Echec : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Runs xdotool and returns its output; a run that does not end in time is a failure.
QString Xdo(const QStringList& arguments, bool echecPermis = false) {
    QProcess p;
    p.start("xdotool", arguments);
    if (!p.waitForFinished(5000)) {
        p.kill();
        p.waitForFinished();
        throw Echec("xdotool " + arguments.join(' ').toStdString() + " never ended");
    }
    if (p.exitCode() != 0 && !echecPermis)
        throw Echec("xdotool " + arguments.join(' ').toStdString() +
                    " failed: " + p.readAllStandardError().toStdString());
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

struct Fenetre {
    QString id, nom;
    QSize taille;
};

// One run of the game whose executable lies in `dossier`; with `xdg`, XDG_DATA_HOME.
class Partie {
  public:
    explicit Partie(const QString& dossier, const QString& xdg = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM"); // the real X server, not the tests' offscreen platform
        env.insert("SDL_AUDIODRIVER", "dummy");
        if (!xdg.isEmpty())
            env.insert("XDG_DATA_HOME", xdg);
        jeu_.setProcessEnvironment(env);
        jeu_.setWorkingDirectory(QDir::tempPath()); // the game must find its folder by itself
        // Its standard error is kept for the failure message.
        jeu_.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        // A start that never shows its window is tried once more: on a loaded machine the X
        // server now and then refuses a connection, and the game then stops before its window.
        // The first attempt's report goes into the failure of the second.
        std::string premier;
        for (int essai = 0;; ++essai) {
            jeu_.start(dossier + "/zorvane", {});
            if (!jeu_.waitForStarted())
                throw Echec("the game does not start: " + jeu_.errorString().toStdString());
            try {
                principale_ = attends(
                    [](const Fenetre& f) { return f.nom == "Zorvane" && f.taille.width() == 792; },
                    "the main window");
                break;
            } catch (const Echec& e) {
                if (essai > 0)
                    throw Echec(std::string(e.what()) + "; first attempt: " + premier);
                premier = e.what();
                jeu_.kill();
                jeu_.waitForFinished();
                erreurs_.clear();
            }
        }
        // The title splash shows once, then goes: keys typed meanwhile would reach it.
        try {
            attends([](const Fenetre& f) { return f.taille == TailleTitre; }, "the title", 5000);
        } catch (const Echec&) {
        }
        attendsSeule("the title's end");
        focus();
    }

    ~Partie() {
        if (jeu_.state() != QProcess::NotRunning) {
            jeu_.kill();
            jeu_.waitForFinished();
        }
    }

    // The visible windows of the game.
    std::vector<Fenetre> fenetres() {
        std::vector<Fenetre> liste;
        const QString ids =
            Xdo({"search", "--onlyvisible", "--pid", QString::number(jeu_.processId())}, true);
        for (const QString& id : ids.split('\n', Qt::SkipEmptyParts)) {
            Fenetre f{id, Xdo({"getwindowname", id}, true), {}};
            const QString geometrie = Xdo({"getwindowgeometry", id}, true);
            const auto i = geometrie.indexOf("Geometry: ");
            if (i >= 0) {
                const QStringList wh = geometrie.mid(i + 10).section('\n', 0, 0).split('x');
                if (wh.size() == 2)
                    f.taille = {wh[0].toInt(), wh[1].toInt()};
            }
            liste.push_back(f);
        }
        return liste;
    }

    // Waits for a visible window of the game that fits `critere`.
    template <class Critere>
    Fenetre attends(Critere critere, const std::string& quoi, int ms = AttenteMs) {
        const QDeadlineTimer fin(ms);
        for (;;) {
            for (const Fenetre& f : fenetres())
                if (critere(f))
                    return f;
            if (fin.hasExpired() || jeu_.state() == QProcess::NotRunning)
                throw Echec("never saw " + quoi + "; " + etat());
            QThread::msleep(100);
        }
    }
    // The caption is exactly the dialog's own: nothing is added after it.
    Fenetre attendsNom(const QString& nom, const std::string& quoi) {
        return attends([&](const Fenetre& f) { return f.nom == nom; }, quoi);
    }

    // Waits until the main window is the game's only visible window.
    void attendsSeule(const std::string& quoi) {
        const QDeadlineTimer fin(AttenteMs);
        while (fenetres().size() != 1) {
            if (fin.hasExpired() || jeu_.state() == QProcess::NotRunning)
                throw Echec("never saw " + quoi + "; " + etat());
            QThread::msleep(100);
        }
    }

    // Gives the keyboard to the main window (no window manager does it here).
    void focus() { Xdo({"windowfocus", "--sync", principale_.id}); }
    void touches(const QStringList& touches) { Xdo(QStringList{"key", "--delay", "50"} + touches); }
    void tape(const QString& texte) { Xdo({"type", "--delay", "50", texte}); }

    void signal(int numero) { ::kill(pid_t(jeu_.processId()), numero); }

    // Waits for the game to end by itself, and returns its exit code.
    int attendsFin() {
        if (!jeu_.waitForFinished(AttenteMs))
            throw Echec("the game did not end; " + etat());
        const int code = jeu_.exitStatus() == QProcess::NormalExit ? jeu_.exitCode() : -1;
        if (code != 0)
            std::fprintf(stderr, "the game's standard error:\n%s\n", sortieErreur().c_str());
        return code;
    }

    // The visible windows, and what the game wrote on its standard error so far.
    std::string etat() {
        std::string texte = "windows:";
        if (jeu_.state() == QProcess::NotRunning) {
            texte += " none, the game ended";
        } else {
            for (const Fenetre& f : fenetres())
                texte += " [" + f.nom.toStdString() + " " + std::to_string(f.taille.width()) + "x" +
                         std::to_string(f.taille.height()) + "]";
        }
        return texte + "; the game's standard error:\n" + sortieErreur();
    }

    std::string sortieErreur() {
        erreurs_ += jeu_.readAllStandardError();
        return erreurs_.isEmpty() ? "(empty)" : erreurs_.toStdString();
    }

  private:
    QProcess jeu_;
    QByteArray erreurs_;
    Fenetre principale_;
};

ino_t Inode(const QString& chemin) {
    struct stat st {};
    return ::stat(QFile::encodeName(chemin).constData(), &st) == 0 ? st.st_ino : 0;
}

// An X server in memory for the whole test program. Xvfb picks a free display itself and writes
// its number once it accepts connections, so that two servers started at once never collide.
class ServeurX {
  public:
    ServeurX() {
        xvfb_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        const QDeadlineTimer fin(AttenteMs);
        while (!xvfb_.canReadLine())
            if (!xvfb_.waitForReadyRead(int(fin.remainingTime())))
                throw Echec("Xvfb does not start");
        const QString numero = QString::fromLatin1(xvfb_.readLine()).trimmed();
        qputenv("DISPLAY", (":" + numero).toLatin1()); // for the game and xdotool
        AttendsConnexion(fin);
    }
    ~ServeurX() {
        xvfb_.terminate();
        if (!xvfb_.waitForFinished(5000))
            xvfb_.kill();
        xvfb_.waitForFinished();
    }

  private:
    // The display number comes before the server is sure to take clients on a fresh machine:
    // the game starts only once a client (xdotool) could connect.
    void AttendsConnexion(const QDeadlineTimer& fin) {
        for (;;) {
            QProcess client;
            client.start("xdotool", {"getdisplaygeometry"});
            if (client.waitForFinished(5000) && client.exitStatus() == QProcess::NormalExit &&
                client.exitCode() == 0)
                return;
            if (fin.hasExpired() || xvfb_.state() == QProcess::NotRunning)
                throw Echec("Xvfb never accepted a connection on " +
                            qEnvironmentVariable("DISPLAY").toStdString() + ": " +
                            client.readAllStandardError().toStdString() +
                            xvfb_.readAllStandardError().toStdString());
            QThread::msleep(50);
        }
    }

    QProcess xvfb_;
};

// A game folder: the executable, the fixture's graphics set and options (arrows and space, sound
// and music off), and the set TINY of two levels, each solved by one move of the ball.
class PartieReelle : public ::testing::Test {
  protected:
    void SetUp() override {
        d.Ensemble("TINY", {{"o*", "", "", "", "", "    x"},   // right
                            {"o", "", "", "*", "", "    x"}}); // down
        const QString cible = d.qchemin() + "/zorvane";
        ASSERT_TRUE(QFile::copy(Executable, cible)) << Executable.toStdString();
        QFile(cible).setPermissions(QFile::permissions(Executable) | QFile::ExeOwner);
        optionsAvant = d.lit("options.dat");
    }

    DossierJeu d;
    std::vector<uint8_t> optionsAvant;
};

std::vector<uint8_t> operator+(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<uint8_t> Record(int32_t position, uint16_t nbCodes) {
    std::vector<uint8_t> r(TailleIndexSoluce);
    EcritLE32(r.data(), uint32_t(position));
    EcritLE16(r.data() + 4, nbCodes);
    return r;
}

// The two runs of the game in `dossier`, its player's files in `joueur`.
void JoueDeuxParties(const QString& dossier, const QString& xdg, const fs::path& joueur,
                     const std::vector<uint8_t>& optionsLivrees) {
    const auto lit = [&](const char* fichier) {
        std::ifstream f(joueur / fichier, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), {});
    };
    TPartie attendue;
    InitPartie(attendue);
    FixeJoueur(attendue, "ALICE", "SECRET");
    FixeNiveau(attendue, 2);
    FixeEnsemble(attendue, "TINY");
    const TPartieFichier record = EncodePartie(attendue);
    const std::vector<uint8_t> joueurIni(record.begin(), record.end());
    try {
        {
            Partie jeu(dossier, xdg);
            jeu.touches({"F9", "Right", "ctrl+e"}); // new game, level 1 solved, save
            jeu.attendsNom("Enregistrement", "the name dialog");
            jeu.tape("ALICE");
            jeu.touches({"Return"});
            jeu.attendsNom("Mot de passe", "the password dialog");
            jeu.tape("SECRET");
            jeu.touches({"Tab"});
            jeu.tape("SECRET");
            jeu.touches({"Return"});
            jeu.attendsSeule("the password dialog's end");
            jeu.focus();
            jeu.touches({"ctrl+q"});
            EXPECT_EQ(jeu.attendsFin(), 0);
        }
        EXPECT_EQ(lit(FichierJoueur), joueurIni);
        EXPECT_EQ(lit("options.dat"), optionsLivrees);
        EXPECT_EQ(lit("niveaux/TINY.sol"), std::vector<uint8_t>{0x70}); // lead-in 01, right 11
        EXPECT_EQ(lit("niveaux/TINY.ind"), Record(0, 2) + Record(0, 0));

        {
            Partie jeu(dossier, xdg);
            jeu.touches({"ctrl+c"});
            jeu.attendsNom("Double-cliquez sur l'enregistrement à charger", "the saved games");
            jeu.touches({"Return"});
            jeu.attendsNom("Mot de passe", "the password dialog");
            jeu.tape("SECRET");
            jeu.touches({"Return"});
            jeu.attendsSeule("the loaded game");
            jeu.focus();
            jeu.touches({"Down"}); // level 2 solved: the set is finished
            jeu.attendsNom("Bravo, vous avez gagné !!!", "the congratulations");
            jeu.touches({"Return"});
            jeu.attendsSeule("the congratulations' end");
            jeu.focus();
            jeu.touches({"ctrl+q"});
            jeu.attends(
                [](const Fenetre& f) { return f.nom == "Zorvane" && f.taille.width() != 792; },
                "the offer to save");
            jeu.touches({"Escape"}); // no
            EXPECT_EQ(jeu.attendsFin(), 0);
        }
    } catch (const Echec& e) {
        FAIL() << e.what();
    }
    EXPECT_EQ(lit(FichierJoueur), joueurIni); // loading and quitting without saving leave it
    EXPECT_EQ(lit("options.dat"), optionsLivrees);
    EXPECT_EQ(lit("niveaux/TINY.sol"), (std::vector<uint8_t>{0x70, 0xD0})); // 11, then down 01
    EXPECT_EQ(lit("niveaux/TINY.ind"), Record(0, 2) + Record(1, 2));
}

TEST_F(PartieReelle, SaveQuitAndLoadAgain) {
    JoueDeuxParties(d.qchemin(), {}, d.chemin(), optionsAvant);
}

// Runs a command; true when it ran and ended with 0.
bool Lance(const QString& programme, const QStringList& arguments, QString* sortie = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programme, arguments);
    const bool fini = p.waitForFinished(60000);
    if (sortie)
        *sortie = QString::fromLocal8Bit(p.readAll());
    return fini && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A folder mounted read-only over itself for the life of the object; ok() says whether the
// system allowed it.
class MontageLectureSeule {
  public:
    explicit MontageLectureSeule(const QString& dossier) : dossier_(dossier) {
        monte_ = Lance("mount", {"--bind", dossier, dossier}, &refus_);
        ok_ = monte_ && Lance("mount", {"-o", "remount,ro,bind", dossier, dossier}, &refus_);
    }
    ~MontageLectureSeule() {
        if (monte_)
            Lance("umount", {dossier_});
    }
    bool ok() const { return ok_; }
    const QString& refus() const { return refus_; }

  private:
    QString dossier_, refus_;
    bool monte_ = false, ok_ = false;
};

// The game installed by cmake --install, its data replaced by the fixture's (graphics, options,
// the set TINY), the prefix mounted read-only: the player's files all go to XDG_DATA_HOME.
TEST_F(PartieReelle, InstalledUnderAReadOnlyPrefix) {
    if (CMake.isEmpty())
        GTEST_SKIP() << "no build folder given: the installed game is not tried";
    if (::geteuid() != 0)
        GTEST_SKIP() << "a read-only bind mount needs root: the installed game is not tried";
    DossierTemporaire installe, xdg;
    const QString prefixe = QString::fromStdString(installe.chemin().string());
    QString sortie;
    ASSERT_TRUE(Lance(CMake, {"--install", Construction, "--prefix", prefixe}, &sortie))
        << sortie.toStdString();
    const fs::path donnees = installe.chemin() / "share/games/zorvane";
    ASSERT_TRUE(fs::is_regular_file(installe.chemin() / "games/zorvane"));
    fs::remove_all(donnees / "niveaux");
    fs::remove(donnees / "options.dat");
    fs::copy(d.chemin() / "niveaux", donnees / "niveaux", fs::copy_options::recursive);
    fs::copy(d.chemin() / "Graphics", donnees / "Graphics", fs::copy_options::recursive);
    fs::copy_file(d.chemin() / "options.dat", donnees / "options.dat");
    const auto livre = installe.contenu();

    MontageLectureSeule montage(prefixe);
    if (!montage.ok())
        GTEST_SKIP() << "the system refuses the read-only mount: " << montage.refus().toStdString();
    JoueDeuxParties(prefixe + "/games", QString::fromStdString(xdg.chemin().string()),
                    xdg.chemin() / "zorvane", optionsAvant);
    EXPECT_EQ(installe.contenu(), livre);
}

// A desktop logout or `kill` closes the game as its close box does, without asking about the
// unsaved game; the options are written (a new file in their place).
TEST_F(PartieReelle, SigtermAndSigintCloseTheGameAndWriteTheOptions) {
    for (const int numero : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(strsignal(numero));
        const QString options = d.qchemin() + "/options.dat";
        const ino_t avant = Inode(options);
        try {
            Partie jeu(d.qchemin());
            jeu.touches({"F9", "Right"}); // level 1 solved: progress that is not saved
            jeu.attends([](const Fenetre& f) { return f.nom == "Zorvane"; }, "the game");
            jeu.signal(numero);
            EXPECT_EQ(jeu.attendsFin(), 0);
        } catch (const Echec& e) {
            FAIL() << e.what();
        }
        EXPECT_NE(Inode(options), avant);
        EXPECT_EQ(d.lit("options.dat"), optionsAvant);
        EXPECT_FALSE(fs::exists(d.chemin() / FichierJoueur));
    }
}

// A second game on a folder that a running game holds says so and leaves.
TEST_F(PartieReelle, ASecondGameOnTheSameFolderSaysSoAndLeaves) {
    try {
        Partie premier(d.qchemin());
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM"); // on the X server, where the player would see it
        env.insert("SDL_AUDIODRIVER", "dummy");
        second.setProcessEnvironment(env);
        second.setProcessChannelMode(QProcess::ForwardedChannels);
        second.start(d.qchemin() + "/zorvane", {});
        ASSERT_TRUE(second.waitForStarted());
        const QDeadlineTimer fin(AttenteMs);
        QString boite;
        while (boite.isEmpty() && !fin.hasExpired()) {
            boite = Xdo({"search", "--onlyvisible", "--pid", QString::number(second.processId())},
                        true);
            QThread::msleep(100);
        }
        ASSERT_FALSE(boite.isEmpty()) << "the second game showed no message";
        const QString id = boite.section('\n', 0, 0);
        Xdo({"windowfocus", "--sync", id});
        Xdo({"key", "Return"});
        ASSERT_TRUE(second.waitForFinished(AttenteMs));
        EXPECT_EQ(second.exitCode(), 1);
        premier.focus();
        premier.touches({"ctrl+q"});
        EXPECT_EQ(premier.attendsFin(), 0);
    } catch (const Echec& e) {
        FAIL() << e.what();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen"); // this program draws the fixture's bitmaps only
    QGuiApplication application(argc, argv);
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: %s GAME_EXECUTABLE [CMAKE BUILD_FOLDER]\n", argv[0]);
        return 2;
    }
    Executable = QString::fromLocal8Bit(argv[1]);
    if (argc == 4) {
        CMake = QString::fromLocal8Bit(argv[2]);
        Construction = QString::fromLocal8Bit(argv[3]);
    }
    try {
        ServeurX serveur;
        return RUN_ALL_TESTS();
    } catch (const Echec& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
