#include "percorso/file_raccordi.h"

#include <cmath>
#include <optional>
#include <utility>

#include "percorso/json_lettura.h"
#include "percorso/json_testo.h"
#include "percorso/nomi.h"
#include "percorso/raccordi.h"
#include "percorso/verifica.h"

namespace flumetra::percorso {
namespace {

using nlohmann::json;

struct Rifiutato {
    Rifiuto rifiuto;
};

// Where a fitting is, for its messages: "tratto 3 («T3»), raccordo 2 (curva)".
struct Luogo {
    std::size_t tratto;
    std::string nome;

    [[noreturn]] void rifiuta(Motivo motivo, const std::string& dopo) const {
        throw Rifiutato{{motivo, nome + dopo, tratto}};
    }
    [[noreturn]] void atteso(std::string_view chiave, std::string_view cosa, const json& v) const {
        rifiuta(Motivo::Tipo,
                ", " + std::string(chiave) + ": atteso " + std::string(cosa) + ", trovato " + descrivi(v));
    }
    const json& richiesto(const json& o, std::string_view chiave, std::string_view nome) const {
        const auto i = o.find(chiave);
        if (i == o.end()) rifiuta(Motivo::ChiaveMancante, ": manca «" + std::string(nome) + "»");
        return *i;
    }
};

TipoRaccordo tipoDi(const json& o, const Luogo& l) {
    const json& v = l.richiesto(o, "tipo", "tipo");
    if (!v.is_string()) l.atteso("tipo", "un testo", v);
    const auto& parola = v.get_ref<const std::string&>();
    if (const auto t = tipoRaccordoDi(parola)) return *t;
    std::string elenco;
    for (const DatiTipoRaccordo& d : tabellaRaccordi) elenco += (elenco.empty() ? "" : ", ") + std::string(d.parola);
    l.rifiuta(Motivo::ParolaSconosciuta, ", tipo: «" + parola + "» non è tra " + elenco);
}

void parametro(const json& o, const DatiParametro& d, Raccordo& r, const Luogo& l) {
    const json& v = l.richiesto(o, d.chiave, d.etichetta);
    if (d.parole.empty()) {
        if (!v.is_number()) l.atteso(d.etichetta, "un numero", v);
        d.imposta(r, v.get<Reale>());
        return;
    }
    if (!v.is_string()) l.atteso(d.etichetta, "un testo", v);
    const auto& s = v.get_ref<const std::string&>();
    std::string elenco;
    for (std::size_t k = 0; k < d.parole.size(); ++k) {
        if (d.parole[k] == s) return d.imposta(r, static_cast<Reale>(k));
        elenco += (k == 0 ? "" : ", ") + std::string(d.parole[k]);
    }
    l.rifiuta(Motivo::ParolaSconosciuta, ", " + std::string(d.etichetta) + ": «" + s + "» non è tra " + elenco);
}

// n, checked within its range before it is narrowed to an Intero.
Intero numero(const json& o, const Luogo& l) {
    const auto i = o.find("n");
    if (i == o.end()) return 1;
    const json& v = *i;
    if (!v.is_number() || v.get<Reale>() != std::trunc(v.get<Reale>())) l.atteso("n", "un numero intero", v);
    const auto x = v.get<Reale>();
    if (!intervalloNumeroRaccordi.contiene(x)) {
        l.rifiuta(Motivo::FuoriIntervallo, fuoriIntervallo(", n", x, intervalloNumeroRaccordi));
    }
    return static_cast<Intero>(x);
}

Raccordo raccordo(const json& o, Luogo& l) {
    if (!o.is_object()) l.rifiuta(Motivo::Tipo, ": atteso un oggetto, trovato " + descrivi(o));
    Raccordo r{.tipo = tipoDi(o, l)};
    const DatiTipoRaccordo& d = dati(r.tipo);
    l.nome += " (" + std::string(d.parola) + ")";
    for (const auto& [chiave, valore] : o.items()) {
        bool nota = chiave == "tipo" || chiave == "n";
        for (const ParametroDelTipo& p : d.parametri()) nota = nota || dati(p.parametro).chiave == chiave;
        if (!nota) l.rifiuta(Motivo::ChiaveSconosciuta, ": chiave «" + chiave + "» sconosciuta");
    }
    for (const ParametroDelTipo& p : d.parametri()) parametro(o, dati(p.parametro), r, l);
    r.n = numero(o, l);
    return r;
}

}  // namespace

std::variant<std::vector<Raccordo>, Rifiuto> raccordiDalJson(const json& lista, std::size_t tratto,
                                                             std::string_view id) {
    const std::string luogo = luogoDelTratto(tratto, id);
    if (!lista.is_array()) {
        return Rifiuto{Motivo::Tipo, luogo + ", raccordi: attesa una lista, trovato " + descrivi(lista), tratto};
    }
    std::vector<Raccordo> raccordi;
    raccordi.reserve(lista.size());
    try {
        for (std::size_t k = 0; k < lista.size(); ++k) {
            Luogo l{tratto, luogo + ", raccordo " + std::to_string(k + 1)};
            raccordi.push_back(raccordo(lista[k], l));
        }
    } catch (Rifiutato& e) {
        return std::move(e.rifiuto);
    }
    return raccordi;
}

std::string raccordiInJson(const std::vector<Raccordo>& raccordi) {
    std::string s = "[";
    for (const Raccordo& r : raccordi) {
        if (s.size() > 1) s += ", ";
        OggettoJson o(OggettoJson::Spazi::Si);
        const DatiTipoRaccordo& d = dati(r.tipo);
        o.con("tipo", stringaJson(d.parola));
        for (const ParametroDelTipo& p : d.parametri()) {
            const DatiParametro& dp = dati(p.parametro);
            const Reale x = dp.valore(r);
            o.con(dp.chiave, dp.parole.empty() ? numeroJson(x) : stringaJson(dp.parole[static_cast<std::size_t>(x)]));
        }
        o.con("n", std::to_string(r.n));
        s += o.testo();
    }
    return s + "]";
}

}  // namespace flumetra::percorso
