// A change of a set cut short at any point: the next opening of the folder finishes it when it
// took effect and removes what an unfinished one left.
#include "ChangementEnsemble.h"
#include "DossierTemporaire.h"
#include "Ensemble.h"

#include <gtest/gtest.h>

#include <set>

using namespace zorvane;
using zorvane::test::DossierTemporaire;

namespace {

using Octets = std::vector<uint8_t>;

Octets Texte(const std::string& s) {
    return Octets(s.begin(), s.end());
}

std::set<std::string> Fichiers(const fs::path& dossier) {
    std::set<std::string> noms;
    for (const auto& e : fs::directory_iterator(dossier))
        noms.insert(e.path().filename().string());
    return noms;
}

// A set whose every file holds its own extension.
void Ensemble(const DossierTemporaire& d) {
    for (const char* ext : {".des", ".niv", ".sol", ".ind"})
        d.ecrit(std::string("niveaux/SET") + ext, Texte(std::string("ancien") + ext));
}

constexpr const char* EnTete = "ZORVANE CHANGEMENT 1\n";

TEST(ChangementEnsemble, NewVersionsReplaceTheFilesOnlyOnceValidated) {
    DossierTemporaire d;
    Ensemble(d);
    {
        ChangementEnsemble c(d, "SET");
        c.nouveau(".niv").ecrit("neuf", 4);
        c.nouveau(".ind").ecrit("neuf", 4);
        c.supprime(".sol");
        // Not validated: everything stays, and the new versions go.
    }
    EXPECT_EQ(d.lit("niveaux/SET.niv"), Texte("ancien.niv"));
    EXPECT_EQ(Fichiers(d.chemin() / "niveaux"),
              (std::set<std::string>{"SET.des", "SET.niv", "SET.sol", "SET.ind"}));

    ChangementEnsemble c(d, "SET");
    c.nouveau(".niv").ecrit("neuf", 4);
    c.nouveau(".ind").ecrit("neuf", 4);
    c.supprime(".sol");
    c.valide();
    EXPECT_EQ(d.lit("niveaux/SET.niv"), Texte("neuf"));
    EXPECT_EQ(d.lit("niveaux/SET.ind"), Texte("neuf"));
    EXPECT_EQ(d.lit("niveaux/SET.des"), Texte("ancien.des"));
    EXPECT_EQ(Fichiers(d.chemin() / "niveaux"),
              (std::set<std::string>{"SET.des", "SET.niv", "SET.ind"}));
}

TEST(ChangementEnsemble, AFileChangesOnceInAChange) {
    DossierTemporaire d;
    Ensemble(d);
    ChangementEnsemble c(d, "SET");
    c.nouveau(".niv");
    EXPECT_THROW(c.nouveau(".niv"), std::logic_error);
    EXPECT_THROW(c.supprime(".niv"), std::logic_error);
}

// A kill after the marker's rename, at each point of the renames that follow: the marker's list
// is finished, by the next change of the set as by the next opening of the folder.
TEST(ChangementEnsemble, AChangeThatTookEffectIsFinishedNextTime) {
    struct Cas {
        const char* nom;
        bool nivDejaRenomme; // the kill came after the first rename
        bool parOuverture;   // finished by AcheveChangements rather than by the next change
    };
    for (const Cas& cas : {Cas{"no rename done, next change", false, false},
                           Cas{"one rename done, next change", true, false},
                           Cas{"no rename done, folder opened", false, true},
                           Cas{"one rename done, folder opened", true, true}}) {
        SCOPED_TRACE(cas.nom);
        DossierTemporaire d;
        Ensemble(d);
        if (cas.nivDejaRenomme)
            d.ecrit("niveaux/SET.niv", Texte("neuf.niv"));
        else
            d.ecrit("niveaux/.SET.niv.a1B2c3", Texte("neuf.niv"));
        d.ecrit("niveaux/.SET.ind.Z9y8X7", Texte("neuf.ind"));
        d.ecrit("niveaux/.SET.valide", Texte(std::string(EnTete) + "R\t.SET.niv.a1B2c3\tSET.niv\n"
                                                                   "R\t.SET.ind.Z9y8X7\tSET.ind\n"
                                                                   "S\tSET.sol\n"));
        if (cas.parOuverture)
            AcheveChangements(d);
        else
            ChangementEnsemble(d, "SET");
        EXPECT_EQ(d.lit("niveaux/SET.niv"), Texte("neuf.niv"));
        EXPECT_EQ(d.lit("niveaux/SET.ind"), Texte("neuf.ind"));
        EXPECT_EQ(Fichiers(d.chemin() / "niveaux"),
                  (std::set<std::string>{"SET.des", "SET.niv", "SET.ind"}));
    }
}

// A marker the game cannot have written is dropped without touching a file: it could otherwise
// rename or delete files of another set or outside the niveaux folder.
TEST(ChangementEnsemble, AHostileOrDamagedMarkerIsDroppedAndTouchesNothing) {
    const char* marques[] = {
        "S\tSET.niv\n",                                      // no header
        "ZORVANE CHANGEMENT 1\nS\tAUTRE.niv\n",              // another set's file
        "ZORVANE CHANGEMENT 1\nS\t../Joueur.ini\n",          // outside the folder
        "ZORVANE CHANGEMENT 1\nR\tAUTRE.niv\tSET.niv\n",     // not a new version of SET.niv
        "ZORVANE CHANGEMENT 1\nR\t.SET.niv.a1B2c3\tSET.niv", // cut before its end
        "ZORVANE CHANGEMENT 1\nX\tSET.niv\n",                // unknown action
        "",
    };
    for (const char* marque : marques) {
        SCOPED_TRACE(marque);
        DossierTemporaire d;
        Ensemble(d);
        d.ecrit("niveaux/AUTRE.niv", Texte("autre"));
        d.ecrit("Joueur.ini", Texte("joueur"));
        d.ecrit("niveaux/.SET.niv.a1B2c3", Texte("neuf.niv"));
        d.ecrit("niveaux/.SET.valide", Texte(marque));
        AcheveChangements(d);
        EXPECT_EQ(d.lit("niveaux/SET.niv"), Texte("ancien.niv"));
        EXPECT_EQ(d.lit("niveaux/AUTRE.niv"), Texte("autre"));
        EXPECT_EQ(d.lit("Joueur.ini"), Texte("joueur"));
        EXPECT_EQ(Fichiers(d.chemin() / "niveaux"),
                  (std::set<std::string>{"SET.des", "SET.niv", "SET.sol", "SET.ind", "AUTRE.niv"}));
    }
}

TEST(ChangementEnsemble, OpeningTheFolderRemovesTheTemporariesOfInterruptedWrites) {
    DossierTemporaire d;
    Ensemble(d);
    const Octets x = Texte("x");
    for (const char* temporaire :
         {"niveaux/.SET.niv.a1B2c3", "niveaux/.SET.des.000000", "niveaux/..SET.valide.QwErTy",
          ".Joueur.ini.a1B2c3", ".options.dat.a1B2c3"})
        d.ecrit(temporaire, x);
    // Files that are not temporaries of the game, hidden or not, stay.
    for (const char* garde :
         {"niveaux/.SET.niv.trop-long", "niveaux/.cache", "niveaux/SET.niv.a1B2c3", ".Joueur.ini",
          ".autre.dat.a1B2c3", "notes.txt"})
        d.ecrit(garde, x);
    AcheveChangements(d);
    EXPECT_EQ(Fichiers(d.chemin() / "niveaux"),
              (std::set<std::string>{"SET.des", "SET.niv", "SET.sol", "SET.ind",
                                     ".SET.niv.trop-long", ".cache", "SET.niv.a1B2c3"}));
    EXPECT_EQ(Fichiers(d.chemin()),
              (std::set<std::string>{"niveaux", ".Joueur.ini", ".autre.dat.a1B2c3", "notes.txt"}));
}

TEST(ChangementEnsemble, AFolderWithoutNiveauxIsLeftAlone) {
    DossierTemporaire d;
    fs::remove(d.chemin() / "niveaux");
    EXPECT_NO_THROW(AcheveChangements(d));
    EXPECT_FALSE(fs::exists(d.chemin() / "niveaux"));
}

} // namespace
