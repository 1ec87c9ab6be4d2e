// Writing a run's file: the keys in the format's order, the run's settings
// on the lines their table starts (aCapo), then one section a line.

#include <string>
#include <variant>

#include "percorso/campi.h"
#include "percorso/file.h"
#include "percorso/file_raccordi.h"
#include "percorso/impostazioni.h"
#include "percorso/json_testo.h"

namespace flumetra::percorso {
namespace {

using Spazi = OggettoJson::Spazi;

std::string tratto(const Tratto& t) {
    OggettoJson o(Spazi::Si);
    for (std::size_t k = 0; k < numeroCampi; ++k) {
        const Campo c = campoDi(k);
        if (const std::optional<std::string> valore = jsonDelCampo(c, t)) o.con(chiaveDi(dati(c), eTondo(t)), *valore);
    }
    if (!t.raccordi.empty()) o.con(chiaveRaccordi, raccordiInJson(t.raccordi));
    return o.testo();
}

}  // namespace

std::string scrivi(const Percorso& p) {
    std::string s = "{";
    // The file's own keys, after the separator that puts them on their line.
    auto coppia = [&s](bool aCapo, std::string_view chiave, std::string_view valore) {
        s += aCapo ? ",\n " : ", ";
        s += stringaJson(chiave);
        s += ": ";
        s += valore;
    };
    s += stringaJson("formato") + ": " + stringaJson(formatoDelFile);
    coppia(false, "versione", std::to_string(versioneDelFile));
    // The settings, an object's together: each object is written whole
    // where its first setting is.
    for (std::size_t k = 0; k < tabellaImpostazioni.size(); ++k) {
        const DatiImpostazione& d = tabellaImpostazioni[k];
        if (d.oggetto.empty()) {
            coppia(d.aCapo, d.chiave, jsonDi(d, p));
            continue;
        }
        if (k > 0 && tabellaImpostazioni[k - 1].oggetto == d.oggetto) continue;
        OggettoJson oggetto(Spazi::Si);
        for (std::size_t j = k; j < tabellaImpostazioni.size() && tabellaImpostazioni[j].oggetto == d.oggetto; ++j) {
            oggetto.con(tabellaImpostazioni[j].chiave, jsonDi(tabellaImpostazioni[j], p));
        }
        coppia(d.aCapo, d.oggetto, oggetto.testo());
    }
    if (!p.intestazione.vuota()) {
        OggettoJson intestazione(Spazi::Si);
        for (std::size_t k = 0; k < numeroVoci; ++k) {
            if (!p.intestazione.voci[k].empty()) {
                intestazione.con(tabellaVoci[k].chiave, stringaJson(p.intestazione.voci[k]));
            }
        }
        coppia(true, chiaveIntestazione, intestazione.testo());
    }
    coppia(true, "tratti", "[");
    for (std::size_t i = 0; i < p.tratti.size(); ++i) {
        s += i == 0 ? "\n  " : ",\n  ";
        s += tratto(p.tratti[i]);
    }
    s += "]}\n";
    return s;
}

}  // namespace flumetra::percorso
