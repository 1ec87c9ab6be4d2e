#include "dettagli/attrito.h"

#include <numbers>

#include "calc/fallimento.h"
#include "dettagli/colebrook.h"

namespace flumetra::dettagli {
namespace {

Reale millimetriInMetri(Reale mm) { return mm / 1000; }

}  // namespace

Reale velocitaNelTondo(Reale G, Reale D) {
    const Reale metri = millimetriInMetri(D);
    return G / 3600 / (std::numbers::pi * metri * metri / 4);
}

Reale pressioneDinamica(Reale v, const ProprietaAria& aria) { return aria.densita * v * v / 2; }

Reale reynolds(Reale v, Reale D, const ProprietaAria& aria) {
    return aria.densita * v * millimetriInMetri(D) / aria.viscosita;
}

Reale fattoreDAttrito(Reale Re, Reale rugositaRelativa) {
    if (!(Re > 0)) fallisci(TipoFallimento::ErroreDiCalcolo, "a friction factor needs a positive Reynolds number");
    if (laminare(Re)) return 64 / Re;
    return Colebrook(Re, rugositaRelativa);
}

Reale perditaDarcy(Reale lambda, Reale D, Reale pd) { return lambda / millimetriInMetri(D) * pd; }

Reale perditaColebrook(Reale G, Reale D, Reale rugosita_mm, const ProprietaAria& aria) {
    const Reale v = velocitaNelTondo(G, D);
    return perditaDarcy(fattoreDAttrito(reynolds(v, D, aria), rugosita_mm / D), D, pressioneDinamica(v, aria));
}

}  // namespace flumetra::dettagli
