// A game killed (SIGKILL) at random points while it erases level 1 of a large set: once the folder
// is opened again, the set is whole, either as before the erase or as after it, and its files
// pass the checks of `zorvane-niveaux check` (every stored solution still solves its level; the
// levels themselves are not solved again, the erase cannot change them).
#include "ChangementEnsemble.h"
#include "CommandesNiveau.h"
#include "DossierTemporaire.h"
#include "Ensemble.h"
#include "NiveauFichier.h"
#include "Octets.h"
#include "Soluce.h"
#include "Verification.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <iostream>
#include <map>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace zorvane;
using zorvane::test::DossierTemporaire;

namespace {

using Octets = std::vector<uint8_t>;
using Contenu = std::map<std::string, Octets>;

constexpr int NbNiveaux = 2000;

Contenu Photo(const DossierTemporaire& d) {
    Contenu contenu;
    for (const auto& e : fs::recursive_directory_iterator(d.chemin()))
        if (e.is_regular_file())
            contenu[fs::relative(e.path(), d.chemin()).generic_string()] =
                d.lit(fs::relative(e.path(), d.chemin()));
    return contenu;
}

// Level i is solved by one slide of the ball, to the right for even levels and to the left for
// odd ones, and each level's stored solution is that slide: a solution that follows another
// level's number no longer solves it.
void GrosEnsemble(const DossierTemporaire& d) {
    TNiveau n;
    EcrireDescription(d, n, "GROS", "Un gros ensemble", "MDP", true);
    std::vector<TNiveau> versLaDroite, versLaGauche;
    for (uint8_t r = 0; r < NbLignes; ++r)
        for (uint8_t b = 0; b < NbColonnes; ++b)
            for (uint8_t c = 0; c < NbColonnes; ++c) {
                if (b == c)
                    continue;
                TNiveau l;
                EcritCase(l, b, r, CaseBoule);
                EcritCase(l, c, r, CaseZelmite);
                EcritCase(l, 0, uint8_t((r + 6) % NbLignes), CaseCarre);
                (b < c ? versLaDroite : versLaGauche).push_back(l);
            }
    Octets niv, sol, ind;
    for (int i = 0; i < NbNiveaux; ++i) {
        const bool droite = i % 2 == 0;
        const TNiveauFichier r = EncodeNiveau((droite ? versLaDroite : versLaGauche)[i / 2]);
        niv.insert(niv.end(), r.begin(), r.end());
        TJournal j;
        AjouteCoup(j, droite ? 1 : -1, 0);
        RangeOctet(j);
        sol.push_back(j.Octets[0]);
        uint8_t record[TailleIndexSoluce] = {};
        EcritLE32(record, uint32_t(i));
        EcritLE16(record + 4, j.NbCodes);
        ind.insert(ind.end(), record, record + sizeof record);
    }
    d.ecrit("niveaux/GROS.niv", niv);
    d.ecrit("niveaux/GROS.sol", sol);
    d.ecrit("niveaux/GROS.ind", ind);
}

void Recopie(const DossierTemporaire& de, const DossierTemporaire& vers) {
    for (const auto& [nom, octets] : Photo(de))
        vers.ecrit(nom, octets);
}

TNiveau Premier() {
    TNiveau n;
    n.NomFichier = "GROS";
    n.Numero = 1;
    return n;
}

// The erase in a child process, which writes one byte to `tube` before it starts and another
// once it is done.
pid_t LanceEffacement(const DossierTemporaire& d, int tube) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const char debut = 'd', fin = 'f';
        if (::write(tube, &debut, 1) != 1)
            ::_exit(2);
        try {
            SupprimeNiveau(d, Premier());
        } catch (...) {
            ::_exit(1);
        }
        if (::write(tube, &fin, 1) != 1)
            ::_exit(2);
        ::_exit(0);
    }
    return pid;
}

TEST(CoupureBrutale, AGameKilledDuringAnEraseLeavesTheSetWhole) {
    DossierTemporaire modele, apresModele;
    GrosEnsemble(modele);
    Recopie(modele, apresModele);
    const auto debut = std::chrono::steady_clock::now();
    SupprimeNiveau(apresModele, Premier());
    const auto duree = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - debut);
    const Contenu avant = Photo(modele), apres = Photo(apresModele);
    ASSERT_EQ(VerifieEnsemble(modele, "GROS", nullptr).fautifs(), 0);

    const unsigned graine = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(graine));
    std::mt19937 hasard(graine);
    // Kill points spread over the erase and a little past it.
    std::uniform_int_distribution<long> attente(0, long(duree.count()) * 3 / 2);
    int coupures = 0, pendant = 0, restesAvant = 0, restesApres = 0, incoherents = 0;
    for (int essai = 0; essai < 30; ++essai) {
        DossierTemporaire d;
        Recopie(modele, d);
        int tube[2];
        ASSERT_EQ(::pipe2(tube, O_CLOEXEC), 0);
        const pid_t pid = LanceEffacement(d, tube[1]);
        ASSERT_GT(pid, 0);
        ::close(tube[1]);
        char octet = 0;
        ASSERT_EQ(::read(tube[0], &octet, 1), 1); // the erase starts now
        std::this_thread::sleep_for(std::chrono::microseconds(attente(hasard)));
        ::kill(pid, SIGKILL);
        int statut = 0;
        ::waitpid(pid, &statut, 0);
        const bool fini = ::read(tube[0], &octet, 1) == 1;
        ::close(tube[0]);
        ++coupures;
        pendant += !fini && WIFSIGNALED(statut);

        AcheveChangements(d); // the next game opens the folder
        const Contenu ensuite = Photo(d);
        const BilanEnsemble bilan = VerifieEnsemble(d, "GROS", nullptr);
        const bool coherent =
            (ensuite == avant || ensuite == apres) && bilan.fautifs() == 0 && bilan.defauts.empty();
        incoherents += !coherent;
        restesAvant += ensuite == avant;
        restesApres += ensuite == apres;
        EXPECT_TRUE(coherent) << "kill " << essai << ": " << bilan.fautifs() << " faulty levels, "
                              << bilan.defauts.size() << " set faults";
    }
    std::cout << "erase of level 1 of " << NbNiveaux << " levels: " << duree.count() << " us; "
              << coupures << " kills, " << pendant << " inside the erase, " << restesAvant
              << " left the set as before, " << restesApres << " as after, " << incoherents
              << " inconsistent\n";
    EXPECT_GT(pendant, 0); // some kills did land inside the erase
}

} // namespace
