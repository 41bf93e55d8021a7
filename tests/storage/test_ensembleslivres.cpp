// The shipped sets brought into the player's folder: the first copy, the update of a copy the
// player did not edit (the player's solutions kept where shorter), the copies and sets left
// alone, a start cut short between the files and the register, and damaged files.
#include "Cp1252.h"
#include "DossierTemporaire.h"
#include "Ensemble.h"
#include "EnsemblesLivres.h"
#include "NiveauFichier.h"
#include "Octets.h"
#include "Soluce.h"

#include <gtest/gtest.h>

#include <optional>

using namespace zorvane;
using zorvane::test::DossierTemporaire;
using zorvane::test::Plateau;

namespace {

using Octets = std::vector<uint8_t>;

// A solution of nbCodes codes; its bytes only need to tell solutions apart.
struct Solution {
    uint16_t nbCodes;
    uint8_t motif;
    Octets bloc() const { return Octets((nbCodes + 3) / 4, motif); }
    bool operator==(const Solution&) const = default;
};

struct Niveau {
    std::vector<std::string> plateau;
    std::optional<Solution> solution;
};

const std::vector<std::string> A = {"o*", "", "x"};
const std::vector<std::string> B = {"o.*", "", "x"};
const std::vector<std::string> C = {"o..*", "#", "x"};
const std::vector<std::string> D = {"x", "*", "o"};

// The set's file on disk: nom is Windows-1252, as in the records.
fs::path Chemin(const std::string& nom, const char* ext) {
    return "niveaux/" + Cp1252VersUtf8(nom) + ext;
}

// Writes a set's .sol and .ind: one index record per level, the blocks in level order.
void EcritSolutions(const DossierTemporaire& d, const std::string& nom,
                    const std::vector<std::optional<Solution>>& solutions) {
    Octets sol, ind;
    for (const auto& x : solutions) {
        uint8_t record[8] = {};
        if (x) {
            EcritLE32(record, uint32_t(sol.size()));
            EcritLE16(record + 4, x->nbCodes);
            const Octets b = x->bloc();
            sol.insert(sol.end(), b.begin(), b.end());
        }
        ind.insert(ind.end(), record, record + 8);
    }
    d.ecrit(Chemin(nom, ".sol"), sol);
    d.ecrit(Chemin(nom, ".ind"), ind);
}

// Writes a set's four files.
void Ensemble(const DossierTemporaire& d, const std::string& nom,
              const std::vector<Niveau>& niveaux, const std::string& description = "Livré") {
    TNiveau n;
    EcrireDescription(d, n, nom, description, "MDP", false);
    Octets niv;
    std::vector<std::optional<Solution>> solutions;
    for (const Niveau& x : niveaux) {
        const TNiveauFichier r = EncodeNiveau(Plateau(x.plateau));
        niv.insert(niv.end(), r.begin(), r.end());
        solutions.push_back(x.solution);
    }
    d.ecrit(Chemin(nom, ".niv"), niv);
    EcritSolutions(d, nom, solutions);
}

// The solutions as the game reads them back.
std::vector<std::optional<Solution>> Solutions(const DossierTemporaire& d, const std::string& nom) {
    TNiveau n;
    n.NomFichier = nom;
    CompteNiveaux(d, n, true);
    std::vector<std::optional<Solution>> liste;
    for (int32_t k = 1; k <= n.NbNiveaux; ++k) {
        TSoluce s;
        s.NomFichier = nom;
        if (!LitIndex(d, s, k)) {
            liste.push_back(std::nullopt);
            continue;
        }
        OuvreSoluce(d, s);
        const Solution lue{s.Index.NbCodes, s.Octets[0]};
        const Octets bloc = lue.bloc();
        EXPECT_TRUE(std::equal(bloc.begin(), bloc.end(), s.Octets.begin()));
        liste.push_back(lue);
    }
    return liste;
}

Octets Fichier(const DossierTemporaire& d, const std::string& nom, const char* ext) {
    return d.lit(Chemin(nom, ext));
}

class EnsemblesLivres : public ::testing::Test {
  protected:
    // Brings the shipped sets in, and checks that the data folder was only read.
    TBilanLivraison Accueille() {
        const auto avant = donnees.contenu();
        TBilanLivraison b = AccueilleEnsemblesLivres(donnees, joueur);
        EXPECT_EQ(donnees.contenu(), avant);
        return b;
    }

    // The player stores a solution of level k of the set.
    void Resout(int k, Solution s) {
        auto solutions = Solutions(joueur, "SET");
        solutions[k - 1] = s;
        EcritSolutions(joueur, "SET", solutions);
    }

    DossierTemporaire donnees, joueur;
};

TEST_F(EnsemblesLivres, FirstStartCopiesEachSetByteForByteThenLeavesItToThePlayer) {
    Ensemble(donnees, "SET", {{A, Solution{6, 0x11}}, {B, std::nullopt}});
    Ensemble(donnees, "\xC9T\xC9", {{C, std::nullopt}}); // ÉTÉ
    const TBilanLivraison b = Accueille();
    EXPECT_EQ(b.Copies, (std::vector<std::string>{"SET", "ÉTÉ"}));
    EXPECT_TRUE(b.Erreurs.empty());
    for (const char* ext : {".des", ".niv", ".sol", ".ind"}) {
        EXPECT_EQ(Fichier(joueur, "SET", ext), Fichier(donnees, "SET", ext)) << ext;
        EXPECT_EQ(Fichier(joueur, "\xC9T\xC9", ext), Fichier(donnees, "\xC9T\xC9", ext)) << ext;
    }
    EXPECT_TRUE(fs::exists(joueur.chemin() / FichierEnsemblesLivres));

    Resout(2, {4, 0x22});
    const auto joue = joueur.contenu();
    const TBilanLivraison encore = Accueille();
    EXPECT_TRUE(encore.Copies.empty() && encore.MisesAJour.empty() && encore.Erreurs.empty());
    EXPECT_EQ(joueur.contenu(), joue);
}

// One level that stays in the new version: which solution the player keeps.
TEST_F(EnsemblesLivres, UpdateKeepsTheShorterSolutionOfAnUnchangedLevel) {
    struct Cas {
        const char* nom;
        std::optional<Solution> joueur, nouvelle, attendue;
    } const cas[] = {
        {"player has none", std::nullopt, Solution{6, 0x31}, Solution{6, 0x31}},
        {"player's shorter", Solution{4, 0x22}, Solution{6, 0x31}, Solution{4, 0x22}},
        {"shipped shorter", Solution{6, 0x22}, Solution{4, 0x31}, Solution{4, 0x31}},
        {"equal length", Solution{5, 0x22}, Solution{5, 0x31}, Solution{5, 0x22}},
        {"shipped has none", Solution{4, 0x22}, std::nullopt, Solution{4, 0x22}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        DossierTemporaire d, j;
        Ensemble(d, "SET", {{A, std::nullopt}});
        AccueilleEnsemblesLivres(d, j);
        if (c.joueur) {
            Ensemble(j, "SET", {{A, c.joueur}});
            // Ensemble() rewrote the .des the same way: the copy is still as shipped.
        }
        Ensemble(d, "SET", {{A, c.nouvelle}}, "Nouvelle version");
        const TBilanLivraison b = AccueilleEnsemblesLivres(d, j);
        EXPECT_EQ(b.MisesAJour, std::vector<std::string>{"SET"});
        EXPECT_EQ(Fichier(j, "SET", ".des"), Fichier(d, "SET", ".des"));
        EXPECT_EQ(Solutions(j, "SET"), (std::vector<std::optional<Solution>>{c.attendue}));
    }
}

TEST_F(EnsemblesLivres, UpdateMovesThePlayersSolutionsWithTheirLevels) {
    Ensemble(donnees, "SET", {{A, Solution{6, 0x11}}, {B, std::nullopt}, {C, Solution{9, 0x13}}});
    Accueille();
    Resout(2, {5, 0x22});
    Resout(3, {4, 0x23});
    // B is gone, D is new, C and A change places.
    Ensemble(donnees, "SET",
             {{C, Solution{8, 0x33}}, {D, Solution{3, 0x34}}, {A, Solution{7, 0x31}}});
    EXPECT_EQ(Accueille().MisesAJour, std::vector<std::string>{"SET"});
    EXPECT_EQ(Fichier(joueur, "SET", ".niv"), Fichier(donnees, "SET", ".niv"));
    const std::vector<std::optional<Solution>> attendues{Solution{4, 0x23}, Solution{3, 0x34},
                                                         Solution{6, 0x11}};
    EXPECT_EQ(Solutions(joueur, "SET"), attendues);
    // Up to date now: the next start changes nothing.
    const auto apres = joueur.contenu();
    EXPECT_TRUE(Accueille().MisesAJour.empty());
    EXPECT_EQ(joueur.contenu(), apres);
}

TEST_F(EnsemblesLivres, UpdateDropsAPlayersSolutionThatLiesOutsideTheSolutionFile) {
    Ensemble(donnees, "SET", {{A, std::nullopt}});
    Accueille();
    Octets ind(8);
    EcritLE32(ind.data(), 1000);
    EcritLE16(ind.data() + 4, 4);
    joueur.ecrit("niveaux/SET.ind", ind);
    Ensemble(donnees, "SET", {{A, Solution{6, 0x31}}});
    Accueille();
    EXPECT_EQ(Solutions(joueur, "SET"), (std::vector<std::optional<Solution>>{Solution{6, 0x31}}));
}

// Sets that are the player's own work, or gone by the player's choice, are never replaced.
TEST_F(EnsemblesLivres, LeavesEditedCopiesOwnSetsAndDeletedCopiesAlone) {
    struct Cas {
        const char* nom;
        void (*joueur)(const DossierTemporaire& d); // what the player did after the first start
        bool premiereCopie = true;
    } const cas[] = {
        {"a level edited",
         [](const DossierTemporaire& d) {
             Ensemble(d, "SET", {{B, std::nullopt}});
         }},
        {"the description edited",
         [](const DossierTemporaire& d) {
             Ensemble(d, "SET", {{A, std::nullopt}}, "À moi");
         }},
        {"the copy deleted",
         [](const DossierTemporaire& d) {
             for (const char* ext : {".des", ".niv", ".sol", ".ind"})
                 fs::remove(d.chemin() / "niveaux" / (std::string("SET") + ext));
         }},
        {"the player's own set of that name",
         [](const DossierTemporaire& d) {
             Ensemble(d, "SET", {{D, Solution{3, 0x44}}}, "Mien");
         },
         false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        DossierTemporaire d, j;
        Ensemble(d, "SET", {{A, std::nullopt}});
        if (c.premiereCopie)
            AccueilleEnsemblesLivres(d, j);
        c.joueur(j);
        const auto avant = j.contenu();
        Ensemble(d, "SET", {{A, Solution{6, 0x31}}}, "Nouvelle version");
        const TBilanLivraison b = AccueilleEnsemblesLivres(d, j);
        EXPECT_TRUE(b.Copies.empty() && b.MisesAJour.empty() && b.Erreurs.empty());
        EXPECT_EQ(j.contenu(), avant);
    }
}

// A start stopped after the set's files changed but before the register was written.
TEST_F(EnsemblesLivres, UpdateCutShortBeforeItWasRecordedIsMadeGoodAtTheNextStart) {
    Ensemble(donnees, "SET", {{A, Solution{6, 0x11}}, {B, std::nullopt}});
    Accueille();
    Resout(2, {5, 0x22});
    Ensemble(donnees, "SET", {{B, Solution{7, 0x32}}, {C, std::nullopt}}, "Nouvelle version");
    // The same update, run to its end in a copy of the player's folder.
    DossierTemporaire fini;
    fs::copy(joueur.chemin(), fini.chemin(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    AccueilleEnsemblesLivres(donnees, fini);
    for (const char* ext : {".des", ".niv", ".sol", ".ind"})
        joueur.ecrit(Chemin("SET", ext), Fichier(fini, "SET", ext));

    EXPECT_EQ(Accueille().MisesAJour, std::vector<std::string>{"SET"});
    EXPECT_EQ(joueur.contenu(), fini.contenu());
    EXPECT_EQ(Solutions(joueur, "SET"),
              (std::vector<std::optional<Solution>>{Solution{5, 0x22}, std::nullopt}));
}

TEST_F(EnsemblesLivres, CopyCutShortBeforeItWasRecordedIsRecordedAndLaterUpdated) {
    Ensemble(donnees, "SET", {{A, std::nullopt}});
    for (const char* ext : {".des", ".niv", ".sol", ".ind"})
        joueur.ecrit(Chemin("SET", ext), Fichier(donnees, "SET", ext));
    EXPECT_EQ(Accueille().Copies, std::vector<std::string>{"SET"});
    Ensemble(donnees, "SET", {{A, Solution{6, 0x31}}});
    EXPECT_EQ(Accueille().MisesAJour, std::vector<std::string>{"SET"});
}

TEST_F(EnsemblesLivres, DamagedFilesAreReportedAndTheOtherSetsStillCopied) {
    Ensemble(donnees, "BON", {{A, std::nullopt}});
    Ensemble(donnees, "ABIME", {{A, std::nullopt}});
    fs::remove(donnees.chemin() / "niveaux/ABIME.ind");
    // A damaged line of the register is no record: the set it named stays unknown.
    joueur.ecrit(FichierEnsemblesLivres, {'B', 'O', 'N', ' ', 'x', '\n'});
    const TBilanLivraison b = Accueille();
    EXPECT_EQ(b.Copies, std::vector<std::string>{"BON"});
    ASSERT_EQ(b.Erreurs.size(), 1u);
    EXPECT_NE(b.Erreurs[0].find("ABIME"), std::string::npos) << b.Erreurs[0];
    EXPECT_FALSE(fs::exists(joueur.chemin() / "niveaux/ABIME.niv"));
}

} // namespace
