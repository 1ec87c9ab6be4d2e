#include "percorso/testo_raccordo.h"

#include <cstddef>

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
    s += ": n " + InteroInTesto(r.n) + ", ζ ";
    s += zeta ? testoFisso(*zeta, decimaliZeta) : std::string(dettagli::nessunValore);
    return s + " (" + std::string(d.fonte) + ")";
}

}  // namespace flumetra::percorso
