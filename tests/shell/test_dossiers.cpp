// Where the game reads and writes, from its executable's folder, the command line and the
// environment; and the command line itself.
#include "DossierTemporaire.h"
#include "Dossiers.h"
#include "LigneDeCommande.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace zorvane;
using zorvane::test::DossierTemporaire;

namespace {

// A file system under a temporary folder: an installed tree (prefix/games holding the
// executable, prefix/share/games/zorvane the data), a build's game folder, a home.
class ChoixDesDossiers : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(racine() / "prefix/games");
        fs::create_directories(racine() / "prefix/share/games/zorvane/niveaux");
        fs::create_directories(racine() / "jeu/niveaux");
        fs::create_directories(racine() / "home");
        fs::create_directories(racine() / "ailleurs");
        environnement["HOME"] = (racine() / "home").string();
    }
    fs::path racine() const { return tmp.chemin(); }

    TContexteDossiers Contexte(const fs::path& executable) const {
        TContexteDossiers c;
        c.DossierExecutable = racine() / executable;
        c.DonneesInstallees = "../share/games/zorvane";
        c.Variable = [this](const char* nom) -> std::optional<std::string> {
            const auto v = environnement.find(nom);
            return v == environnement.end() ? std::nullopt : std::optional(v->second);
        };
        c.Inscriptible = [this](const fs::path& p) { return !lectureSeule.contains(p); };
        return c;
    }

    DossierTemporaire tmp;
    std::map<std::string, std::string> environnement;
    std::set<fs::path> lectureSeule;
};

TEST_F(ChoixDesDossiers, EachWayOfRunningTheGame) {
    struct Cas {
        const char* nom;
        const char* executable;
        std::optional<const char*> xdg; // XDG_DATA_HOME, relative to the root when absolute
        std::optional<const char*> dossier;
        bool lectureSeule;
        const char* donnees;
        const char* joueur;
    } const cas[] = {
        {"portable: the build's game folder", "jeu", std::nullopt, std::nullopt, false, "jeu",
         "jeu"},
        {"portable wins over XDG_DATA_HOME", "jeu", "xdg", std::nullopt, false, "jeu", "jeu"},
        {"a read-only game folder is only read", "jeu", "xdg", std::nullopt, true, "jeu",
         "xdg/zorvane"},
        {"installed, XDG_DATA_HOME set", "prefix/games", "xdg", std::nullopt, false,
         "prefix/share/games/zorvane", "xdg/zorvane"},
        {"installed, default player's folder", "prefix/games", std::nullopt, std::nullopt, false,
         "prefix/share/games/zorvane", "home/.local/share/zorvane"},
        {"installed, relative XDG_DATA_HOME ignored", "prefix/games", "", std::nullopt, false,
         "prefix/share/games/zorvane", "home/.local/share/zorvane"},
        {"--dossier over an installed game", "prefix/games", "xdg", "ailleurs", false, "ailleurs",
         "ailleurs"},
        {"--dossier over a portable folder", "jeu", std::nullopt, "ailleurs", false, "ailleurs",
         "ailleurs"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        environnement.erase("XDG_DATA_HOME");
        if (c.xdg)
            environnement["XDG_DATA_HOME"] =
                std::string(*c.xdg).empty() ? "relatif/xdg" : (racine() / *c.xdg).string();
        lectureSeule.clear();
        if (c.lectureSeule)
            lectureSeule = {racine() / "jeu", racine() / "jeu/niveaux"};
        TContexteDossiers contexte = Contexte(c.executable);
        if (c.dossier)
            contexte.DossierForce = racine() / *c.dossier;
        const TDossiers d = ChoisitDossiers(contexte);
        EXPECT_EQ(d.Donnees, racine() / c.donnees);
        EXPECT_EQ(d.Joueur, racine() / c.joueur);
    }
}

TEST_F(ChoixDesDossiers, FoldersThatCannotServeAreRefusedWithTheirName) {
    struct Cas {
        const char* nom;
        std::function<void(TContexteDossiers&)> prepare;
        const char* attendu;
    } const cas[] = {
        {"--dossier that does not exist",
         [this](TContexteDossiers& c) { c.DossierForce = racine() / "absent"; }, "absent"},
        {"no data folder beside the executable",
         [this](TContexteDossiers& c) { c.DossierExecutable = racine() / "ailleurs"; },
         "share/games/zorvane"},
        {"neither XDG_DATA_HOME nor HOME", [this](TContexteDossiers&) { environnement.clear(); },
         "HOME"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        TContexteDossiers contexte = Contexte("prefix/games");
        c.prepare(contexte);
        try {
            ChoisitDossiers(contexte);
            ADD_FAILURE() << "accepted";
        } catch (const ErreurDossier& e) {
            EXPECT_NE(std::string(e.what()).find(c.attendu), std::string::npos) << e.what();
        }
    }
}

TEST_F(ChoixDesDossiers, FirstStartCreatesThePlayersFolderWithItsLevelSets) {
    environnement["XDG_DATA_HOME"] = (racine() / "neuf/xdg").string();
    const TDossiers d = ChoisitDossiers(Contexte("prefix/games"));
    CreeDossierDuJoueur(d);
    EXPECT_TRUE(fs::is_directory(racine() / "neuf/xdg/zorvane/niveaux"));
    CreeDossierDuJoueur(d); // the next starts find it
    // A file where the folder should be cannot serve.
    tmp.ecrit("fichier", {1});
    EXPECT_THROW(CreeDossierDuJoueur({d.Donnees, racine() / "fichier"}), ErreurDossier);
}

TEST(LigneDeCommande, OptionsAndTheirErrors) {
    using A = TLigneDeCommande::Action;
    struct Cas {
        std::vector<const char*> arguments;
        A action;
        std::optional<fs::path> dossier;
        const char* erreur = "";
    } const cas[] = {
        {{}, A::Jouer, std::nullopt},
        {{"--help"}, A::Aide, std::nullopt},
        {{"-h"}, A::Aide, std::nullopt},
        {{"--version"}, A::Version, std::nullopt},
        {{"--dossier", "/tmp/z"}, A::Jouer, "/tmp/z"},
        {{"--dossier=/tmp/z"}, A::Jouer, "/tmp/z"},
        {{"--version", "--inconnue"}, A::Version, std::nullopt},
        {{"-platform", "offscreen"}, A::Jouer, std::nullopt}, // the toolkit's own
        {{"--dossier"}, A::Erreur, std::nullopt, "attend un dossier"},
        {{"--dossier="}, A::Erreur, std::nullopt, "attend un dossier"},
        {{"--dossier", "a", "--dossier", "b"}, A::Erreur, std::nullopt, "deux fois"},
        {{"--dosier", "a"}, A::Erreur, std::nullopt, "option inconnue « --dosier »"},
    };
    for (const Cas& c : cas) {
        std::vector<const char*> argv{"zorvane"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        const TLigneDeCommande l = LitLigneDeCommande(int(argv.size()), argv.data());
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        EXPECT_EQ(l.action, c.action);
        EXPECT_EQ(l.dossier, c.dossier);
        EXPECT_NE(l.erreur.find(c.erreur), std::string::npos) << l.erreur;
        if (c.action == A::Erreur) {
            EXPECT_NE(l.erreur.find("zorvane --help"), std::string::npos);
        }
    }
}

} // namespace
