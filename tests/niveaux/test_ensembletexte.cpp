#include "EnsembleTexte.h"

#include <gtest/gtest.h>

using namespace zorvane;

namespace {

const std::string Vide = "................";
const std::string Niveau1 = "niveau 1\n"
                            "o..*............\n" +
                            [] {
                                std::string s;
                                for (int i = 0; i < 10; ++i)
                                    s += Vide + "\n";
                                return s;
                            }() +
                            "#.............x#\n";
const std::string Entete = "fichier: ESSAI\n"
                           "description: Premiers pas, « à l’essai »\n"
                           "mot de passe: CLÉ\n";
const std::string Texte = Entete + "\n" + Niveau1;

TEST(EnsembleTexte, LitEtRecritALIdentique) {
    const EnsembleTexte e = LitEnsembleTexte(Texte);
    EXPECT_EQ(e.fichier, "ESSAI");
    EXPECT_EQ(e.description, "Premiers pas, « à l’essai »");
    EXPECT_EQ(e.motDePasse, "CLÉ");
    ASSERT_EQ(e.niveaux.size(), 1u);
    const TNiveau& n = e.niveaux[0];
    EXPECT_EQ(n.PosBoule, (TPosition{0, 0}));
    EXPECT_EQ(n.PosCarre, (TPosition{14, 11}));
    EXPECT_EQ(n.NbZelmites, 1);
    EXPECT_EQ(LitCase(n, 3, 0), CaseZelmite);
    EXPECT_EQ(LitCase(n, 0, 11), CaseMur);
    EXPECT_EQ(EcritEnsembleTexte(e), Texte);

    std::string deux = Texte + "\n" + Niveau1;
    deux.replace(deux.rfind("niveau 1"), 8, "niveau 2");
    EXPECT_EQ(EcritEnsembleTexte(LitEnsembleTexte(deux)), deux);
}

TEST(EnsembleTexte, DescriptionVideEtFinsDeLigneWindows) {
    std::string texte = "fichier: A\ndescription:\nmot de passe: P\n\n" + Niveau1;
    EXPECT_EQ(EcritEnsembleTexte(LitEnsembleTexte(texte)), texte);
    std::string crlf;
    for (char c : texte)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(EcritEnsembleTexte(LitEnsembleTexte(crlf)), texte);
}

struct Fautif {
    const char* nom;
    std::string texte;
    const char* message; // the start of the expected message
};

std::string AvecLigne(int ligne, const std::string& contenu) {
    std::string t = Texte;
    std::size_t pos = 0;
    for (int i = 1; i < ligne; ++i)
        pos = t.find('\n', pos) + 1;
    return t.replace(pos, t.find('\n', pos) - pos, contenu);
}

class EnsembleTexteFautif : public testing::TestWithParam<Fautif> {};

TEST_P(EnsembleTexteFautif, DitPourquoiEtOu) {
    try {
        LitEnsembleTexte(GetParam().texte);
        FAIL() << "accepté";
    } catch (const ErreurTexte& e) {
        EXPECT_EQ(std::string(e.what()).rfind(GetParam().message, 0), 0u) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cas, EnsembleTexteFautif,
    testing::Values(
        Fautif{"LigneCourte", AvecLigne(8, Vide.substr(1)), "ligne 8 : 15 cases au lieu de 16"},
        Fautif{"LigneLongue", AvecLigne(8, Vide + "."), "ligne 8 : 17 cases au lieu de 16"},
        Fautif{"CaractereInconnu", AvecLigne(9, "....a..........."),
               "ligne 9 : caractère « a » inconnu en colonne 5"},
        Fautif{"CaractereAccentue", AvecLigne(9, "..é............."),
               "ligne 9 : caractère « é » inconnu en colonne 3"},
        Fautif{"DeuxBoules", AvecLigne(10, "......o........."),
               "niveau 1 (lignes 6 à 17) : 2 boules (une seule attendue)"},
        Fautif{"SansBoule", AvecLigne(6, "...*............"),
               "niveau 1 (lignes 6 à 17) : pas de boule"},
        Fautif{"DeuxCarres", AvecLigne(7, "x..............."),
               "niveau 1 (lignes 6 à 17) : 2 carrés"},
        Fautif{"SansZelmite", AvecLigne(6, "o..............."),
               "niveau 1 (lignes 6 à 17) : aucune zelmite"},
        Fautif{"SansEnTete", "\n" + Niveau1, "ligne 1 : en-tête « fichier: » attendu"},
        Fautif{"EnTeteIncomplet", "fichier: ESSAI\nmot de passe: A\n\n" + Niveau1,
               "ligne 2 : en-tête « description: » attendu"},
        Fautif{"NomTropLong", AvecLigne(1, "fichier: NEUFLETTRE"),
               "ligne 1 : nom de fichier de 1 à 8 caractères attendu"},
        Fautif{"NomAvecSlash", AvecLigne(1, "fichier: ../X"),
               "ligne 1 : le nom de fichier ne prend"},
        Fautif{"DescriptionTropLongue", AvecLigne(2, "description: " + std::string(101, 'a')),
               "ligne 2 : description de 101 caractères (100 au plus)"},
        Fautif{"DescriptionHorsCp1252", AvecLigne(2, "description: →"),
               "ligne 2 : description : caractère « → »"},
        Fautif{"MotDePasseMinuscule", AvecLigne(3, "mot de passe: Clé"),
               "ligne 3 : mot de passe en capitales attendu"},
        Fautif{"MotDePasseVide", AvecLigne(3, "mot de passe:"),
               "ligne 3 : mot de passe de 1 à 30 caractères attendu"},
        Fautif{"MauvaisNumero", AvecLigne(5, "niveau 2"), "ligne 5 : « niveau 1 » attendu"},
        Fautif{"NiveauTronque", Texte.substr(0, Texte.size() - 34),
               "ligne 16 : fin du texte dans le niveau 1 (12 lignes attendues)"},
        Fautif{"SansNiveau", Entete, "aucun niveau dans l'ensemble"}),
    [](const auto& info) { return std::string(info.param.nom); });

} // namespace
