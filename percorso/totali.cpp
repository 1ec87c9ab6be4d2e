#include "percorso/totali.h"

#include <array>
#include <optional>

#include "calc/testo.h"
#include "percorso/json_testo.h"
#include "percorso/testo_fisso.h"

namespace flumetra::percorso {
namespace {

std::string fisso(const std::optional<Reale>& x, int decimali) { return x ? testoFisso(*x, decimali) : ""; }
std::string numero(const std::optional<Reale>& x) { return x ? numeroJson(*x) : "null"; }
std::string esatto(const std::optional<Reale>& x) { return x ? testoEsatto(*x) : ""; }
std::string portata(const Percorso& /*p*/, const Risultati& r) { return InteroInTesto(r.G_ventilatore); }

constexpr auto tabellaTotali = std::to_array<DatiTotale>({
    {"Portata al ventilatore", "m³/h", "G_ventilatore", portata,
     [](const Percorso&, const Risultati& r) { return std::to_string(r.G_ventilatore); }, portata},
    {"Pressione al ventilatore", "Pa", "p_ventilatore",
     [](const Percorso&, const Risultati& r) { return fisso(r.p_ventilatore, decimaliPressione); },
     [](const Percorso&, const Risultati& r) { return numero(r.p_ventilatore); },
     [](const Percorso&, const Risultati& r) { return esatto(r.p_ventilatore); }},
    {"Percorso indice", "", "percorso_indice", percorsoIndice,
     [](const Percorso& p, const Risultati& r) {
         if (!r.percorso_indice) return std::string("null");
         std::string s = "[";
         for (const std::size_t k : *r.percorso_indice) {
             if (s.size() > 1) s += ',';
             s += stringaJson(p.tratti[k].id);
         }
         return s + ']';
     },
     percorsoIndice},
    {"Superficie", "m²", "superficie_m2",
     [](const Percorso&, const Risultati& r) { return fisso(r.superficie_m2, decimaliSuperficie); },
     [](const Percorso&, const Risultati& r) { return numero(r.superficie_m2); },
     [](const Percorso&, const Risultati& r) { return esatto(r.superficie_m2); }},
});
static_assert(tabellaTotali.size() == numeroTotali, "one row for each of FLUMETRA_TOTALI, in its order");

}  // namespace

const DatiTotale& dati(Totale t) { return tabellaTotali.at(static_cast<std::size_t>(t)); }

std::string intestazione(Totale t) {
    const DatiTotale& d = dati(t);
    return d.unita.empty() ? std::string(d.nome) : std::string(d.nome) + " [" + std::string(d.unita) + "]";
}

std::string testoDi(Totale t, const Percorso& p, const Risultati& r) { return dati(t).testo(p, r); }
std::string jsonDi(Totale t, const Percorso& p, const Risultati& r) { return dati(t).json(p, r); }
std::string esattoDi(Totale t, const Percorso& p, const Risultati& r) { return dati(t).esatto(p, r); }

}  // namespace flumetra::percorso
