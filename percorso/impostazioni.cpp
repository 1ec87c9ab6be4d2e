#include "percorso/impostazioni.h"

#include "calc/testo.h"
#include "percorso/json_testo.h"

namespace flumetra::percorso {

std::string nomeDi(Metodo metodo) { return metodo == Metodo::Calcolatore ? "formula del calcolatore" : "Colebrook"; }

std::string nomeDi(dettagli::Materiale materiale) {
    const dettagli::DatiMateriale& m = dettagli::dati(materiale);
    return std::string(m.descrizione) + " (ε " + RealeInTesto(m.rugosita_mm) + " mm)";
}

std::string luogoDi(const DatiImpostazione& d) {
    return d.oggetto.empty() ? std::string(d.chiave) : std::string(d.oggetto) + ", " + std::string(d.chiave);
}

std::string jsonDi(const DatiImpostazione& d, const Percorso& p) {
    const Reale x = d.valore(p);
    return d.parole.empty() ? numeroJson(x) : stringaJson(d.parole[static_cast<std::size_t>(x)]);
}

std::string testoDi(const DatiImpostazione& d, const Percorso& p) {
    const Reale x = d.valore(p);
    return d.parole.empty() ? RealeInTesto(x) : d.nome(static_cast<std::size_t>(x));
}

}  // namespace flumetra::percorso
