#include "percorso/suggerimento_cella.h"

#include <variant>

#include "dettagli/attrito.h"
#include "dettagli/righe.h"

namespace flumetra::percorso {
namespace {

// One of the details' rows with a value of the sheet: "Velocità nel tondo D: 3,49 m/s".
std::string comeNeiDettagli(std::string_view chiave, Reale valore) {
    const dettagli::RigaDettaglio& riga = dettagli::riga(chiave);
    return std::string(riga.etichetta) + ": " + dettagli::cifreSignificative(valore, 3) + ' ' + std::string(riga.unita);
}

}  // namespace

std::string suggerimentoDi(Colonna c, const Tratto& t, const RisultatoTratto& r) {
    if (!r.perdite) return {};
    if (c == Colonna::R) {
        return comeNeiDettagli("R_Pa_m", r.perdite->R_Pa_m) + '\n' +
               comeNeiDettagli("R_mmca_m", r.perdite->R_Pa_m / dettagli::pascalPerMmca);
    }
    if (c == Colonna::v && std::holds_alternative<Rettangolare>(t.forma))
        return comeNeiDettagli("v_rett", r.perdite->v);
    return {};
}

}  // namespace flumetra::percorso
