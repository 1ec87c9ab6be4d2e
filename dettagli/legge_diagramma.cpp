#include "dettagli/legge_diagramma.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "dettagli/attrito.h"
#include "dettagli/materiali.h"

namespace flumetra::dettagli {
namespace {

constexpr int puntiDelTracciato = 48;  // along a bending line, evenly in log G
constexpr int passiDiBisezione = 60;   // a factor of 10^5 halved to far below a double's step

// The diameter in mm at which G m³/h runs at v m/s, with the exact π of velocitaNelTondo.
Reale diametroDelTondo(Reale G, Reale v) { return 1000 * std::sqrt(G / 3600 / v / (std::numbers::pi / 4)); }

// Where a quantity that only rises or only falls with x reaches y, between
// x basso and x alto, by halving.
template <typename Funzione>
Reale dove(Funzione f, Reale basso, Reale alto, Reale y) {
    const bool sale = f(alto) > f(basso);
    for (int i = 0; i < passiDiBisezione; ++i) {
        const Reale mezzo = (basso + alto) / 2;
        if ((f(mezzo) < y) == sale) {
            basso = mezzo;
        } else {
            alto = mezzo;
        }
    }
    return (basso + alto) / 2;
}

// A line given by its loss at each G, which only rises or only falls: where
// it enters and leaves the chart (through a side, or through the top or the
// bottom), and its points between, evenly in log G.
template <typename PerditaA>
std::optional<Linea> curva(TipoLinea tipo, Reale valore, PerditaA perditaA) {
    auto alLog = [&](Reale lgG) { return perditaA(std::pow(10.0, lgG)); };
    const Reale lgMinimo = std::log10(portataMinima);
    const Reale lgMassimo = std::log10(portataMassima);
    // An end outside the chart's losses is moved to the edge it crosses.
    auto estremo = [&](Reale lgG, Reale lgAltro) -> std::pair<Reale, std::optional<Reale>> {
        const Reale Y = alLog(lgG);
        if (Y >= perditaMinima && Y <= perditaMassima) return {lgG, std::nullopt};
        const Reale bordo = Y < perditaMinima ? perditaMinima : perditaMassima;
        return {dove(alLog, std::min(lgG, lgAltro), std::max(lgG, lgAltro), bordo), bordo};
    };
    const Reale primo = alLog(lgMinimo);
    const Reale ultimo = alLog(lgMassimo);
    if (!(std::max(primo, ultimo) > perditaMinima && std::min(primo, ultimo) < perditaMassima)) return std::nullopt;
    const auto [lgInizio, bordoInizio] = estremo(lgMinimo, lgMassimo);
    const auto [lgFine, bordoFine] = estremo(lgMassimo, lgMinimo);
    if (!(lgInizio < lgFine)) return std::nullopt;  // it only touches a corner

    Linea linea{tipo, valore, {}};
    for (int i = 0; i < puntiDelTracciato; ++i) {
        const Reale lgG = lgInizio + (lgFine - lgInizio) * i / (puntiDelTracciato - 1);
        linea.tracciato.push_back({std::pow(10.0, lgG), alLog(lgG)});
    }
    // On an edge, exactly on it.
    PuntoDiagramma& inizio = linea.tracciato.front();
    PuntoDiagramma& fine = linea.tracciato.back();
    if (bordoInizio)
        inizio.Y_Pa_m = *bordoInizio;
    else
        inizio.G = portataMinima;
    if (bordoFine)
        fine.Y_Pa_m = *bordoFine;
    else
        fine.G = portataMassima;
    linea.estremi = {inizio, fine};
    return linea;
}

}  // namespace

LeggePerdita leggeDi(Aria aria, std::optional<Reale> rugosita_mm) { return {proprietaDellAria(aria), rugosita_mm}; }

Reale perditaAlMetro(Reale G, Reale D, const LeggePerdita& legge) {
    if (legge.rugosita_mm) return perditaColebrook(G, D, *legge.rugosita_mm, legge.aria);
    return perditaAlMetro(G, D, legge.aria.correzione);
}

// R falls as D grows, in either law.
Reale diametroPerPerdita(Reale G, Reale Y_Pa_m, const LeggePerdita& legge) {
    if (!legge.rugosita_mm) return diametroPerPerdita(G, Y_Pa_m, legge.aria.correzione);
    auto perditaAlLog = [&](Reale lgD) { return perditaAlMetro(G, std::pow(10.0, lgD), legge); };
    return std::pow(10.0, dove(perditaAlLog, 0.0, 5.0, Y_Pa_m));  // from 1 mm to 100 m
}

std::vector<Linea> lineeDelDiagramma(const LeggePerdita& legge) {
    if (!legge.rugosita_mm) return lineeDelDiagramma(legge.aria.correzione);
    const Reale epsilon = *legge.rugosita_mm;
    std::vector<Linea> linee;
    for (const int D : serieEN1506) {
        const auto d = static_cast<Reale>(D);
        auto l = curva(TipoLinea::Diametro, d, [&](Reale G) { return perditaColebrook(G, d, epsilon, legge.aria); });
        if (l) linee.push_back(std::move(*l));
    }
    for (const Reale v : velocitaDelDiagramma) {
        auto l = curva(TipoLinea::Velocita, v,
                       [&](Reale G) { return perditaColebrook(G, diametroDelTondo(G, v), epsilon, legge.aria); });
        if (l) linee.push_back(std::move(*l));
    }
    return linee;
}

}  // namespace flumetra::dettagli
