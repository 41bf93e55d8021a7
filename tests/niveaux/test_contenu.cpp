// The shipped level sets: their text, the files the build puts in the game's folder, and the
// rules the content keeps.
#include "DossierTemporaire.h"
#include "EnsembleBinaire.h"
#include "Generateur.h"
#include "Soluce.h"
#include "Solveur.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace zorvane;

namespace {

const fs::path Donnees = ZV_DONNEES_NIVEAUX; // the texts in the sources
const fs::path Jeu = ZV_DOSSIER_JEU;         // the game's folder made by the build

std::string Lit(const fs::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream texte;
    texte << f.rdbuf();
    return texte.str();
}

struct Ensemble {
    const char* nom;
    std::size_t niveauxMin;
};
const Ensemble Ensembles[] = {{"INITIAT", 8}, {"ZORVANE", 40}};
void PrintTo(const Ensemble& e, std::ostream* os) {
    *os << e.nom;
}

EnsembleTexte Source(const char* nom) {
    return LitEnsembleTexte(Lit(Donnees / (std::string(nom) + ".txt")));
}

class Contenu : public testing::TestWithParam<Ensemble> {};

TEST_P(Contenu, LeTexteFaitLAllerRetourParLesFichiers) {
    const std::string texte = Lit(Donnees / (std::string(GetParam().nom) + ".txt"));
    const EnsembleTexte e = LitEnsembleTexte(texte);
    EXPECT_EQ(e.fichier, GetParam().nom);
    EXPECT_EQ(EcritEnsembleTexte(e), texte);
    test::DossierTemporaire dossier;
    ImporteEnsemble(dossier, e);
    EXPECT_EQ(EcritEnsembleTexte(ExporteEnsemble(dossier, e.fichier)), texte);
}

// Each level of the built set has a recorded solution; the solution reader and the move rule
// replay it to the last gem in exactly its number of codes, and that number is the optimum.
TEST_P(Contenu, ChaqueNiveauConstruitASaSolutionOptimale) {
    const EnsembleTexte e = ExporteEnsemble(Jeu, GetParam().nom);
    EXPECT_EQ(EcritEnsembleTexte(e), EcritEnsembleTexte(Source(GetParam().nom)));
    for (const TNiveau& niveau : e.niveaux) {
        SCOPED_TRACE("niveau " + std::to_string(niveau.Numero));
        TSoluce s;
        s.NomFichier = niveau.NomFichier;
        ASSERT_TRUE(LitIndex(Jeu, s, niveau.Numero));
        OuvreSoluce(Jeu, s);
        TNiveau n = niveau;
        bool boule = true;
        while (!NiveauFini(n)) {
            const int coup = CoupSuivant(s);
            ASSERT_NE(coup, CoupFin);
            if (coup == CoupChangement) {
                boule = !boule;
                continue;
            }
            ASSERT_TRUE(Joue(n, boule, DirectionsDesCoups[coup].dx, DirectionsDesCoups[coup].dy));
        }
        EXPECT_EQ(s.CodesLus, s.Index.NbCodes);
        const ResultatSolveur r = Resous(niveau);
        ASSERT_EQ(r.verdict, VerdictSolveur::Resolu);
        EXPECT_EQ(r.nbCodes, s.Index.NbCodes);
    }
}

TEST_P(Contenu, RespecteLesRegles) {
    const EnsembleTexte e = Source(GetParam().nom);
    EXPECT_GE(e.niveaux.size(), GetParam().niveauxMin);
    EXPECT_FALSE(e.description.empty());
    EXPECT_FALSE(e.motDePasse.empty());
}

INSTANTIATE_TEST_SUITE_P(Ensembles, Contenu, testing::ValuesIn(Ensembles),
                         [](const auto& info) { return std::string(info.param.nom); });

// No level repeats another, of its set or of the other, even mirrored.
TEST(Contenu, AucunNiveauNeRessembleAUnAutre) {
    std::vector<std::pair<std::string, TNiveau>> tous;
    for (const Ensemble& ens : Ensembles) {
        const EnsembleTexte e = Source(ens.nom);
        for (std::size_t i = 0; i < e.niveaux.size(); ++i)
            tous.push_back({std::string(ens.nom) + " " + std::to_string(i + 1), e.niveaux[i]});
    }
    for (std::size_t i = 0; i < tous.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(Semblables(tous[i].second, tous[j].second))
                << tous[i].first << " et " << tous[j].first;
}

// Along the main set the optimum never gets shorter, and the last levels ask for more changes
// of piece than the first ones.
TEST(Contenu, LaDifficulteMonte) {
    const EnsembleTexte e = Source("ZORVANE");
    std::vector<MesureNiveau> mesures;
    for (const TNiveau& n : e.niveaux)
        mesures.push_back(Mesure(n, Resous(n)));
    for (std::size_t i = 1; i < mesures.size(); ++i)
        EXPECT_GE(mesures[i].codes, mesures[i - 1].codes) << "niveau " << i + 1;
    auto changements = [&](std::size_t debut, std::size_t fin) {
        int total = 0;
        for (std::size_t i = debut; i < fin; ++i)
            total += mesures[i].changements;
        return total;
    };
    const std::size_t dixieme = mesures.size() / 10;
    EXPECT_GT(changements(mesures.size() - dixieme, mesures.size()), 2 * changements(0, dixieme));
    for (const MesureNiveau& m : mesures) // the square always has a part to play
        EXPECT_GE(m.coupsCarre, 1);
}

} // namespace
