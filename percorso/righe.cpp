#include "percorso/righe.h"

#include <optional>
#include <variant>

#include "percorso/file.h"
#include "percorso/json_testo.h"

namespace flumetra::percorso {
namespace {

std::string numero(const std::optional<Reale>& v) { return v ? numeroJson(*v) : "null"; }
std::string intero(const std::optional<Intero>& v) { return v ? std::to_string(*v) : "null"; }

// "\"chiave\":valore", after a comma unless it opens the object.
void coppia(std::string& s, std::string_view chiave, const std::string& valore) {
    s += s.size() == 1 ? "" : ",";
    s += stringaJson(chiave) + ':' + valore;
}

std::string avvisi(const Avvisi& a) {
    std::string s;
    auto aggiungi = [&s](bool acceso, std::string_view parola) {
        if (acceso) s += (s.empty() ? "" : ",") + stringaJson(parola);
    };
    aggiungi(a.velocita, "velocita");
    aggiungi(a.perdita, "perdita");
    aggiungi(a.nessuna_misura, "nessuna misura");
    aggiungi(a.senza_portata, "senza portata");
    return '[' + s + ']';
}

std::string riga(const Tratto& t, const RisultatoTratto& r) {
    const auto* rettangolo = std::get_if<Rettangolare>(&t.forma);
    auto perdita = [&r](Reale Perdite::*membro) {
        return r.perdite ? numeroJson((*r.perdite).*membro) : std::string("null");
    };
    std::string s = "{";
    coppia(s, "id", stringaJson(t.id));
    coppia(s, "G", std::to_string(r.G));
    coppia(s, "forma", stringaJson(parolaDi(t.forma)));
    coppia(s, "D", intero(r.D));
    coppia(s, "A", rettangolo ? std::to_string(rettangolo->A) : "null");
    coppia(s, "B", intero(r.B));
    coppia(s, "v", perdita(&Perdite::v));
    coppia(s, "R_Pa_m", perdita(&Perdite::R_Pa_m));
    coppia(s, "dp_attrito", perdita(&Perdite::dp_attrito));
    coppia(s, "pd", perdita(&Perdite::pd));
    coppia(s, "dp_accidentali", perdita(&Perdite::dp_accidentali));
    coppia(s, "dp_tratto", perdita(&Perdite::dp_tratto));
    coppia(s, "p_fine", numero(r.p_fine));
    coppia(s, "p_terminale", numero(r.p_terminale));
    coppia(s, "da_tarare", numero(r.da_tarare));
    coppia(s, "avvisi", avvisi(r.avvisi));
    return s + '}';
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
        indice = "[";
        for (const std::size_t k : *risultati.percorso_indice) {
            indice += (indice.size() == 1 ? "" : ",") + stringaJson(percorso.tratti[k].id);
        }
        indice += ']';
    }
    std::string s = "{";
    coppia(s, "G_ventilatore", std::to_string(risultati.G_ventilatore));
    coppia(s, "p_ventilatore", numero(risultati.p_ventilatore));
    coppia(s, "percorso_indice", indice);
    coppia(s, "superficie_m2", numero(risultati.superficie_m2));
    righe.push_back(s + '}');
    return righe;
}

std::vector<std::string> righeDelPercorso(std::string_view testoDelFile) {
    auto letto = leggi(testoDelFile);
    if (const auto* r = std::get_if<Rifiuto>(&letto)) return {"{\"errore\":" + stringaJson(r->messaggio) + '}'};
    const auto& percorso = std::get<Percorso>(letto);
    return righeDelPercorso(percorso, calcola(percorso));
}

}  // namespace flumetra::percorso
