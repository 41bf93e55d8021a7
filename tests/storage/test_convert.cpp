#include "Brouillage.h"
#include "Convert.h"

#include <gtest/gtest.h>

using namespace zorvane;

TEST(Convert, EntierVersBinaireGivesThirtyTwoDigits) {
    EXPECT_EQ(EntierVersBinaire(0), std::string(32, '0'));
    EXPECT_EQ(EntierVersBinaire(0x40000002u), "01000000000000000000000000000010");
    EXPECT_EQ(EntierVersBinaire(0xFFFFFFFFu), std::string(32, '1'));
}

TEST(Convert, BinaireVersEntierReadsAtMostThirtyTwoDigits) {
    EXPECT_EQ(BinaireVersEntier("101"), 5u);
    EXPECT_EQ(BinaireVersEntier(""), 0u);
    EXPECT_EQ(BinaireVersEntier("1x1"), 5u); // any other character is a zero bit
    EXPECT_EQ(BinaireVersEntier(std::string(32, '1') + "11111111"), 0xFFFFFFFFu);
    EXPECT_EQ(BinaireVersEntier(std::string(31, '0') + "1" + "1111"), 1u);
}

TEST(Convert, RoundTrip) {
    for (uint32_t v : {0u, 1u, 75u, 0x80000000u, 0x12345678u, 0xFFFFFFFFu})
        EXPECT_EQ(BinaireVersEntier(EntierVersBinaire(v)), v);
}

TEST(Brouillage, KeyStreamOfAbc) {
    EXPECT_EQ(GraineDuNom("abc"), 294u);
    Generateur g{GraineDuNom("abc")};
    for (int attendu : {57, 244, 69, 225, 128, 230})
        EXPECT_EQ(g.suivant(), attendu);
}

TEST(Brouillage, TwiceGivesTheTextBack) {
    std::string t = "Mot de passe";
    BrouilleAvecCle("ZORV", t);
    EXPECT_NE(t, "Mot de passe");
    BrouilleAvecCle("ZORV", t);
    EXPECT_EQ(t, "Mot de passe");
}
