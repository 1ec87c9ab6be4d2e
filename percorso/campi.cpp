#include "percorso/campi.h"

#include "calc/testo.h"
#include "percorso/json_testo.h"

namespace flumetra::percorso {

std::optional<std::string> jsonDelCampo(Campo c, const Tratto& t) {
    const DatiCampo& d = dati(c);
    switch (d.genere) {
        case Genere::Id: return stringaJson(t.id);
        case Genere::Monte: return t.monte ? stringaJson(*t.monte) : "null";
        case Genere::Ruolo: return stringaJson(parolaDi(t.ruolo));
        case Genere::Forma: return stringaJson(parolaDi(t.forma));
        case Genere::Numero: break;
    }
    const std::optional<Reale> x = d.valore(t);
    if (!x) return d.vuotoAmmesso ? std::optional<std::string>("null") : std::nullopt;
    if (d.omessoSeZero && *x == 0) return std::nullopt;
    return d.intero ? std::to_string(static_cast<Intero>(*x)) : numeroJson(*x);
}

std::string testoDelCampo(Campo c, const Tratto& t) {
    const DatiCampo& d = dati(c);
    switch (d.genere) {
        case Genere::Id: return t.id;
        case Genere::Monte: return t.monte.value_or(std::string(parolaVentilatore));
        case Genere::Ruolo: return std::string(parolaDi(t.ruolo));
        case Genere::Forma: return std::string(parolaDi(t.forma));
        case Genere::Numero: break;
    }
    const std::optional<Reale> x = d.valore(t);
    if (!x) return {};
    return d.intero ? InteroInTesto(static_cast<Intero>(*x)) : RealeInTesto(*x);
}

}  // namespace flumetra::percorso
