#include "percorso/csv.h"

#include <string_view>
#include <vector>

#include "dettagli/righe.h"
#include "percorso/avvisi.h"
#include "percorso/colonne.h"
#include "percorso/totali.h"

namespace flumetra::percorso {
namespace {

constexpr std::string_view bom = "\xEF\xBB\xBF";
constexpr std::string_view fineRiga = "\r\n";

std::string campo(std::string_view testo) {
    if (testo.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(testo);
    std::string s = "\"";
    for (const char c : testo) {
        if (c == '"') s += '"';
        s += c;
    }
    return s + '"';
}

void riga(std::string& s, const std::vector<std::string>& campi) {
    bool primo = true;
    for (const std::string& c : campi) {
        if (!primo) s += ';';
        s += campo(c);
        primo = false;
    }
    s += fineRiga;
}

}  // namespace

std::string senzaValore(const RisultatoTratto& r) {
    return r.avvisi.senza_portata ? std::string(dettagli::nessunValore) : "";
}

std::string csv(const Percorso& percorso, const Risultati& risultati) {
    std::string s(bom);
    std::vector<std::string> campi;
    for (const Colonna c : colonneDelCsv()) campi.push_back(intestazione(c));
    campi.emplace_back(titoloAvvisi);
    riga(s, campi);
    for (std::size_t i = 0; i < percorso.tratti.size(); ++i) {
        campi.clear();
        for (const Colonna c : colonneDelCsv()) {
            // The fan upstream is an empty field, not the sheet's word.
            const std::optional<std::string>& monte = percorso.tratti[i].monte;
            campi.push_back(c == Colonna::Monte ? monte.value_or("") : testoDi(c, percorso, i, &risultati));
        }
        campi.push_back(paroleDegliAvvisi(risultati.tratti[i]));
        riga(s, campi);
    }

    s += fineRiga;
    for (std::size_t k = 0; k < numeroTotali; ++k) {
        riga(s, {intestazione(totaleDi(k)), testoDi(totaleDi(k), percorso, risultati)});
    }
    return s;
}

}  // namespace flumetra::percorso
