#include "percorso/verifica_raccordi.h"

#include "percorso/nomi.h"
#include "percorso/raccordi.h"
#include "percorso/verifica.h"

namespace flumetra::percorso {
namespace {

std::optional<Rifiuto> nonAmmesso(std::size_t i, const Tratto& t, std::size_t k, std::string_view perche) {
    return Rifiuto{Motivo::RaccordoNonAmmesso,
                   luogoDelRaccordo(i, t.id, k, t.raccordi[k].tipo) + ": " + std::string(perche), i};
}

std::optional<Rifiuto> fuori(std::size_t i, const Tratto& t, std::size_t k, std::string_view nome, Reale valore,
                             Intervallo intervallo) {
    if (intervallo.contiene(valore)) return std::nullopt;
    const std::string luogo = luogoDelRaccordo(i, t.id, k, t.raccordi[k].tipo) + ", " + std::string(nome);
    return Rifiuto{Motivo::FuoriIntervallo, fuoriIntervallo(luogo, valore, intervallo), i};
}

}  // namespace

std::string luogoDelRaccordo(std::size_t tratto, std::string_view id, std::size_t k, TipoRaccordo tipo) {
    return luogoDelTratto(tratto, id) + ", raccordo " + std::to_string(k + 1) + " (" + std::string(dati(tipo).parola) +
           ")";
}

std::optional<Rifiuto> raccordoNonAmmesso(std::size_t i, const Tratto& t) {
    for (std::size_t k = 0; k < t.raccordi.size(); ++k) {
        const Raccordo& r = t.raccordi[k];
        const DatiTipoRaccordo& d = dati(r.tipo);
        for (const ParametroDelTipo& p : d.parametri()) {
            const DatiParametro& dp = dati(p.parametro);
            if (auto rifiuto = fuori(i, t, k, dp.etichetta, dp.valore(r), p.intervallo)) return rifiuto;
        }
        if (auto rifiuto = fuori(i, t, k, "n", r.n, intervalloNumeroRaccordi)) return rifiuto;
        if (!vaSullaForma(r.tipo, t.forma)) {
            return nonAmmesso(
                i, t, k,
                d.forma == FormaRaccordo::Tonda ? "va solo su un tratto tondo" : "va solo su un tratto rettangolare");
        }
        if (d.richiedeMonte && !t.monte) {
            return nonAmmesso(i, t, k, "vuole un tratto a monte, e il tratto è al ventilatore");
        }
    }
    return std::nullopt;
}

}  // namespace flumetra::percorso
