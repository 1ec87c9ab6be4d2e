// A duct run of 1 000 and of 10 000 sections: one full recompute (what each
// edit in the sheet costs; the aim is under 16 ms at 10 000), by the
// calculator's loss and by Colebrook's, and at 10 000 with two or three
// fittings a section; and reading its file, parsed and checked (the aim:
// well under 300 ms at 10 000).
//
// The run: a chain of mains from the fan, each feeding two branches of three
// segments, each segment feeding two terminals (19 sections a main). The
// terminals take 30 to 90 m³/h through their device, a third of them with a
// D given; a quarter of the branch segments are rectangles; a main carrying
// more than 50 000 m³/h has its size given (2999 × 2999 mm, where the sheet
// could find none), the others A 1000 with B chosen.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "percorso/calcolo.h"
#include "percorso/file.h"

namespace {

using namespace flumetra;
using namespace flumetra::percorso;

constexpr int terminaliPerPrincipale = 12;
constexpr Intero portataMassimaConMisuraScelta = 50000;

Intero portataTerminale(std::size_t n) { return 30 + static_cast<Intero>(n * 37 % 61); }

std::string principale(std::size_t k) {
    std::string id(1, 'P');
    id += std::to_string(k);
    return id;
}

Percorso rete(std::size_t sezioni) {
    const std::size_t principali = sezioni / (1 + 2 * (3 + 6));
    // The flow each main carries: its terminals' and every main's after it.
    std::vector<Intero> portate(principali + 1, 0);
    for (std::size_t k = principali; k-- > 0;) {
        portate[k] = portate[k + 1];
        for (int t = 0; t < terminaliPerPrincipale; ++t) portate[k] += portataTerminale(k * terminaliPerPrincipale + t);
    }

    Percorso p;
    p.tratti.reserve(principali * 19);
    std::size_t terminali = 0;
    for (std::size_t k = 0; k < principali; ++k) {
        Tratto m;
        m.id = principale(k);
        if (k > 0) m.monte = principale(k - 1);
        m.L = 6;
        m.zeta = 0.3;
        m.ruolo = Ruolo::Principale;
        m.forma = portate[k] > portataMassimaConMisuraScelta ? Rettangolare{2999, 2999} : Rettangolare{1000, {}};
        p.tratti.push_back(m);
        for (int d = 0; d < 2; ++d) {
            std::string monte = m.id;
            for (int s = 0; s < 3; ++s) {
                Tratto b;
                b.id = m.id + "-D" + std::to_string(d) + "-" + std::to_string(s);
                b.monte = monte;
                b.L = 4;
                b.zeta = s == 0 ? 1.2 : 0.4;
                b.ruolo = Ruolo::Secondario;
                if ((k + static_cast<std::size_t>(s)) % 4 == 0) b.forma = Rettangolare{250, {}};
                p.tratti.push_back(b);
                for (int t = 0; t < 2; ++t) {
                    Tratto u;
                    u.id = b.id + "-T" + std::to_string(t);
                    u.monte = b.id;
                    u.L = 2.5;
                    u.G = portataTerminale(terminali);
                    u.zeta = 1.5;
                    u.ruolo = Ruolo::Terminale;
                    if (terminali % 3 == 0) u.forma = Tondo{160};
                    u.dp_terminale = 20 + static_cast<Reale>(terminali % 5) * 5;
                    p.tratti.push_back(u);
                    ++terminali;
                }
                monte = b.id;
            }
        }
    }
    return p;
}

void Ricalcolo(benchmark::State& stato) {
    Percorso p = rete(static_cast<std::size_t>(stato.range(0)));
    if (stato.range(1) == 1) p.metodo = Metodo::Colebrook;
    Risultati r;
    for (auto _ : stato) {
        r = calcola(p);
        benchmark::DoNotOptimize(r);
    }
    std::size_t senzaMisura = 0;
    for (const RisultatoTratto& t : r.tratti) senzaMisura += t.avvisi.nessuna_misura ? 1 : 0;
    stato.counters["tratti"] = static_cast<double>(p.tratti.size());
    stato.counters["senza_misura"] = static_cast<double>(senzaMisura);
    stato.counters["con_totali"] = r.p_ventilatore ? 1 : 0;
}
BENCHMARK(Ricalcolo)
    ->ArgsProduct({{1000, 10000}, {0, 1}})
    ->ArgNames({"sezioni", "colebrook"})
    ->Unit(benchmark::kMillisecond);

// Two or three fittings a section, as its place gives: elbows on its shape,
// a tee's straight run or branch, a transition, the terminal's exit.
void conRaccordi(Percorso& p) {
    for (Tratto& t : p.tratti) {
        const bool tondo = std::holds_alternative<Tondo>(t.forma);
        const Raccordo curva = tondo ? Raccordo{.tipo = TipoRaccordo::Curva, .rapporto = 1.5, .angolo = 90, .n = 2}
                                     : Raccordo{.tipo = TipoRaccordo::CurvaRettangolare, .rapporto = 1, .angolo = 90};
        const Raccordo tee = t.ruolo == Ruolo::Principale ? Raccordo{.tipo = TipoRaccordo::Diritto}
                                                          : Raccordo{.tipo = TipoRaccordo::Derivazione, .angolo = 90};
        t.raccordi = {curva, t.monte ? tee : Raccordo{.tipo = TipoRaccordo::Ingresso}};
        if (t.ruolo == Ruolo::Terminale) t.raccordi.push_back({.tipo = TipoRaccordo::Uscita});
        if (t.ruolo == Ruolo::Secondario) t.raccordi.push_back({.tipo = TipoRaccordo::Riduzione, .angolo = 30});
    }
}

void RicalcoloConRaccordi(benchmark::State& stato) {
    Percorso p = rete(static_cast<std::size_t>(stato.range(0)));
    conRaccordi(p);
    Risultati r;
    for (auto _ : stato) {
        r = calcola(p);
        benchmark::DoNotOptimize(r);
    }
    std::size_t raccordi = 0;
    std::size_t senzaZeta = 0;
    for (std::size_t i = 0; i < p.tratti.size(); ++i) {
        raccordi += p.tratti[i].raccordi.size();
        const auto& perdite = r.tratti[i].perdite;
        senzaZeta += perdite && !perdite->zeta_raccordi ? 1 : 0;
    }
    stato.counters["tratti"] = static_cast<double>(p.tratti.size());
    stato.counters["raccordi"] = static_cast<double>(raccordi);
    stato.counters["senza_zeta"] = static_cast<double>(senzaZeta);
    stato.counters["con_totali"] = r.p_ventilatore ? 1 : 0;
}
BENCHMARK(RicalcoloConRaccordi)->Arg(10000)->ArgName("sezioni")->Unit(benchmark::kMillisecond);

void Lettura(benchmark::State& stato) {
    const std::string testo = scrivi(rete(static_cast<std::size_t>(stato.range(0))));
    for (auto _ : stato) {
        auto letto = leggi(testo);
        if (!std::holds_alternative<Percorso>(letto)) stato.SkipWithError("the run was refused");
        benchmark::DoNotOptimize(letto);
    }
    stato.counters["byte"] = static_cast<double>(testo.size());
}
BENCHMARK(Lettura)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
