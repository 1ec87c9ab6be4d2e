// The duct searches, fast against literal on the same inputs, and whole user
// actions through the calculator logic. `./dev bench` runs them optimised.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "calc/module_calcoli.h"
#include "calc/scansioni.h"
#include "calc/testo.h"
#include "logic/finestra_in_memoria.h"
#include "logic/quantita.h"

namespace {

using namespace flumetra;

enum class Via { Veloce, Letterale };

void Lato(benchmark::State& stato, Via via, Intero S, Intero D) {
    for (auto _ : stato) {
        benchmark::DoNotOptimize(via == Via::Veloce ? Module_Calcoli::LatoPerDiametro(S, D)
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

// The other three searches, each call with its arguments read beforehand.
template <typename Ricerca>
void Cerca(benchmark::State& stato, Ricerca ricerca) {
    for (auto _ : stato) benchmark::DoNotOptimize(ricerca());
}
const Decimale Y_0_023 = TestoInDecimale("0,023");
const Decimale Y_99_99 = TestoInDecimale("99,99");
const Decimale v_3_5 = TestoInDecimale("3,5");
BENCHMARK_CAPTURE(Cerca, Velocita_fast_551_0_023, [] { return Module_Calcoli::VelocitaDaPerdita(551, Y_0_023); });
BENCHMARK_CAPTURE(Cerca, Velocita_literal_551_0_023, [] {
    return scansioni::VelocitaDaPerdita(551, Y_0_023);
})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Cerca, Velocita_fast_4999_99_99, [] { return Module_Calcoli::VelocitaDaPerdita(4999, Y_99_99); });
BENCHMARK_CAPTURE(Cerca, Velocita_literal_4999_99_99, [] { return scansioni::VelocitaDaPerdita(4999, Y_99_99); })
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(Cerca, DiametroPortata_fast_3000_0_023,
                  [] { return Module_Calcoli::DiametroDaPortataPerdita(3000, Y_0_023); });
BENCHMARK_CAPTURE(Cerca, DiametroPortata_literal_3000_0_023, [] {
    return scansioni::DiametroDaPortataPerdita(3000, Y_0_023);
})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Cerca, DiametroVelocita_fast_3_5_0_023,
                  [] { return Module_Calcoli::DiametroDaVelocitaPerdita(v_3_5, Y_0_023); });
BENCHMARK_CAPTURE(Cerca, DiametroVelocita_literal_3_5_0_023, [] {
    return scansioni::DiametroDaVelocitaPerdita(v_3_5, Y_0_023);
})->Unit(benchmark::kMicrosecond);

// Whole user actions, recalculation included.

// Every operation, in every mode, from three windows: the start window and
// the two far corners of the typed ranges. One iteration runs all 300
// actions, each on a window prepared for it; the counter worst_us is the
// slowest action's mean time, and the label names it.
struct Finestra3 {
    const char* nome;
    std::array<const char*, countOf<Campo>> testi;  // A B D G v Y L Ytot
};
constexpr std::array<Finestra3, 3> finestre = {{
    {"start", {"500", "500", "551", "3000", "3,5", "0,023", "10", "0,23"}},
    {"large", {"2999", "2999", "4999", "899999", "99,9", "99,99", "1E300", "0"}},
    {"small", {"11", "11", "11", "51", "0,2", "0,0002", "0,001", "0"}},
}};

void EveryAction(benchmark::State& stato) {
    struct Azione {
        Operazione operazione;
        Modo modo;
        const Finestra3* finestra;
        double secondi = 0;
    };
    std::vector<Azione> azioni;
    for (const Finestra3& finestra : finestre) {
        for (const Modo modo : allValues<Modo>()) {
            for (std::size_t o = 0; o < nomiOperazioni.size(); ++o) {
                azioni.push_back({static_cast<Operazione>(o), modo, &finestra});
            }
        }
    }
    for (auto _ : stato) {
        for (Azione& azione : azioni) {
            FinestraInMemoria f;
            f.cliccaModo(azione.modo);
            for (const Campo c : allValues<Campo>()) f.scrivi(c, azione.finestra->testi[indexOf(c)]);
            const auto inizio = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(f.calcolatore().esegui(azione.operazione));
            azione.secondi += std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
        }
    }
    const auto peggiore = std::max_element(azioni.begin(), azioni.end(),
                                           [](const Azione& a, const Azione& b) { return a.secondi < b.secondi; });
    stato.counters["worst_us"] = peggiore->secondi / static_cast<double>(stato.iterations()) * 1e6;
    stato.SetLabel("worst: " + std::string(nome(peggiore->operazione)) + " in mode " +
                   std::string(dati(peggiore->modo).valore) + " from the " + peggiore->finestra->nome + " window");
}
BENCHMARK(EveryAction)->Unit(benchmark::kMillisecond);
// One operation, again and again, on a window in MODO with the given texts.
void Azione(benchmark::State& stato, Modo modo, const std::vector<std::pair<Campo, std::string>>& testi,
            Operazione operazione) {
    FinestraInMemoria finestra;
    finestra.cliccaModo(modo);
    for (const auto& [campo, testo] : testi) finestra.scrivi(campo, testo);
    for (auto _ : stato) benchmark::DoNotOptimize(finestra.calcolatore().esegui(operazione));
}
BENCHMARK_CAPTURE(Azione, UpDown_G_Change_Perdita, Modo::Perdita, {{Campo::Text_G, "3050"}},
                  Operazione::UpDown_G_Change)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Azione, Aggiorna_v_Portata_10_899999, Modo::Portata,
                  {{Campo::Text_A, "10"}, {Campo::Text_G, "899999"}, {Campo::Text_v, "2,78"}}, Operazione::Aggiorna_v)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Azione, Text_Y_KeyUp_SezioneCanale, Modo::SezioneCanale,
                  {{Campo::Text_Y, "99,99"}, {Campo::Text_D, "4999"}}, Operazione::Text_Y_KeyUp)
    ->Unit(benchmark::kMicrosecond);
// A megabyte pasted into a field, then a key released: the text is read
// (once for the range test, once by the chain) in time linear in its length.
BENCHMARK_CAPTURE(Azione, Text_A_KeyUp_Megabyte, Modo::SezioneCanale,
                  {{Campo::Text_A, std::string(1'000'000, '0') + "550"}}, Operazione::Text_A_KeyUp)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Azione, Text_G_KeyUp_MegabyteOutOfRange, Modo::SezioneCanale,
                  {{Campo::Text_G, std::string(1'000'000, '9')}}, Operazione::Text_G_KeyUp)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
