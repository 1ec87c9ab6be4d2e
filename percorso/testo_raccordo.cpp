#include "percorso/testo_raccordo.h"

#include <cstddef>
#include <vector>

#include "calc/testo.h"
#include "dettagli/righe.h"
#include "percorso/raccordi.h"
#include "percorso/testo_fisso.h"

namespace flumetra::percorso {

std::string testoDelRaccordo(const Raccordo& r, std::optional<Reale> zeta) {
    const DatiTipoRaccordo& d = dati(r.tipo);
    std::string s(d.nome);
    for (const ParametroDelTipo& p : d.parametri()) {
        const DatiParametro& dp = dati(p.parametro);
        const Reale x = dp.valore(r);
        s += ", " + std::string(dp.etichetta) + " ";
        s += dp.parole.empty() ? RealeInTesto(x) + std::string(dp.unita)
                               : std::string(dp.parole[static_cast<std::size_t>(x)]);
    }
    return s + ": n " + InteroInTesto(r.n) + ", ζ " + testoDellaZeta(r, zeta);
}

std::string testoDellaZeta(const Raccordo& r, std::optional<Reale> zeta) {
    const std::string valore = zeta ? testoFisso(*zeta, decimaliZeta) : std::string(dettagli::nessunValore);
    return valore + " (" + std::string(dati(r.tipo).fonte) + ")";
}

std::vector<std::optional<Reale>> zetaDeiRaccordi(const Percorso& p, const Risultati& r, std::size_t tratto) {
    const std::optional<Perdite>& perdite = r.tratti.at(tratto).perdite;
    if (perdite && perdite->zeta_di_ciascuno.size() == p.tratti.at(tratto).raccordi.size()) {
        return perdite->zeta_di_ciascuno;
    }
    return std::vector<std::optional<Reale>>(p.tratti.at(tratto).raccordi.size());
}

}  // namespace flumetra::percorso
