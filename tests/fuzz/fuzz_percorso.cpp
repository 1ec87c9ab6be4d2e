// Any bytes given to the run's reader give a run or a refusal whose message
// is UTF-8 (the player prints it as JSON). A run accepted passes the check,
// computes without throwing, gives its CSV, report, player lines and fittings'
// texts in UTF-8, and, written and read again, is the same run written the
// same way.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "percorso/calcolo.h"
#include "percorso/csv.h"
#include "percorso/file.h"
#include "percorso/json_testo.h"
#include "percorso/rapporto.h"
#include "percorso/righe.h"
#include "percorso/testo_raccordo.h"
#include "percorso/verifica.h"
#include "require.h"

using namespace flumetra::percorso;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t lunghezza) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), lunghezza);
    const auto letto = leggi(testo);
    if (const auto* r = std::get_if<Rifiuto>(&letto)) {
        require(!r->messaggio.empty() && utf8Valido(r->messaggio));
        return 0;
    }
    const auto& percorso = std::get<Percorso>(letto);
    require(!verifica(percorso).has_value());

    const Risultati risultati = calcola(percorso);  // an exception here ends the run as a crash
    require(risultati.tratti.size() == percorso.tratti.size());
    const auto righe = righeDelPercorso(percorso, risultati);
    require(righe.size() == percorso.tratti.size() + 1);
    for (const auto& riga : righe) require(utf8Valido(riga));
    const std::string foglio = csv(percorso, risultati);
    require(!foglio.empty() && utf8Valido(foglio));
    require(rapportoDi(percorso, risultati).tratti.size() == percorso.tratti.size());
    for (std::size_t i = 0; i < percorso.tratti.size(); ++i) {
        const auto& perdite = risultati.tratti[i].perdite;
        for (std::size_t k = 0; k < percorso.tratti[i].raccordi.size(); ++k) {
            const auto zeta = perdite ? perdite->zeta_di_ciascuno.at(k) : std::nullopt;
            require(utf8Valido(testoDelRaccordo(percorso.tratti[i].raccordi[k], zeta)));
        }
    }

    const std::string scritto = scrivi(percorso);
    const auto riletto = leggi(scritto);
    require(std::holds_alternative<Percorso>(riletto));
    require(std::get<Percorso>(riletto) == percorso);
    require(scrivi(std::get<Percorso>(riletto)) == scritto);
    return 0;
}
