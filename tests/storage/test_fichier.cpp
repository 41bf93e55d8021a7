#include "DossierTemporaire.h"
#include "Erreur.h"
#include "Fichier.h"
#include "Options.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace zorvane;
using zorvane::test::DossierTemporaire;

namespace {

// Makes every write past `limite` bytes of a file fail (EFBIG), as a full disk would.
class LimiteTailleFichier {
  public:
    explicit LimiteTailleFichier(rlim_t limite) {
        ancienSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &ancienne_);
        rlimit r = ancienne_;
        r.rlim_cur = limite;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimiteTailleFichier() {
        setrlimit(RLIMIT_FSIZE, &ancienne_);
        std::signal(SIGXFSZ, ancienSignal_);
    }

  private:
    rlimit ancienne_{};
    void (*ancienSignal_)(int);
};

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

TEST(FermeEcart, AGapPastTheEndIsRefusedUntouched) {
    DossierTemporaire d;
    d.ecrit("f", std::vector<uint8_t>(10, 1));
    Fichier f(d, "f", Fichier::Mode::LectureEcriture);
    EXPECT_THROW(FermeEcart(f, 8, 4, 4096), ErreurES);
    EXPECT_EQ(f.taille(), 10u);
    FermeEcart(f, 6, 4, 3);
    EXPECT_EQ(f.taille(), 6u);
}

} // namespace
