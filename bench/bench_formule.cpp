// How long the duct formulas take on the start window's values and on the
// slowest inputs a person can reach from the window.

#include <benchmark/benchmark.h>

#include "calc/module_calcoli.h"
#include "calc/testo.h"

namespace {

using namespace flumetra;

void LatoPerDiametro_500_551(benchmark::State& stato) {
    for (auto _ : stato) benchmark::DoNotOptimize(Module_Calcoli::LatoPerDiametro(500, 551));
}
BENCHMARK(LatoPerDiametro_500_551);

void VelocitaDaPerdita_551(benchmark::State& stato) {
    const Decimale Y = TestoInDecimale("0,023");
    for (auto _ : stato) benchmark::DoNotOptimize(Module_Calcoli::VelocitaDaPerdita(551, Y));
}
BENCHMARK(VelocitaDaPerdita_551);

void DiametroDaPortataPerdita_3000(benchmark::State& stato) {
    const Decimale Y = TestoInDecimale("0,023");
    for (auto _ : stato) benchmark::DoNotOptimize(Module_Calcoli::DiametroDaPortataPerdita(3000, Y));
}
BENCHMARK(DiametroDaPortataPerdita_3000);

}  // namespace
