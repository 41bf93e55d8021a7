#include "DossierTemporaire.h"
#include "Erreur.h"
#include "Fichier.h"
#include "LimiteTailleFichier.h"
#include "Options.h"

#include <gtest/gtest.h>

using namespace zorvane;
using zorvane::test::DossierTemporaire;
using zorvane::test::LimiteTailleFichier;

namespace {

std::size_t NombreDeFichiers(const fs::path& dossier) {
    return std::size_t(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()));
}

TEST(RemplaceFichier, AFailedWriteKeepsTheOldContent) {
    DossierTemporaire d;
    TOptions o;
    o.NomGraphisme = "ancien";
    EcritOptions(d, o);
    const auto avant = d.lit("options.dat");
    o.NomGraphisme = "nouveau";
    {
        LimiteTailleFichier limite(100);
        EXPECT_THROW(EcritOptions(d, o), ErreurES);
    }
    EXPECT_EQ(d.lit("options.dat"), avant);
    EXPECT_EQ(NombreDeFichiers(d.chemin()), 2u); // niveaux/ and options.dat: no temporary left
}

TEST(RemplaceFichier, AFailedRenameLeavesNoTemporary) {
    DossierTemporaire d;
    fs::create_directories(d.chemin() / "options.dat" / "x");
    EXPECT_THROW(EcritOptions(d, TOptions{}), ErreurES);
    EXPECT_EQ(NombreDeFichiers(d.chemin()), 2u);
}

TEST(Fichier, ADirectoryIsNotAFile) {
    DossierTemporaire d;
    EXPECT_THROW(Fichier(d, "niveaux", Fichier::Mode::Lecture), ErreurES);
}

TEST(RetireOctets, AGapPastTheEndIsRefusedUntouched) {
    DossierTemporaire d;
    const std::vector<uint8_t> dix{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    d.ecrit("f", dix);
    EXPECT_THROW(RetireOctets(d, "f", 8, 4, 4096), ErreurES);
    EXPECT_THROW(RetireOctets(d, "f", 11, 0, 4096), ErreurES);
    EXPECT_EQ(d.lit("f"), dix);
    RetireOctets(d, "f", 6, 4, 3);
    EXPECT_EQ(d.lit("f"), (std::vector<uint8_t>{0, 1, 2, 3, 4, 5}));
    RetireOctets(d, "f", 1, 2, 3); // a buffer smaller than what follows the gap
    EXPECT_EQ(d.lit("f"), (std::vector<uint8_t>{0, 3, 4, 5}));
    EXPECT_EQ(NombreDeFichiers(d.chemin()), 2u);
}

TEST(InsereOctets, InsertsAnywhereThroughASmallBuffer) {
    DossierTemporaire d;
    d.ecrit("f", {0, 1, 2, 3, 4, 5, 6});
    const uint8_t bloc[] = {0xA, 0xB};
    InsereOctets(d, "f", 2, bloc, 2, 3);
    EXPECT_EQ(d.lit("f"), (std::vector<uint8_t>{0, 1, 0xA, 0xB, 2, 3, 4, 5, 6}));
    InsereOctets(d, "f", 9, bloc, 1, 3); // at the end
    EXPECT_EQ(d.lit("f"), (std::vector<uint8_t>{0, 1, 0xA, 0xB, 2, 3, 4, 5, 6, 0xA}));
    EXPECT_THROW(InsereOctets(d, "f", 11, bloc, 2, 3), ErreurES);
    EXPECT_THROW(InsereOctets(d, "absent", 0, bloc, 2, 3), ErreurES);
    EXPECT_EQ(NombreDeFichiers(d.chemin()), 2u);
}

TEST(FichierTemporaire, KeepsTheOldFilesPermissions) {
    DossierTemporaire d;
    d.ecrit("f", {1, 2, 3});
    fs::permissions(d.chemin() / "f", fs::perms::owner_read | fs::perms::owner_write);
    RetireOctets(d, "f", 0, 1, 4096);
    EXPECT_EQ(fs::status(d.chemin() / "f").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

} // namespace
