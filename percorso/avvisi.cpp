#include "percorso/avvisi.h"

#include <array>

#include "calc/testo.h"
#include "percorso/json_testo.h"

namespace flumetra::percorso {
namespace {

template <bool Avvisi::*flag>
bool acceso(const RisultatoTratto& r) {
    return r.avvisi.*flag;
}

constexpr auto tabellaAvvisi = std::to_array<DatiAvviso>({
    {acceso<&Avvisi::velocita>, "velocita", "velocità", Colonna::v,
     [](const Percorso& p, std::size_t i) {
         const Ruolo ruolo = p.tratti[i].ruolo;
         return "velocità oltre il limite del tratto " + std::string(parolaDi(ruolo)) + ", " +
                RealeInTesto(p.velocitaMassima(ruolo)) + " m/s";
     }},
    {acceso<&Avvisi::perdita>, "perdita", "perdita", Colonna::R,
     [](const Percorso& p, std::size_t) {
         return "perdita per metro oltre l'obiettivo di " + RealeInTesto(p.perdita_obiettivo) + " " +
                std::string(unitaPerditaObiettivo);
     }},
    {acceso<&Avvisi::nessuna_misura>, "nessuna misura", "nessuna misura", Colonna::Sezione,
     [](const Percorso&, std::size_t) {
         return std::string("nessuna misura provata rispetta la velocità e la perdita");
     }},
    {acceso<&Avvisi::senza_portata>, "senza portata", "senza portata", Colonna::GTotale,
     [](const Percorso&, std::size_t) { return std::string("senza portata: nessun terminale a valle"); }},
    {acceso<&Avvisi::ruolo>, "ruolo", "ruolo", Colonna::Ruolo,
     [](const Percorso&, std::size_t) {
         return std::string("un terminale con tratti a valle: il ruolo è da rivedere");
     }},
    {[](const RisultatoTratto& r) { return r.fallimento.has_value(); }, "", "calcolo non riuscito", Colonna::Sezione,
     [](const Percorso&, std::size_t) { return std::string("calcolo non riuscito per questa misura"); }},
});
// A flag of Avvisi without its row changes its size.
static_assert(sizeof(Avvisi) == (tabellaAvvisi.size() - 1) * sizeof(bool),
              "one row for each flag of Avvisi, and one for a failed computation");

}  // namespace

std::string paroleDegliAvvisi(const RisultatoTratto& r) {
    std::string s;
    for (const DatiAvviso& a : tabellaAvvisi) {
        if (!a.acceso(r)) continue;
        if (!s.empty()) s += ", ";
        s += a.parolaCsv;
    }
    return s;
}

std::string listaDegliAvvisi(const RisultatoTratto& r) {
    std::string s = "[";
    for (const DatiAvviso& a : tabellaAvvisi) {
        if (a.parola.empty() || !a.acceso(r)) continue;
        if (s.size() > 1) s += ',';
        s += stringaJson(a.parola);
    }
    return s + ']';
}

std::string avviso(Colonna c, const Percorso& p, std::size_t indice, const RisultatoTratto& r) {
    std::string s;
    for (const DatiAvviso& a : tabellaAvvisi) {
        if (a.colonna != c || !a.acceso(r)) continue;
        if (!s.empty()) s += '\n';
        s += a.perche(p, indice);
    }
    return s;
}

}  // namespace flumetra::percorso
