#include "logic/uso_del_testo.h"

#include "calc/fallimento.h"
#include "calc/testo.h"
#include "logic/quantita.h"

namespace flumetra {
// The text must be a number strictly between the field's limits.
Uso usoDelTesto(Campo campo, std::string_view testo) {
    const Immissione& limiti = *dati(campo).immissione;
    if (testo.empty()) return Uso::Vuoto;
    try {
        const Reale numero = TestoInReale(testo);  // read once: a pasted text may be long
        if (!(numero > limiti.sotto && numero < limiti.sopra)) return Uso::FuoriIntervallo;
    } catch (const Fallimento& f) {
        return f.tipo() == TipoFallimento::NonNumero ? Uso::NonNumero : Uso::TroppoGrande;
    }
    return Uso::Usato;
}

std::optional<Avviso> avviso(Campo campo, std::string_view testo) {
    switch (usoDelTesto(campo, testo)) {
        case Uso::Vuoto: return std::nullopt;
        case Uso::NonNumero: return Avviso{TipoAvviso::NonNumero, std::string(testo)};
        case Uso::FuoriIntervallo: return Avviso{TipoAvviso::FuoriIntervallo, std::string(testo)};
        case Uso::TroppoGrande: {
            const std::size_t cifra = testo.find_first_not_of(" \t");
            const bool negativo = cifra != std::string_view::npos && testo[cifra] == '-';
            return Avviso{TipoAvviso::TroppoGrande, std::string(testo), negativo ? -1.0 : 1.0};
        }
        case Uso::Usato: break;
    }
    if (puntiDelleMigliaia(testo)) return std::nullopt;
    return Avviso{TipoAvviso::PuntoDelleMigliaia, std::string(testo), TestoInReale(testo)};
}

}  // namespace flumetra
