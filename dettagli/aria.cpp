#include "dettagli/aria.h"

#include <cmath>

#include "calc/fallimento.h"
#include "dettagli/potenza.h"

namespace flumetra::dettagli {
namespace {

constexpr Reale kelvinA0Gradi = 273.15;
constexpr Reale temperaturaDiRiferimento = 293.15;  // K, 20 °C
constexpr Reale costanteDiSutherland = 110.4;       // K, for air

bool dentro(Reale valore, IntervalloAria intervallo) {
    return valore >= intervallo.minimo && valore <= intervallo.massimo;
}

}  // namespace

ProprietaAria proprietaDellAria(Aria aria) {
    if (!dentro(aria.temperatura, temperatureAmmesse) || !dentro(aria.quota, quoteAmmesse)) {
        fallisci(TipoFallimento::Overflow, "the air is outside -30 … 80 °C or 0 … 4000 m");
    }
    const Reale T = aria.temperatura + kelvinA0Gradi;
    ProprietaAria p;
    p.pressione = pressioneDiRiferimento * potenza(1 - 2.25577e-5 * aria.quota, 5.2559);
    p.densita = densitaDiRiferimento * (p.pressione / pressioneDiRiferimento) * (temperaturaDiRiferimento / T);
    p.viscosita = viscositaDiRiferimento * potenza(T / temperaturaDiRiferimento, 1.5) *
                  (temperaturaDiRiferimento + costanteDiSutherland) / (T + costanteDiSutherland);
    p.correzione = potenza(p.densita / densitaDiRiferimento, 0.9) * potenza(p.viscosita / viscositaDiRiferimento, 0.1);
    return p;
}

}  // namespace flumetra::dettagli
