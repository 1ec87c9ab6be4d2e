#include "dettagli/dettagli.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "calc/conversioni.h"
#include "calc/fallimento.h"
#include "calc/module_calcoli.h"
#include "calc/testo.h"

namespace flumetra::dettagli {
namespace {

// A value, or nothing where a text is not a number, a formula fails or the
// result is not finite (a division by zero).
template <typename Calcolo>
std::optional<Reale> se(Calcolo&& calcolo) {
    try {
        const Reale valore = std::forward<Calcolo>(calcolo)();
        if (std::isfinite(valore)) return valore;
    } catch (const Fallimento&) {
    }
    return std::nullopt;
}

// A value computed or read before, which must be there.
template <typename Valore>
Valore gia(const std::optional<Valore>& valore) {
    if (!valore) fallisci(TipoFallimento::ErroreDiCalcolo, "an earlier value could not be computed");
    return *valore;
}

// A whole-number field text, or nothing where it is not one.
std::optional<Intero> intero(const std::string& testo) {
    try {
        return TestoInIntero(testo);
    } catch (const Fallimento&) {
        return std::nullopt;
    }
}

const ProprietaAria ariaStandard{};

// With G unreadable, only the diameter itself.
DiametroDiSerie diametroDiSerie(Intero D, std::optional<Intero> G, Reale rugosita_mm) {
    DiametroDiSerie serie{D, {}, {}, {}};
    if (!G) return serie;
    std::optional<Decimale> v;
    try {
        v = Module_Calcoli::VelocitaDaPortata(D, *G);
    } catch (const Fallimento&) {
    }
    if (v) {
        serie.v = DecimaleInReale(*v);
        serie.Y = se([&] { return DecimaleInReale(Module_Calcoli::PerditaUnitaria(*v, D)); });
    }
    serie.R_Pa_m = se([&] { return perditaColebrook(*G, D, rugosita_mm, ariaStandard); });
    return serie;
}

std::array<std::optional<DiametroDiSerie>, 2> diametriDiSerie(Intero D, std::optional<Intero> G, Reale rugosita_mm) {
    std::array<std::optional<DiametroDiSerie>, 2> vicini;
    const auto sopra = std::upper_bound(serieEN1506.begin(), serieEN1506.end(), D);
    if (sopra != serieEN1506.begin()) vicini[0] = diametroDiSerie(*(sopra - 1), G, rugosita_mm);
    if (sopra != serieEN1506.end()) vicini[1] = diametroDiSerie(*sopra, G, rugosita_mm);
    return vicini;
}

}  // namespace

Dettagli calcola(const TestiDelCondotto& testi, Materiale materiale) {
    const Reale eps = dati(materiale).rugosita_mm;
    // Each text read once, as the calculator reads it.
    const std::optional<Intero> interoA = intero(testi.A);
    const std::optional<Intero> interoB = intero(testi.B);
    const std::optional<Intero> interoD = intero(testi.D);
    const std::optional<Intero> interoG = intero(testi.G);
    const std::optional<Reale> perdita = se([&] { return DecimaleInReale(TestoInDecimale(testi.Y)); });
    auto A = [&] { return static_cast<Reale>(gia(interoA)); };
    auto B = [&] { return static_cast<Reale>(gia(interoB)); };
    auto D = [&] { return static_cast<Reale>(gia(interoD)); };
    auto G = [&] { return static_cast<Reale>(gia(interoG)); };
    auto Y = [&] { return gia(perdita); };

    Dettagli d;
    d.materiale = materiale;
    d.Y_Pa_m = se([&] { return Y() * pascalPerMmca; });
    d.Ytot_Pa = se([&] { return TestoInReale(testi.Ytot) * pascalPerMmca; });
    d.v_rett = se([&] { return G() / 3600 / (A() * B() / 1e6); });
    d.rapporto = se([&] { return std::max(A(), B()) / std::min(A(), B()); });
    d.v_tondo = se([&] { return velocitaNelTondo(G(), D()); });
    d.pd = se([&] { return pressioneDinamica(gia(d.v_tondo), ariaStandard); });
    d.Re = se([&] { return reynolds(gia(d.v_tondo), D(), ariaStandard); });
    d.lambda = se([&] { return fattoreDAttrito(gia(d.Re), eps / D()); });
    d.R_Pa_m = se([&] { return perditaDarcy(gia(d.lambda), D(), gia(d.pd)); });
    d.R_mmca_m = se([&] { return gia(d.R_Pa_m) / pascalPerMmca; });
    d.scarto = se([&] { return (gia(d.Y_Pa_m) - gia(d.R_Pa_m)) / gia(d.R_Pa_m) * 100; });
    if (interoD) d.EN1506 = diametriDiSerie(*interoD, interoG, eps);
    return d;
}

std::string treCifre(std::optional<Reale> valore) {
    if (!valore) return "—";
    std::array<char, 32> buffer{};
    const auto scritto =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), *valore, std::chars_format::scientific, 2);
    Reale arrotondato = 0;
    std::from_chars(buffer.data(), scritto.ptr, arrotondato);
    return RealeInTesto(arrotondato);
}

}  // namespace flumetra::dettagli
