// Figures of the solver: states per second, the time of each shipped level, and random boards
// of 16 x 12 cells (each a wall with probability 0.2; the ball, the square and N gems on
// distinct free cells) solved within 10 s each.
//
//   bench_solveur --benchmark_filter=Livre      the shipped levels
//   bench_solveur --benchmark_filter=Aleatoire  the random boards (up to 10 s each)
#include "EnsembleTexte.h"
#include "PlateauAleatoire.h"
#include "Solveur.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

using namespace zorvane;

namespace {

// The benchmark's own boards: walls with probability 0.2.
TNiveau Aleatoire(uint32_t graine, int zelmites) {
    std::mt19937 alea(graine);
    return PlateauAleatoire(alea, zelmites, 0.2);
}

void Compte(benchmark::State& state, const ResultatSolveur& r) {
    state.counters["codes"] = r.nbCodes;
    state.counters["etats"] = double(r.etatsMemorises);
    state.counters["developpes/s"] =
        benchmark::Counter(double(r.etatsDeveloppes), benchmark::Counter::kIsRate);
}

// A 20-gem board whose search stores 1.7 million states (the bounds take about 0.5 s of it).
void BM_EtatsParSeconde(benchmark::State& state) {
    const TNiveau n = Aleatoire(1010, 20);
    for (auto _ : state)
        Compte(state, Resous(n));
}
BENCHMARK(BM_EtatsParSeconde)->Unit(benchmark::kMillisecond);

// The bounds alone, computed before the search, on the same board.
void BM_Bornes(benchmark::State& state) {
    const TNiveau n = Aleatoire(1010, 20);
    OptionsSolveur o;
    o.etatsMax = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(Resous(n, o));
}
BENCHMARK(BM_Bornes)->Unit(benchmark::kMillisecond);

// Random boards: solved (1), proved unsolvable (1) or given up at 10 s (1).
void BM_Aleatoire(benchmark::State& state) {
    const TNiveau n = Aleatoire(uint32_t(1000 + state.range(1)), int(state.range(0)));
    OptionsSolveur o;
    o.dureeMax = std::chrono::seconds(10);
    o.etatsMax = 200'000'000;
    for (auto _ : state) {
        const ResultatSolveur r = Resous(n, o);
        Compte(state, r);
        state.counters["resolu"] = r.verdict == VerdictSolveur::Resolu;
        state.counters["insoluble"] = r.verdict == VerdictSolveur::Insoluble;
        state.counters["abandon"] = r.verdict == VerdictSolveur::Abandon;
    }
}
BENCHMARK(BM_Aleatoire)
    ->ArgsProduct({{10, 20}, benchmark::CreateDenseRange(0, 19, 1)})
    ->ArgNames({"zelmites", "plateau"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Every level of the shipped sets.
void EnregistreNiveauxLivres() {
    for (const char* nom : {"INITIAT", "ZORVANE"}) {
        std::ifstream f(std::filesystem::path(ZV_DONNEES_NIVEAUX) / (std::string(nom) + ".txt"));
        std::ostringstream texte;
        texte << f.rdbuf();
        const EnsembleTexte e = LitEnsembleTexte(texte.str());
        for (std::size_t i = 0; i < e.niveaux.size(); ++i)
            benchmark::RegisterBenchmark(
                ("Livre/" + std::string(nom) + "/" + std::to_string(i + 1)).c_str(),
                [n = e.niveaux[i]](benchmark::State& state) {
                    for (auto _ : state)
                        Compte(state, Resous(n));
                })
                ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    EnregistreNiveauxLivres();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
