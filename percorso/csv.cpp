#include "percorso/csv.h"

#include <string_view>
#include <variant>
#include <vector>

#include "calc/testo.h"
#include "dettagli/righe.h"
#include "percorso/avvisi.h"
#include "percorso/colonne.h"
#include "percorso/impostazioni.h"
#include "percorso/intestazione.h"
#include "percorso/testo_fisso.h"
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

std::string conUnita(std::string_view nome, std::string_view unita) {
    return unita.empty() ? std::string(nome) : std::string(nome) + " [" + std::string(unita) + "]";
}

// A setting as its panel labels it, without the mnemonic's «&».
std::string etichetta(const DatiImpostazione& d) {
    std::string s;
    for (const char c : d.etichetta) {
        if (c != '&') s += c;
    }
    return conUnita(s, d.unita);
}

// The title block, then the settings the run was sized with.
void intestazioneEBase(std::string& s, const Percorso& p) {
    for (std::size_t k = 0; k < numeroVoci; ++k)
        riga(s, {std::string(tabellaVoci[k].etichetta), p.intestazione.voci[k]});
    for (const DatiImpostazione& d : tabellaImpostazioni) {
        riga(s, {etichetta(d), d.parole.empty() ? testoEsatto(d.valore(p)) : testoDi(d, p)});
    }
}

// A cell with every decimal of its value; as the sheet shows it where it
// holds words, a whole number or nothing. The fan upstream is an empty
// field, not the sheet's word.
std::string cella(Colonna c, const Percorso& p, std::size_t i, const Risultati& r) {
    const Tratto& t = p.tratti[i];
    if (c == Colonna::Monte) return t.monte.value_or("");
    std::optional<Reale> x;
    bool intero = true;
    if (const auto campo = campoDi(c)) {
        const DatiCampo& d = dati(*campo);
        if (d.genere == Genere::Numero) x = d.valore(t);
        intero = d.intero;
    } else if (const auto calcolata = calcolataDi(c)) {
        const DatiCalcolata& d = dati(*calcolata);
        if (d.valore != nullptr) x = d.valore(t, r.tratti[i], r);
        intero = d.intero;
    }
    if (!x || intero) return testoDi(c, p, i, &r);
    return testoEsatto(*x);
}

// «data» for a size typed, «scelta» for one the sheet found; where it found
// none, as the sheet shows a size it has not.
std::string misura(const Tratto& t, const RisultatoTratto& r) {
    const auto* tondo = std::get_if<Tondo>(&t.forma);
    const auto* rettangolo = std::get_if<Rettangolare>(&t.forma);
    if ((tondo != nullptr && tondo->D) || (rettangolo != nullptr && rettangolo->B)) return "data";
    return r.D ? "scelta" : senzaValore(r);
}

}  // namespace

std::string senzaValore(const RisultatoTratto& r) {
    return r.avvisi.senza_portata ? std::string(dettagli::nessunValore) : "";
}

std::string csv(const Percorso& percorso, const Risultati& risultati) {
    std::string s(bom);
    intestazioneEBase(s, percorso);
    s += fineRiga;

    std::vector<std::string> campi;
    for (const Colonna c : colonneDelCsv()) campi.push_back(intestazione(c));
    campi.insert(campi.end(), {std::string(titoloMisura), std::string(titoloIndice), std::string(titoloAvvisi)});
    riga(s, campi);
    std::vector<bool> indice(percorso.tratti.size());
    if (risultati.percorso_indice) {
        for (const std::size_t k : *risultati.percorso_indice) indice[k] = true;
    }
    for (std::size_t i = 0; i < percorso.tratti.size(); ++i) {
        campi.clear();
        for (const Colonna c : colonneDelCsv()) campi.push_back(cella(c, percorso, i, risultati));
        campi.push_back(misura(percorso.tratti[i], risultati.tratti[i]));
        campi.emplace_back(indice[i] ? "sì" : "no");
        campi.push_back(paroleDegliAvvisi(risultati.tratti[i]));
        riga(s, campi);
    }

    s += fineRiga;
    for (std::size_t k = 0; k < numeroTotali; ++k) {
        riga(s, {intestazione(totaleDi(k)), esattoDi(totaleDi(k), percorso, risultati)});
    }
    return s;
}

}  // namespace flumetra::percorso
