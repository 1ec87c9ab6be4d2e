#include "percorso/righe.h"

#include <variant>

#include "percorso/avvisi.h"
#include "percorso/colonne.h"
#include "percorso/file.h"
#include "percorso/json_testo.h"
#include "percorso/totali.h"

namespace flumetra::percorso {
namespace {

using Spazi = OggettoJson::Spazi;

std::string riga(const Tratto& t, const RisultatoTratto& r, const Risultati& tutti) {
    OggettoJson o(Spazi::No);
    for (const Colonna c : colonneDelleRighe()) {
        if (const auto campo = campoDi(c)) {
            o.con(dati(*campo).chiave, jsonDelCampo(*campo, t).value_or("null"));
        } else {
            const Calcolata k = *calcolataDi(c);
            o.con(dati(k).chiave, jsonDi(k, t, r, tutti));
        }
    }
    o.con("avvisi", listaDegliAvvisi(r));
    return o.testo();
}

}  // namespace

std::vector<std::string> righeDelPercorso(const Percorso& percorso, const Risultati& risultati) {
    std::vector<std::string> righe;
    righe.reserve(percorso.tratti.size() + 1);
    for (std::size_t i = 0; i < percorso.tratti.size(); ++i) {
        righe.push_back(riga(percorso.tratti[i], risultati.tratti[i], risultati));
    }
    OggettoJson o(Spazi::No);
    for (std::size_t k = 0; k < numeroTotali; ++k) {
        o.con(dati(totaleDi(k)).chiave, jsonDi(totaleDi(k), percorso, risultati));
    }
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
