#include "DossierTemporaire.h"
#include "Erreur.h"
#include "Options.h"

#include <gtest/gtest.h>

using namespace zorvane;
using zorvane::test::DossierTemporaire;

namespace {

TOptions Exemple() {
    TOptions o;
    o.Haut = 38;
    o.Bas = 40;
    o.Gauche = 37;
    o.Droite = 39;
    o.Change = 32;
    o.NomGraphisme = "classique";
    o.ChoixMusique = 21;
    o.EffetsSonores = 1;
    return o;
}

TEST(Options, LayoutOfTheRecord) {
    const auto r = EncodeOptions(Exemple());
    EXPECT_EQ(r[0], 38);
    EXPECT_EQ(r[1], 0);
    EXPECT_EQ(r[8], 32);
    EXPECT_EQ(r[10], 9);
    EXPECT_EQ(std::string(r.begin() + 11, r.begin() + 20), "classique");
    EXPECT_EQ(r[20], 0);
    EXPECT_EQ(r[266], 21);
    EXPECT_EQ(r[267], 1);
}

TEST(Options, WrittenAndReadBack) {
    DossierTemporaire d;
    EcritOptions(d, Exemple());
    EXPECT_EQ(d.lit("options.dat").size(), 268u);
    EXPECT_EQ(LitOptions(d), Exemple());
}

TEST(Options, UnchangedOptionsAreWrittenBackByteForByte) {
    DossierTemporaire d;
    std::vector<uint8_t> octets(268, 0);
    const auto r = EncodeOptions(Exemple());
    std::copy(r.begin(), r.end(), octets.begin());
    octets.push_back(99); // bytes after the record are ignored
    d.ecrit("options.dat", octets);
    EcritOptions(d, LitOptions(d));
    EXPECT_EQ(d.lit("options.dat"), std::vector<uint8_t>(r.begin(), r.end()));
}

TEST(Options, EmptyNameMeansPerLevelChange) {
    TOptions o = Exemple();
    o.NomGraphisme.clear();
    const auto r = EncodeOptions(o);
    EXPECT_EQ(r[10], 0);
    EXPECT_EQ(DecodeOptions(r).NomGraphisme, "");
}

TEST(Options, MissingOrShortFileIsAnError) {
    DossierTemporaire d;
    EXPECT_THROW(LitOptions(d), ErreurES);
    d.ecrit("options.dat", std::vector<uint8_t>(267, 0));
    try {
        LitOptions(d);
        FAIL();
    } catch (const ErreurES& e) {
        EXPECT_EQ(e.numero(), LectureAuDelaDeLaFin);
        EXPECT_EQ(e.fichier(), "options.dat");
    }
}

TEST(Options, AGraphicsNameOutsideTheGraphicsFolderIsRefused) {
    DossierTemporaire d;
    using namespace std::string_literals;
    for (const std::string& nom : {"../../etc/x"s, "a/b"s, "a\\b"s, "a\nb"s, "a\0b"s}) {
        TOptions o = Exemple();
        o.NomGraphisme = nom;
        EcritOptions(d, o);
        try {
            LitOptions(d);
            ADD_FAILURE() << nom;
        } catch (const ErreurES& e) {
            EXPECT_EQ(e.numero(), FichierEndommage) << nom;
        }
    }
    for (const char* nom : {"..", "..."}) { // the prefix of Graphics/..f.bmp: still inside
        TOptions o = Exemple();
        o.NomGraphisme = nom;
        EcritOptions(d, o);
        EXPECT_EQ(LitOptions(d), o);
    }
}

TEST(Options, ReadOnlyFileCanBeRead) {
    DossierTemporaire d;
    EcritOptions(d, Exemple());
    fs::permissions(d.chemin() / "options.dat", fs::perms::owner_read);
    EXPECT_EQ(LitOptions(d), Exemple());
}

} // namespace
