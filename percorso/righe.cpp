#include "percorso/righe.h"

#include <optional>
#include <variant>

#include "percorso/file.h"
#include "percorso/json_testo.h"

namespace flumetra::percorso {
namespace {

using Spazi = OggettoJson::Spazi;

std::string numero(const std::optional<Reale>& v) { return v ? numeroJson(*v) : "null"; }
std::string intero(const std::optional<Intero>& v) { return v ? std::to_string(*v) : "null"; }

// A JSON list of texts: ["a","b"].
class Lista {
public:
    void aggiungi(std::string_view testo) {
        if (testo_.size() > 1) testo_ += ',';
        testo_ += stringaJson(testo);
    }
    [[nodiscard]] std::string testo() const {
        std::string s = testo_;
        s += ']';
        return s;
    }

private:
    std::string testo_ = "[";
};

std::string avvisi(const Avvisi& a) {
    Lista l;
    if (a.velocita) l.aggiungi("velocita");
    if (a.perdita) l.aggiungi("perdita");
    if (a.nessuna_misura) l.aggiungi("nessuna misura");
    if (a.senza_portata) l.aggiungi("senza portata");
    if (a.ruolo) l.aggiungi("ruolo");
    return l.testo();
}

std::string riga(const Tratto& t, const RisultatoTratto& r) {
    const auto* rettangolo = std::get_if<Rettangolare>(&t.forma);
    auto perdita = [&r](Reale Perdite::*membro) {
        return r.perdite ? numeroJson((*r.perdite).*membro) : std::string("null");
    };
    OggettoJson o(Spazi::No);
    o.con("id", stringaJson(t.id)).con("G", std::to_string(r.G)).con("forma", stringaJson(parolaDi(t.forma)));
    o.con("D", intero(r.D)).con("A", rettangolo ? std::to_string(rettangolo->A) : "null").con("B", intero(r.B));
    o.con("v", perdita(&Perdite::v)).con("R_Pa_m", perdita(&Perdite::R_Pa_m));
    o.con("dp_attrito", perdita(&Perdite::dp_attrito)).con("pd", perdita(&Perdite::pd));
    o.con("dp_accidentali", perdita(&Perdite::dp_accidentali)).con("dp_tratto", perdita(&Perdite::dp_tratto));
    o.con("p_fine", numero(r.p_fine)).con("p_terminale", numero(r.p_terminale)).con("da_tarare", numero(r.da_tarare));
    o.con("avvisi", avvisi(r.avvisi));
    return o.testo();
}

}  // namespace

std::vector<std::string> righeDelPercorso(const Percorso& percorso, const Risultati& risultati) {
    std::vector<std::string> righe;
    righe.reserve(percorso.tratti.size() + 1);
    for (std::size_t i = 0; i < percorso.tratti.size(); ++i) {
        righe.push_back(riga(percorso.tratti[i], risultati.tratti[i]));
    }

    std::string indice = "null";
    if (risultati.percorso_indice) {
        Lista l;
        for (const std::size_t k : *risultati.percorso_indice) l.aggiungi(percorso.tratti[k].id);
        indice = l.testo();
    }
    OggettoJson o(Spazi::No);
    o.con("G_ventilatore", std::to_string(risultati.G_ventilatore))
        .con("p_ventilatore", numero(risultati.p_ventilatore));
    o.con("percorso_indice", indice).con("superficie_m2", numero(risultati.superficie_m2));
    righe.push_back(o.testo());
    return righe;
}

std::vector<std::string> righeDelPercorso(std::string_view testoDelFile) {
    auto letto = leggi(testoDelFile);
    if (const auto* r = std::get_if<Rifiuto>(&letto)) {
        return {OggettoJson(Spazi::No).con("errore", stringaJson(r->messaggio)).testo()};
    }
    const auto& percorso = std::get<Percorso>(letto);
    return righeDelPercorso(percorso, calcola(percorso));
}

}  // namespace flumetra::percorso
