// Writing a run's file: the keys in the format's order, the run's settings
// on three lines, then one section a line.

#include <string>
#include <variant>

#include "dettagli/materiali.h"
#include "percorso/campi.h"
#include "percorso/file.h"
#include "percorso/file_raccordi.h"
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
    OggettoJson aria(Spazi::Si);
    aria.con("temperatura", numeroJson(p.aria.temperatura)).con("quota", numeroJson(p.aria.quota));
    OggettoJson velocita(Spazi::Si);
    for (std::size_t k = 0; k < numeroRuoli; ++k) velocita.con(paroleRuolo[k], numeroJson(p.velocita_massime[k]));

    std::string s = "{";
    // The file's own keys, after the separator that puts them on their line.
    auto coppia = [&s](std::string_view prima, std::string_view chiave, std::string_view valore) {
        s += prima;
        s += stringaJson(chiave);
        s += ": ";
        s += valore;
    };
    coppia("", "formato", stringaJson(formatoDelFile));
    coppia(", ", "versione", std::to_string(versioneDelFile));
    coppia(",\n ", "aria", aria.testo());
    coppia(", ", "metodo", stringaJson(parolaDi(p.metodo)));
    coppia(", ", "materiale", stringaJson(dettagli::dati(p.materiale).nome));
    coppia(",\n ", "perdita_obiettivo", numeroJson(p.perdita_obiettivo));
    coppia(", ", "velocita_massime", velocita.testo());
    coppia(",\n ", "tratti", "[");
    for (std::size_t i = 0; i < p.tratti.size(); ++i) {
        s += i == 0 ? "\n  " : ",\n  ";
        s += tratto(p.tratti[i]);
    }
    s += "]}\n";
    return s;
}

}  // namespace flumetra::percorso
