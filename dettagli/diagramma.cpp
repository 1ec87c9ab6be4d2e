#include "dettagli/diagramma.h"

#include <algorithm>
#include <cmath>

#include "calc/conversioni.h"
#include "calc/fallimento.h"
#include "calc/passi.h"
#include "calc/testo.h"
#include "dettagli/attrito.h"
#include "dettagli/materiali.h"

namespace flumetra::dettagli {
namespace {

using passi::esponenteDiametro;
using passi::esponenteVelocita;
using passi::millimetriPerRaggio;
using passi::piGreco;
using passi::secondiPerOra;

// G m³/h through a circle of D mm runs at portataSuPi(G) / D² m/s.
Reale portataSuPi(Reale G) { return G / secondiPerOra / piGreco * millimetriPerRaggio * millimetriPerRaggio; }

// A line given by its loss at each G, straight on the chart: its ends at the
// chart's left and right edges, then cut where it leaves through the top or
// the bottom. On the chart (log G, log Y) a point between two others is
// found by proportion.
template <typename PerditaA>
std::optional<Estremi> ritaglia(PerditaA perditaA) {
    const PuntoDiagramma a{portataMinima, perditaA(portataMinima)};
    const PuntoDiagramma b{portataMassima, perditaA(portataMassima)};
    const Reale lgA = std::log10(a.Y_Pa_m);
    const Reale lgB = std::log10(b.Y_Pa_m);
    // Where along the line, from a (0) to b (1), its loss is Y.
    auto frazione = [&](Reale Y) { return (std::log10(Y) - lgA) / (lgB - lgA); };
    const Reale tMinima = frazione(perditaMinima);
    const Reale tMassima = frazione(perditaMassima);
    const Reale t0 = std::max(std::min(tMinima, tMassima), 0.0);
    const Reale t1 = std::min(std::max(tMinima, tMassima), 1.0);
    if (!(t0 < t1)) return std::nullopt;  // it misses the chart, or only touches a corner
    auto punto = [&](Reale t, const PuntoDiagramma& estremo) {
        if (t == 0.0 || t == 1.0) return estremo;
        const Reale G = std::pow(10.0, std::log10(portataMinima) + t * std::log10(portataMassima / portataMinima));
        const Reale Y = std::pow(10.0, lgA + t * (lgB - lgA));
        // On an edge, exactly on it.
        return PuntoDiagramma{G, std::abs(Y / perditaMinima - 1) < 1e-9    ? perditaMinima
                                 : std::abs(Y / perditaMassima - 1) < 1e-9 ? perditaMassima
                                                                           : Y};
    };
    return Estremi{punto(t0, a), punto(t1, b)};
}

}  // namespace

Reale perditaAlMetro(Reale G, Reale D, Reale K) {
    return K * passi::numeratorePerdita(velocitaPerDiametro(G, D)) / std::pow(D, esponenteDiametro) * pascalPerMmca;
}

Reale diametroPerVelocita(Reale G, Reale v) { return std::sqrt(portataSuPi(G) / v); }

Reale velocitaPerDiametro(Reale G, Reale D) { return portataSuPi(G) / (D * D); }

// With v = c / D² and c = portataSuPi(G): Y = K · 7,47 · c^1,85 / D^(2 · 1,85 + 1,28).
Reale diametroPerPerdita(Reale G, Reale Y_Pa_m, Reale K) {
    const Reale numeratore = K * passi::numeratorePerdita(portataSuPi(G));
    return std::pow(numeratore / (Y_Pa_m / pascalPerMmca), 1 / (2 * esponenteVelocita + esponenteDiametro));
}

bool dentroIlDiagramma(PuntoDiagramma p) {
    return p.G >= portataMinima && p.G <= portataMassima && p.Y_Pa_m >= perditaMinima && p.Y_Pa_m <= perditaMassima;
}

std::optional<Estremi> lineaDiametro(Reale D, Reale K) {
    return ritaglia([&](Reale G) { return perditaAlMetro(G, D, K); });
}

std::optional<Estremi> lineaVelocita(Reale v, Reale K) {
    return ritaglia([&](Reale G) { return perditaAlMetro(G, diametroPerVelocita(G, v), K); });
}

std::vector<Linea> lineeDelDiagramma(Reale K) {
    std::vector<Linea> linee;
    for (const int D : serieEN1506) {
        if (auto estremi = lineaDiametro(D, K)) linee.push_back({TipoLinea::Diametro, static_cast<Reale>(D), *estremi});
    }
    for (const Reale v : velocitaDelDiagramma) {
        if (auto estremi = lineaVelocita(v, K)) linee.push_back({TipoLinea::Velocita, v, *estremi});
    }
    return linee;
}

// A negative power of ten is divided by, so that 5 · 10^-2 is the double
// nearest 0,05.
Reale Tacca::valore() const {
    const Reale potenza = std::pow(10.0, std::abs(esponente));
    return esponente >= 0 ? cifra * potenza : cifra / potenza;
}

std::vector<Tacca> tacche(Reale minimo, Reale massimo) {
    constexpr Reale margine = 1e-9;  // an edge that is itself a grid line, as 0,01, is included
    std::vector<Tacca> risultato;
    const int primo = static_cast<int>(std::floor(std::log10(minimo)));
    const int ultimo = static_cast<int>(std::floor(std::log10(massimo)));
    for (int esponente = primo; esponente <= ultimo; ++esponente) {
        for (int cifra = 1; cifra <= 9; ++cifra) {
            const Tacca tacca{cifra, esponente};
            const Reale v = tacca.valore();
            if (v >= minimo * (1 - margine) && v <= massimo * (1 + margine)) risultato.push_back(tacca);
        }
    }
    return risultato;
}

std::string testoTacca(Tacca tacca) {
    const std::string cifra = std::to_string(tacca.cifra);
    if (tacca.esponente >= 0) return cifra + std::string(static_cast<std::size_t>(tacca.esponente), '0');
    return "0," + std::string(static_cast<std::size_t>(-tacca.esponente - 1), '0') + cifra;
}

std::optional<PuntoDiagramma> puntoDelCondotto(std::string_view G, std::string_view Y) {
    try {
        const PuntoDiagramma punto{static_cast<Reale>(TestoInIntero(G)),
                                   DecimaleInReale(TestoInDecimale(Y)) * pascalPerMmca};
        if (punto.G > 0 && punto.Y_Pa_m > 0) return punto;
    } catch (const Fallimento&) {
    }
    return std::nullopt;
}

}  // namespace flumetra::dettagli
