// The zorvane-niveaux tool on a temporary game folder.
#include "Commandes.h"
#include "DossierTemporaire.h"
#include "EnsembleBinaire.h"
#include "Soluce.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace zorvane;

namespace {

// A set of levels drawn as up to 12 lines each, padded with empty cells.
std::string TexteEnsemble(const std::vector<std::vector<std::string>>& niveaux) {
    EnsembleTexte e{"ESSAI", "Des niveaux d'essai", "ESSAI", {}};
    for (const auto& lignes : niveaux)
        e.niveaux.push_back(test::Plateau(lignes));
    return EcritEnsembleTexte(e);
}

const std::vector<std::vector<std::string>> Niveaux = {
    {"o....*", "", "x"},
    {"o", "", "", "", "", ".....*", "", "", "", "", "", "......x"},
    {"ox...*", "#"},
};

class Outil : public testing::Test {
  protected:
    int Lance(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--jeu", dossier.chemin().string()});
        sortie.str("");
        erreurs.str("");
        return ExecuteOutilNiveaux(arguments, sortie, erreurs);
    }
    std::string Fichier(const std::string& nom, const std::string& texte) {
        const fs::path chemin = dossier.chemin() / nom;
        std::ofstream(chemin, std::ios::binary) << texte;
        return chemin.string();
    }

    test::DossierTemporaire dossier;
    std::ostringstream sortie, erreurs;
};

TEST_F(Outil, ImporteResoutEnregistreEtExporteALIdentique) {
    const std::string texte = TexteEnsemble(Niveaux);
    ASSERT_EQ(Lance({"import", Fichier("essai.txt", texte), "--enregistre"}), 0) << erreurs.str();
    EXPECT_EQ(sortie.str(), "ESSAI : 3 niveaux importés\n"
                            "niveau 1 : 2 codes : o→\n"
                            "niveau 2 : 4 codes : o↓ o→ o↑\n"
                            "niveau 3 : 5 codes : x↓ o→\n");
    // Each solution is stored as the game stores it, and replays in its number of codes.
    const int attendus[] = {2, 4, 5};
    for (int32_t i = 1; i <= 3; ++i) {
        TSoluce s;
        s.NomFichier = "ESSAI";
        ASSERT_TRUE(LitIndex(dossier, s, i));
        EXPECT_EQ(s.Index.NbCodes, attendus[i - 1]);
        TNiveau n = test::Plateau(Niveaux[i - 1]);
        n.NomFichier = "ESSAI";
        EXPECT_EQ(RejoueSolution(dossier, n, i), attendus[i - 1]);
    }
    ASSERT_EQ(Lance({"export", "ESSAI"}), 0);
    EXPECT_EQ(sortie.str(), texte);
    ASSERT_EQ(Lance({"check", "ESSAI"}), 0);
    EXPECT_EQ(sortie.str(), "niveau 1 : correct, optimum 2 codes, solution enregistrée de 2 codes\n"
                            "niveau 2 : correct, optimum 4 codes, solution enregistrée de 4 codes\n"
                            "niveau 3 : correct, optimum 5 codes, solution enregistrée de 5 codes\n"
                            "ESSAI : 3 niveaux, 0 en défaut\n");
}

TEST_F(Outil, SolveUnNiveauSansToucherAuxFichiers) {
    ASSERT_EQ(Lance({"import", Fichier("essai.txt", TexteEnsemble(Niveaux))}), 0);
    const auto sol = dossier.lit("niveaux/ESSAI.sol");
    const auto ind = dossier.lit("niveaux/ESSAI.ind");
    ASSERT_EQ(Lance({"solve", "ESSAI", "3"}), 0);
    EXPECT_EQ(sortie.str(), "niveau 3 : 5 codes : x↓ o→\n");
    EXPECT_EQ(dossier.lit("niveaux/ESSAI.sol"), sol);
    EXPECT_EQ(dossier.lit("niveaux/ESSAI.ind"), ind);
    EXPECT_EQ(ind.size(), 3 * TailleIndexSoluce); // one record per level, without solution
    EXPECT_EQ(Lance({"check", "ESSAI"}), 0);
}

TEST_F(Outil, CheckSignaleLesNiveauxFautifs) {
    EnsembleTexte e{"FAUTES", "", "X", {}};
    e.niveaux.push_back(test::Plateau(Niveaux[0]));
    e.niveaux.push_back(test::Plateau({"o.....#*#", "x......#"})); // the gem is walled in
    e.niveaux.push_back(test::Plateau(Niveaux[0]));
    ImporteEnsemble(dossier, e);
    EXPECT_EQ(Lance({"check", "FAUTES"}), 1);
    EXPECT_EQ(sortie.str(), "niveau 1 : correct, optimum 2 codes\n"
                            "niveau 2 : insoluble\n"
                            "niveau 3 : identique au niveau 1\n"
                            "FAUTES : 3 niveaux, 2 en défaut\n");
    EXPECT_EQ(Lance({"solve", "FAUTES", "2"}), 1);
    EXPECT_EQ(erreurs.str(), "FAUTES niveau 2 : insoluble\n");
}

TEST_F(Outil, CheckRejoueLesSolutionsEnregistrees) {
    ASSERT_EQ(Lance({"import", Fichier("essai.txt", TexteEnsemble(Niveaux)), "--enregistre"}), 0);
    // Level 2's block now says "right, down": it no longer collects the gem.
    TSoluce s;
    s.NomFichier = "ESSAI";
    LitIndex(dossier, s, 2);
    auto sol = dossier.lit("niveaux/ESSAI.sol");
    sol[s.Index.Position] = 0b01110100;
    dossier.ecrit("niveaux/ESSAI.sol", sol);
    EXPECT_EQ(Lance({"check", "ESSAI"}), 1);
    EXPECT_NE(sortie.str().find("niveau 2 : la solution enregistrée ne résout pas le niveau\n"),
              std::string::npos)
        << sortie.str();
}

TEST_F(Outil, AbandonneALaLimiteDEtats) {
    ASSERT_EQ(Lance({"import", Fichier("essai.txt", TexteEnsemble(Niveaux))}), 0);
    EXPECT_EQ(Lance({"solve", "ESSAI", "2", "--etats-max", "1"}), 1);
    EXPECT_EQ(erreurs.str(), "ESSAI niveau 2 : abandon, limite de 1 états atteinte\n");
}

TEST_F(Outil, ErreursDesFichiers) {
    std::string texte = TexteEnsemble(Niveaux);
    texte.replace(texte.find("o....*"), 6, "o..?.*");
    EXPECT_EQ(Lance({"import", Fichier("faux.txt", texte)}), 1);
    EXPECT_NE(erreurs.str().find("faux.txt, ligne 6 : caractère « ? » inconnu en colonne 4"),
              std::string::npos)
        << erreurs.str();
    EXPECT_FALSE(fs::exists(dossier.chemin() / "niveaux/ESSAI.des"));

    EXPECT_EQ(Lance({"import", (dossier.chemin() / "absent.txt").string()}), 1);
    EXPECT_NE(erreurs.str().find("fichier introuvable"), std::string::npos);
    EXPECT_EQ(Lance({"export", "ABSENT"}), 1);
    EXPECT_NE(erreurs.str().find("niveaux/ABSENT.des"), std::string::npos) << erreurs.str();
    EXPECT_EQ(Lance({"check", ".."}), 1);
    EXPECT_NE(erreurs.str().find("nom d'ensemble de niveaux invalide"), std::string::npos);
}

TEST_F(Outil, ErreursDeLaLigneDeCommande) {
    ASSERT_EQ(Lance({"import", Fichier("essai.txt", TexteEnsemble(Niveaux))}), 0);
    const std::vector<std::vector<std::string>> fautives = {
        {},
        {"inconnue"},
        {"solve"},
        {"export", "ESSAI", "en trop"},
        {"solve", "ESSAI", "4"},
        {"solve", "ESSAI", "0"},
        {"solve", "ESSAI", "--etats-max", "beaucoup"},
        {"check", "ESSAI", "--option-inconnue"},
        {"check", "ESSAI", "--jeu"},
    };
    for (const auto& f : fautives) {
        EXPECT_EQ(Lance(f), 2) << (f.empty() ? "" : f[0]);
        EXPECT_NE(erreurs.str().find("usage : zorvane-niveaux"), std::string::npos);
    }
    EXPECT_EQ(Lance({"--aide"}), 0);
    EXPECT_NE(sortie.str().find("usage"), std::string::npos);
}

} // namespace
