// Writing a run's file: the keys in the format's order, the run's settings
// on three lines, then one section a line.

#include <string>
#include <variant>

#include "dettagli/materiali.h"
#include "percorso/file.h"
#include "percorso/json_testo.h"

namespace flumetra::percorso {
namespace {

std::string coppia(std::string_view chiave, const std::string& valore) { return stringaJson(chiave) + ": " + valore; }

std::string misura(const std::optional<Intero>& m) { return m ? std::to_string(*m) : "null"; }

std::string tratto(const Tratto& t) {
    std::string s = "{" + coppia("id", stringaJson(t.id));
    s += ", " + coppia("monte", t.monte ? stringaJson(*t.monte) : "null");
    s += ", " + coppia("L", numeroJson(t.L));
    s += ", " + coppia("G", std::to_string(t.G));
    s += ", " + coppia("zeta", numeroJson(t.zeta));
    s += ", " + coppia("ruolo", stringaJson(parolaDi(t.ruolo)));
    s += ", " + coppia("forma", stringaJson(parolaDi(t.forma)));
    if (const auto* tondo = std::get_if<Tondo>(&t.forma)) {
        s += ", " + coppia("D", misura(tondo->D));
    } else {
        const auto& rettangolo = std::get<Rettangolare>(t.forma);
        s += ", " + coppia("A", std::to_string(rettangolo.A));
        s += ", " + coppia("B", misura(rettangolo.B));
    }
    if (t.dp_terminale != 0) s += ", " + coppia("dp_terminale", numeroJson(t.dp_terminale));
    return s + "}";
}

}  // namespace

std::string scrivi(const Percorso& p) {
    std::string s = "{" + coppia("formato", stringaJson(formatoDelFile)) + ", " +
                    coppia("versione", std::to_string(versioneDelFile)) + ",\n";
    s += " " + coppia("aria", "{" + coppia("temperatura", numeroJson(p.aria.temperatura)) + ", " +
                                  coppia("quota", numeroJson(p.aria.quota)) + "}");
    s += ", " + coppia("metodo", stringaJson(parolaDi(p.metodo)));
    s += ", " + coppia("materiale", stringaJson(dettagli::dati(p.materiale).nome)) + ",\n";
    s += " " + coppia("perdita_obiettivo", numeroJson(p.perdita_obiettivo)) + ", ";
    std::string velocita;
    for (std::size_t k = 0; k < numeroRuoli; ++k) {
        velocita += (k == 0 ? "" : ", ") + coppia(paroleRuolo[k], numeroJson(p.velocita_massime[k]));
    }
    s += coppia("velocita_massime", "{" + velocita + "}") + ",\n";
    s += " " + coppia("tratti", "[");
    for (std::size_t i = 0; i < p.tratti.size(); ++i) s += (i == 0 ? "\n  " : ",\n  ") + tratto(p.tratti[i]);
    return s + "]}\n";
}

}  // namespace flumetra::percorso
