// Figures of the engine and the level file: a move on a full board, and the level operations
// in a set of 10,000 levels.
#include "CommandesNiveau.h"
#include "Ensemble.h"
#include "NiveauFichier.h"
#include "Soluce.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fstream>

using namespace zorvane;

namespace {

// A full board: walls around, gems everywhere inside, the ball in a corner and the square below
// it; the ball sweeps a whole row of gems.
TNiveau PlateauPlein() {
    TNiveau n;
    for (uint8_t x = 0; x < NbColonnes; ++x)
        for (uint8_t y = 0; y < NbLignes; ++y) {
            const bool bord = x == 0 || y == 0 || x == NbColonnes - 1 || y == NbLignes - 1;
            EcritCase(n, x, y, bord ? CaseMur : CaseZelmite);
            if (!bord)
                AjouteZelmites(n, 1);
        }
    EcritCase(n, 1, 1, CaseBoule);
    EcritCase(n, 1, 2, CaseCarre);
    AjouteZelmites(n, 254);
    return n;
}

void BM_Deplace(benchmark::State& state) {
    const TNiveau plein = PlateauPlein();
    for (auto _ : state) {
        TNiveau n = plein;
        benchmark::DoNotOptimize(Deplace(n, true, 1, 0));
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_Deplace);

class EnsembleDeDixMille : public benchmark::Fixture {
  public:
    void SetUp(const benchmark::State&) override {
        std::string modele = (fs::temp_directory_path() / "zorvane-bench-XXXXXX").string();
        dossier = ::mkdtemp(modele.data());
        fs::create_directory(dossier / "niveaux");
        TNiveau n = PlateauPlein();
        EcrireDescription(dossier, n, "BENCH", "", "P", true);
        const TNiveauFichier r = EncodeNiveau(n);
        std::ofstream f(dossier / "niveaux/BENCH.niv", std::ios::binary);
        std::ofstream ind(dossier / "niveaux/BENCH.ind", std::ios::binary);
        const char sansSolution[TailleIndexSoluce] = {};
        for (int i = 0; i < 10000; ++i) {
            f.write(reinterpret_cast<const char*>(r.data()), r.size());
            ind.write(sansSolution, sizeof sansSolution);
        }
        niveau = n;
        niveau.Numero = 1;
    }
    void TearDown(const benchmark::State&) override { fs::remove_all(dossier); }

    fs::path dossier;
    TNiveau niveau;
};

BENCHMARK_F(EnsembleDeDixMille, LitNiveau)(benchmark::State& state) {
    for (auto _ : state) {
        LitNiveau(dossier, niveau);
        benchmark::DoNotOptimize(niveau);
    }
}

BENCHMARK_F(EnsembleDeDixMille, EcritNiveau)(benchmark::State& state) {
    for (auto _ : state)
        EcritNiveau(dossier, niveau);
}

// Erasing level 1 moves the other 9,999 down; the level is written back at the end (untimed)
// so that every iteration erases from a set of 10,000.
BENCHMARK_F(EnsembleDeDixMille, EffaceNiveau)(benchmark::State& state) {
    TNiveau fin = niveau;
    fin.Numero = 10000;
    for (auto _ : state) {
        EffaceNiveau(dossier, niveau);
        state.PauseTiming();
        EcritNiveau(dossier, fin);
        state.ResumeTiming();
    }
}

// The editor's erase: the level, its solution and its index record, as one change of the set.
BENCHMARK_F(EnsembleDeDixMille, EffaceNiveauEtSoluce)(benchmark::State& state) {
    TNiveau fin = niveau;
    fin.Numero = 10000;
    for (auto _ : state) {
        SupprimeNiveau(dossier, niveau);
        state.PauseTiming();
        EcritNiveau(dossier, fin);
        RazSoluce(dossier, "BENCH", false, 10000);
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK_MAIN();
