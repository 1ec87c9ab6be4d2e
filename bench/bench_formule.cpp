// The duct searches, fast against literal on the same inputs, and whole user
// actions through the calculator logic. `./dev bench` runs them optimised.

#include <benchmark/benchmark.h>

#include "calc/module_calcoli.h"
#include "calc/ricerche.h"
#include "calc/scansioni.h"
#include "calc/testo.h"
#include "logic/finestra_in_memoria.h"

namespace {

using namespace flumetra;

enum class Via { Veloce, Letterale };

void Lato(benchmark::State& stato, Via via, Intero S, Intero D) {
    for (auto _ : stato) {
        benchmark::DoNotOptimize(via == Via::Veloce ? ricerche::LatoPerDiametro(S, D)
                                                    : scansioni::LatoPerDiametro(S, D));
    }
}
BENCHMARK_CAPTURE(Lato, fast_500_551, Via::Veloce, 500, 551);
BENCHMARK_CAPTURE(Lato, literal_500_551, Via::Letterale, 500, 551);
BENCHMARK_CAPTURE(Lato, fast_50_3000, Via::Veloce, 50, 3000);
BENCHMARK_CAPTURE(Lato, literal_50_3000, Via::Letterale, 50, 3000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Lato, fast_10_4999, Via::Veloce, 10, 4999);
BENCHMARK_CAPTURE(Lato, literal_10_4999, Via::Letterale, 10, 4999)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(Lato, fast_10_10700, Via::Veloce, 10, 10700);
BENCHMARK_CAPTURE(Lato, literal_10_10700, Via::Letterale, 10, 10700)->Unit(benchmark::kMillisecond)->Iterations(1);

void Velocita(benchmark::State& stato, Via via, Intero D, const char* Y) {
    const Decimale perdita = TestoInDecimale(Y);
    for (auto _ : stato) {
        benchmark::DoNotOptimize(via == Via::Veloce ? ricerche::VelocitaDaPerdita(D, perdita)
                                                    : scansioni::VelocitaDaPerdita(D, perdita));
    }
}
BENCHMARK_CAPTURE(Velocita, fast_551_0_023, Via::Veloce, 551, "0,023");
BENCHMARK_CAPTURE(Velocita, literal_551_0_023, Via::Letterale, 551, "0,023")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Velocita, fast_4999_99_99, Via::Veloce, 4999, "99,99");
BENCHMARK_CAPTURE(Velocita, literal_4999_99_99, Via::Letterale, 4999, "99,99")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void DiametroPortata(benchmark::State& stato, Via via, Intero G, const char* Y) {
    const Decimale perdita = TestoInDecimale(Y);
    for (auto _ : stato) {
        benchmark::DoNotOptimize(via == Via::Veloce ? ricerche::DiametroDaPortataPerdita(G, perdita)
                                                    : scansioni::DiametroDaPortataPerdita(G, perdita));
    }
}
BENCHMARK_CAPTURE(DiametroPortata, fast_3000_0_023, Via::Veloce, 3000, "0,023");
BENCHMARK_CAPTURE(DiametroPortata, literal_3000_0_023, Via::Letterale, 3000, "0,023")->Unit(benchmark::kMicrosecond);

void DiametroVelocita(benchmark::State& stato, Via via, const char* v, const char* Y) {
    const Decimale velocita = TestoInDecimale(v);
    const Decimale perdita = TestoInDecimale(Y);
    for (auto _ : stato) {
        benchmark::DoNotOptimize(via == Via::Veloce ? ricerche::DiametroDaVelocitaPerdita(velocita, perdita)
                                                    : scansioni::DiametroDaVelocitaPerdita(velocita, perdita));
    }
}
BENCHMARK_CAPTURE(DiametroVelocita, fast_3_5_0_023, Via::Veloce, "3,5", "0,023");
BENCHMARK_CAPTURE(DiametroVelocita, literal_3_5_0_023, Via::Letterale, "3,5", "0,023")->Unit(benchmark::kMicrosecond);

// Whole user actions, recalculation included.
void UpDown_G_Change_Perdita(benchmark::State& stato) {
    FinestraInMemoria finestra;
    finestra.cliccaModo(Modo::Perdita);
    finestra.scrivi(Campo::Text_G, "3050");
    for (auto _ : stato) benchmark::DoNotOptimize(finestra.calcolatore().UpDown_G_Change());
}
BENCHMARK(UpDown_G_Change_Perdita)->Unit(benchmark::kMicrosecond);

void Aggiorna_v_Portata_10_899999(benchmark::State& stato) {
    FinestraInMemoria finestra;
    finestra.cliccaModo(Modo::Portata);
    finestra.scrivi(Campo::Text_A, "10");
    finestra.scrivi(Campo::Text_G, "899999");
    finestra.scrivi(Campo::Text_v, "2,78");
    for (auto _ : stato) benchmark::DoNotOptimize(finestra.calcolatore().Aggiorna_v());
}
BENCHMARK(Aggiorna_v_Portata_10_899999)->Unit(benchmark::kMicrosecond);

void Text_Y_KeyUp_SezioneCanale(benchmark::State& stato) {
    FinestraInMemoria finestra;
    finestra.scrivi(Campo::Text_Y, "99,99");
    finestra.scrivi(Campo::Text_D, "4999");
    for (auto _ : stato) benchmark::DoNotOptimize(finestra.calcolatore().Text_Y_KeyUp());
}
BENCHMARK(Text_Y_KeyUp_SezioneCanale)->Unit(benchmark::kMicrosecond);

// A megabyte pasted into a field, then a key released: the text is read
// (twice for the range test, then by the chain) in time linear in its length.
void Text_A_KeyUp_Megabyte(benchmark::State& stato) {
    FinestraInMemoria finestra;
    finestra.scrivi(Campo::Text_A, std::string(1'000'000, '0') + "550");
    for (auto _ : stato) benchmark::DoNotOptimize(finestra.calcolatore().Text_A_KeyUp());
}
BENCHMARK(Text_A_KeyUp_Megabyte)->Unit(benchmark::kMillisecond);

void Text_G_KeyUp_MegabyteOutOfRange(benchmark::State& stato) {
    FinestraInMemoria finestra;
    finestra.scrivi(Campo::Text_G, std::string(1'000'000, '9'));
    for (auto _ : stato) benchmark::DoNotOptimize(finestra.calcolatore().Text_G_KeyUp());
}
BENCHMARK(Text_G_KeyUp_MegabyteOutOfRange)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
