#include "percorso/misura.h"

#include <variant>

#include "calc/conversioni.h"
#include "calc/module_calcoli.h"
#include "dettagli/attrito.h"
#include "dettagli/materiali.h"

namespace flumetra::percorso {
namespace {

// The sides the sheet tries for B, in mm.
constexpr Intero primoLato = 100;
constexpr Intero ultimoLato = 2500;
constexpr Intero passoLato = 50;

Reale velocitaNelRettangolo(Intero G, Intero A, Intero B) {
    return static_cast<Reale>(G) / 3600 / ((static_cast<Reale>(A) / 1000) * (static_cast<Reale>(B) / 1000));
}

bool entro(const Condizioni& c, Reale R) { return R <= c.R_obiettivo; }

}  // namespace

Condizioni condizioniDi(const Percorso& percorso) {
    return {percorso.metodo, dettagli::proprietaDellAria(percorso.aria), dettagli::dati(percorso.materiale).rugosita_mm,
            percorso.perdita_obiettivo * dettagli::pascalPerMmca};
}

Reale perditaUnitaria(const Condizioni& c, Intero G, Intero D) {
    if (G == 0) return 0;
    if (c.metodo == Metodo::Colebrook) return dettagli::perditaColebrook(G, D, c.rugosita_mm, c.aria);
    const Decimale Y = Module_Calcoli::PerditaUnitaria(Module_Calcoli::VelocitaDaPortata(D, G), D);
    return DecimaleInReale(Y) * c.aria.correzione * dettagli::pascalPerMmca;
}

std::optional<Misura> misuraData(const Tratto& t) {
    if (const auto* tondo = std::get_if<Tondo>(&t.forma)) {
        if (!tondo->D) return std::nullopt;
        return Misura{*tondo->D, std::nullopt, 0, 0};
    }
    const auto& rettangolo = std::get<Rettangolare>(t.forma);
    if (!rettangolo.B) return std::nullopt;
    return Misura{Module_Calcoli::DiametroEquivalente(rettangolo.A, *rettangolo.B), rettangolo.B, 0, 0};
}

std::optional<Misura> misuraDelTratto(const Condizioni& c, const Tratto& t, Intero G, Reale velocitaMassima) {
    if (std::optional<Misura> m = misuraData(t)) {
        const auto* rettangolo = std::get_if<Rettangolare>(&t.forma);
        m->v = rettangolo != nullptr ? velocitaNelRettangolo(G, rettangolo->A, *m->B)
                                     : dettagli::velocitaNelTondo(G, m->D);
        m->R_Pa_m = perditaUnitaria(c, G, m->D);
        return m;
    }
    if (std::holds_alternative<Tondo>(t.forma)) {
        for (const Intero D : dettagli::serieEN1506) {
            const Reale v = dettagli::velocitaNelTondo(G, D);
            if (v > velocitaMassima) continue;
            const Reale R = perditaUnitaria(c, G, D);
            if (entro(c, R)) return Misura{D, std::nullopt, v, R};
        }
        return std::nullopt;
    }

    const Intero A = std::get<Rettangolare>(t.forma).A;
    for (Intero B = primoLato; B <= ultimoLato; B += passoLato) {
        const Reale v = velocitaNelRettangolo(G, A, B);
        if (v > velocitaMassima) continue;
        const Intero De = Module_Calcoli::DiametroEquivalente(A, B);
        const Reale R = perditaUnitaria(c, G, De);
        if (entro(c, R)) return Misura{De, B, v, R};
    }
    return std::nullopt;
}

}  // namespace flumetra::percorso
