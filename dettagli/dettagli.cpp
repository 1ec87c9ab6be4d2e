#include "dettagli/dettagli.h"

#include <algorithm>
#include <cmath>

#include "calc/conversioni.h"
#include "calc/fallimento.h"
#include "calc/module_calcoli.h"
#include "calc/testo.h"

namespace flumetra::dettagli {
namespace {

// A value, or nothing where a text cannot be read, a formula fails or the
// result is not finite (a division by zero).
template <typename Calcolo>
std::optional<Reale> valoreOVuoto(Calcolo&& calcolo) {
    try {
        const Reale valore = std::forward<Calcolo>(calcolo)();
        if (std::isfinite(valore)) return valore;
    } catch (const Fallimento&) {
    }
    return std::nullopt;
}

// A value read or computed before, which must be there for this one.
template <typename Valore>
Valore richiesto(const std::optional<Valore>& valore) {
    if (!valore) fallisci(TipoFallimento::ErroreDiCalcolo, "an earlier value could not be computed");
    return *valore;
}

// A whole-number field text, or nothing where it is not one or was not used.
std::optional<Intero> intero(const std::optional<std::string>& testo) {
    if (!testo) return std::nullopt;
    try {
        return TestoInIntero(*testo);
    } catch (const Fallimento&) {
        return std::nullopt;
    }
}

// With G unreadable, only the diameter itself.
DiametroDiSerie diametroDiSerie(Intero D, std::optional<Intero> G, Reale rugosita_mm, const ProprietaAria& aria) {
    DiametroDiSerie serie{D, {}, {}, {}};
    if (!G) return serie;
    std::optional<Decimale> v;
    try {
        v = Module_Calcoli::VelocitaDaPortata(D, *G);
    } catch (const Fallimento&) {
    }
    if (v) {
        serie.v = DecimaleInReale(*v);
        serie.Y = valoreOVuoto([&] { return DecimaleInReale(Module_Calcoli::PerditaUnitaria(*v, D)); });
    }
    serie.R_Pa_m = valoreOVuoto([&] { return perditaColebrook(*G, D, rugosita_mm, aria); });
    return serie;
}

std::array<std::optional<DiametroDiSerie>, 2> diametriDiSerie(Intero D, std::optional<Intero> G, Reale rugosita_mm,
                                                              const ProprietaAria& aria) {
    std::array<std::optional<DiametroDiSerie>, 2> vicini;
    const auto sopra = std::upper_bound(serieEN1506.begin(), serieEN1506.end(), D);
    if (sopra != serieEN1506.begin()) vicini[0] = diametroDiSerie(*(sopra - 1), G, rugosita_mm, aria);
    if (sopra != serieEN1506.end()) vicini[1] = diametroDiSerie(*sopra, G, rugosita_mm, aria);
    return vicini;
}

}  // namespace

Dettagli calcola(const TestiDelCondotto& testi, Materiale materiale, Aria sceltaAria) {
    const Reale eps = dati(materiale).rugosita_mm;
    const ProprietaAria aria = proprietaDellAria(sceltaAria);
    // Each text read once, as the calculator reads it.
    const std::optional<Intero> interoA = intero(testi.A);
    const std::optional<Intero> interoB = intero(testi.B);
    const std::optional<Intero> interoD = intero(testi.D);
    const std::optional<Intero> interoG = intero(testi.G);
    const std::optional<Reale> perdita =
        valoreOVuoto([&] { return DecimaleInReale(TestoInDecimale(richiesto(testi.Y))); });
    auto A = [&] { return static_cast<Reale>(richiesto(interoA)); };
    auto B = [&] { return static_cast<Reale>(richiesto(interoB)); };
    auto D = [&] { return static_cast<Reale>(richiesto(interoD)); };
    auto G = [&] { return static_cast<Reale>(richiesto(interoG)); };
    auto Y = [&] { return richiesto(perdita); };

    Dettagli d;
    d.materiale = materiale;
    d.t_aria = sceltaAria.temperatura;
    d.quota = sceltaAria.quota;
    d.rho = aria.densita;
    d.mu = aria.viscosita;
    d.K = aria.correzione;
    d.Y_Pa_m = valoreOVuoto([&] { return Y() * pascalPerMmca; });
    d.Ytot_Pa = valoreOVuoto([&] { return TestoInReale(richiesto(testi.Ytot)) * pascalPerMmca; });
    d.v_rett = valoreOVuoto([&] { return G() / 3600 / (A() * B() / 1e6); });
    d.rapporto = valoreOVuoto([&] { return std::max(A(), B()) / std::min(A(), B()); });
    d.v_tondo = valoreOVuoto([&] { return velocitaNelTondo(G(), D()); });
    d.pd = valoreOVuoto([&] { return pressioneDinamica(richiesto(d.v_tondo), aria); });
    d.Re = valoreOVuoto([&] { return reynolds(richiesto(d.v_tondo), D(), aria); });
    d.lambda = valoreOVuoto([&] { return fattoreDAttrito(richiesto(d.Re), eps / D()); });
    d.laminare = d.lambda && laminare(*d.Re);
    d.R_Pa_m = valoreOVuoto([&] { return perditaDarcy(richiesto(d.lambda), D(), richiesto(d.pd)); });
    d.R_mmca_m = valoreOVuoto([&] { return richiesto(d.R_Pa_m) / pascalPerMmca; });
    d.Y_aria = valoreOVuoto([&] { return Y() * aria.correzione; });
    d.scarto = valoreOVuoto(
        [&] { return (richiesto(d.Y_aria) * pascalPerMmca - richiesto(d.R_Pa_m)) / richiesto(d.R_Pa_m) * 100; });
    if (interoD) d.EN1506 = diametriDiSerie(*interoD, interoG, eps, aria);
    return d;
}

}  // namespace flumetra::dettagli
