// Any bytes given to the action-script reader give actions or an error line;
// the actions, written back as script lines, read as the same actions.

#include <cstdint>
#include <string>
#include <string_view>

#include "replay/copione.h"
#include "require.h"

using namespace flumetra::copione;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t lunghezza) {
    const std::string_view script(reinterpret_cast<const char*>(dati), lunghezza);
    const auto letto = leggi(script);
    if (const auto* errore = std::get_if<Errore>(&letto)) {
        require(errore->riga >= 1 && errore->riga <= lunghezza + 1);
        return 0;
    }
    const auto& azioni = std::get<std::vector<Azione>>(letto);
    std::string riscritto;
    std::size_t rigaPrecedente = 0;
    for (const Azione& a : azioni) {
        require(a.riga > rigaPrecedente);
        rigaPrecedente = a.riga;
        const Seguito dopo = seguito(a.comando);
        require((dopo == Seguito::Nome || dopo == Seguito::NomeETesto) != a.controllo.empty());
        riscritto += parola(a.comando);
        if (!a.controllo.empty()) riscritto += ' ' + a.controllo;
        if (dopo == Seguito::NomeETesto || dopo == Seguito::Testo) riscritto += ' ' + a.testo;
        riscritto += '\n';
    }
    const auto di_nuovo = leggi(riscritto);
    // A text may hold a carriage return at the end of its line, or a line
    // break of its own; anything else must come back the same.
    if (riscritto.find('\r') != std::string::npos) return 0;
    const auto* azioni_di_nuovo = std::get_if<std::vector<Azione>>(&di_nuovo);
    require(azioni_di_nuovo != nullptr && azioni_di_nuovo->size() == azioni.size());
    for (std::size_t k = 0; k < azioni.size(); ++k) {
        require((*azioni_di_nuovo)[k].comando == azioni[k].comando);
        require((*azioni_di_nuovo)[k].controllo == azioni[k].controllo);
        require((*azioni_di_nuovo)[k].testo == azioni[k].testo);
    }
    return 0;
}
