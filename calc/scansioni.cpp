#include "calc/scansioni.h"

#include "calc/conversioni.h"
#include "calc/passi.h"

namespace flumetra::scansioni {

using namespace passi;

Intero latoIniziale(Intero S, Intero D) {
    const Reale meta = verificato(reale(D) / 2.0);
    const Reale area = verificato(std::pow(meta, 2.0) * piGreco);
    return RealeInIntero(verificato(area / reale(S)));
}

Intero LatoPerDiametro(Intero S, Intero D, std::int64_t passiMassimi) {
    const Intero b = latoIniziale(S, D);
    if (D < 0) return b;
    return LatoPerDiametroDa(S, D, b, passiMassimi);
}

Intero LatoPerDiametroDa(Intero S, Intero D, Intero b, std::int64_t passiMassimi) {
    Intero d = 0;
    do {
        if (passiMassimi-- == 0) throw PassiEsauriti();
        d = diametroEquivalente(S, b);
        b = sommaIntera(b, 1);
    } while (d <= D);
    return b;
}

namespace {

// From 2999 downwards until the loss at n, not rounded, reaches Y.
template <typename Perdita>
Intero diametroDaPerdita(Decimale Y, Perdita perdita) {
    const Reale obiettivo = DecimaleInReale(Y);
    Intero n = inizioScansioneDiametro;
    Reale r = 0.0;
    while (r < obiettivo) {
        n = n - 1;
        r = perdita(n);
    }
    return n;
}

}  // namespace

Intero DiametroDaPortataPerdita(Intero G, Decimale Y) { return diametroDaPerdita(Y, perditaConPortata(G)); }

Intero DiametroDaVelocitaPerdita(Decimale v, Decimale Y) { return diametroDaPerdita(Y, perditaConVelocita(v)); }

Decimale VelocitaDaPerdita(Intero D, Decimale Y, std::int64_t passiMassimi) {
    const Decimale passo = Decimale::daDecimillesimi(1);
    Decimale w;
    Decimale s;
    while (s < Y) {
        if (passiMassimi-- == 0) throw PassiEsauriti();
        w = w + passo;
        s = perditaArrotondata(w, D);
    }
    return Arrotonda(w, 1);
}

}  // namespace flumetra::scansioni
