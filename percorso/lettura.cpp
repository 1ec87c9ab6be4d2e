// Reading a run's file: the JSON document first, then each key's kind (a
// whole number where one is due, a word of its list), then verifica. A
// message names a section's key as the sheet's heading does (nomi.h).

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "calc/testo.h"
#include "dettagli/materiali.h"
#include "percorso/campi.h"
#include "percorso/file.h"
#include "percorso/file_raccordi.h"
#include "percorso/impostazioni.h"
#include "percorso/json_lettura.h"
#include "percorso/nomi.h"
#include "percorso/verifica.h"

namespace flumetra::percorso {
namespace {

using nlohmann::json;

struct Rifiutato {
    Rifiuto rifiuto;
};

[[noreturn]] void rifiuta(Motivo motivo, std::string messaggio, std::optional<std::size_t> tratto = std::nullopt) {
    throw Rifiutato{{motivo, std::move(messaggio), tratto}};
}

// Where a key is: in the file itself, in one of its objects, or in a section.
struct Luogo {
    std::string_view oggetto;  // "aria", "velocita_massime"; empty for the file itself
    std::optional<std::size_t> tratto;
    std::optional<std::string_view> id;

    [[nodiscard]] std::string nome() const { return tratto ? luogoDelTratto(*tratto, id) : std::string(oggetto); }
    // A key as a message names it: a section's as the sheet's heading does.
    [[nodiscard]] std::string_view campo(std::string_view chiave) const {
        return tratto ? nomeDelCampo(chiave) : chiave;
    }
    // "tratto 3 («T3»), Σζ"; "aria, quota"; "metodo".
    [[nodiscard]] std::string di(std::string_view chiave) const {
        const std::string n = nome();
        return n.empty() ? std::string(campo(chiave)) : n + ", " + std::string(campo(chiave));
    }
    // "tratto 3 («T3»): "; "aria: "; nothing.
    [[nodiscard]] std::string prefisso() const {
        const std::string n = nome();
        return n.empty() ? n : n + ": ";
    }
};

const json& richiesto(const json& oggetto, std::string_view chiave, const Luogo& l) {
    const auto i = oggetto.find(chiave);
    if (i == oggetto.end()) {
        rifiuta(Motivo::ChiaveMancante, l.prefisso() + "manca «" + std::string(l.campo(chiave)) + "»", l.tratto);
    }
    return *i;
}

// Refuses the first key (in the order of their names) outside ammesse.
void soloChiavi(const json& oggetto, const std::vector<std::string_view>& ammesse, const Luogo& l,
                std::string_view perche = "") {
    for (const auto& [chiave, valore] : oggetto.items()) {
        bool nota = false;
        for (const std::string_view a : ammesse) nota = nota || a == chiave;
        if (!nota) {
            rifiuta(Motivo::ChiaveSconosciuta,
                    l.prefisso() + "chiave «" + chiave + "» sconosciuta" + std::string(perche), l.tratto);
        }
    }
}

const json& oggetto(const json& o, std::string_view chiave, const Luogo& l) {
    const json& v = richiesto(o, chiave, l);
    if (!v.is_object()) rifiuta(Motivo::Tipo, l.di(chiave) + ": atteso un oggetto, trovato " + descrivi(v), l.tratto);
    return v;
}

Reale reale(const json& o, std::string_view chiave, const Luogo& l) {
    const json& v = richiesto(o, chiave, l);
    if (!v.is_number()) rifiuta(Motivo::Tipo, l.di(chiave) + ": atteso un numero, trovato " + descrivi(v), l.tratto);
    return v.get<Reale>();
}

// A whole number within its range (checked here, before it is narrowed to an
// Intero); nothing for null where null is allowed.
std::optional<Intero> intero(const json& v, std::string_view chiave, Intervallo intervallo, bool nullAmmesso,
                             const Luogo& l) {
    if (v.is_null() && nullAmmesso) return std::nullopt;
    const auto valore = v.is_number() ? v.get<Reale>() : 0.0;
    if (!v.is_number() || valore != std::trunc(valore)) {
        const std::string atteso = nullAmmesso ? "un numero intero o null" : "un numero intero";
        rifiuta(Motivo::Tipo, l.di(chiave) + ": atteso " + atteso + ", trovato " + descrivi(v), l.tratto);
    }
    if (!intervallo.contiene(valore)) {
        rifiuta(Motivo::FuoriIntervallo, fuoriIntervallo(l.di(chiave), valore, intervallo), l.tratto);
    }
    return static_cast<Intero>(valore);
}

const std::string& testo(const json& v, std::string_view chiave, const Luogo& l) {
    if (!v.is_string()) rifiuta(Motivo::Tipo, l.di(chiave) + ": atteso un testo, trovato " + descrivi(v), l.tratto);
    return v.get_ref<const std::string&>();
}

// A word that is not one of a list, the list's words given in order.
template <typename Parole, typename Parola>
[[noreturn]] void nonTra(const Luogo& l, std::string_view chiave, const std::string& s, const Parole& parole,
                         Parola parola) {
    std::string elenco;
    for (const auto& p : parole) {
        if (!elenco.empty()) elenco += ", ";
        elenco += parola(p);
    }
    rifiuta(Motivo::ParolaSconosciuta, l.di(chiave) + ": «" + s + "» non è tra " + elenco, l.tratto);
}

// One of the words of a list: the index of the word.
std::size_t parola(const json& o, std::string_view chiave, std::span<const std::string_view> parole, const Luogo& l) {
    const std::string& s = testo(richiesto(o, chiave, l), chiave, l);
    const auto i = std::find(parole.begin(), parole.end(), s);
    if (i != parole.end()) return static_cast<std::size_t>(i - parole.begin());
    nonTra(l, chiave, s, parole, [](std::string_view p) { return p; });
}

void formatoEVersione(const json& documento) {
    const std::string non = "non è un percorso di Flumetra: ";
    if (!documento.is_object()) rifiuta(Motivo::Formato, non + "il testo JSON non è un oggetto");
    const auto formato = documento.find("formato");
    if (formato == documento.end()) rifiuta(Motivo::Formato, non + "manca «formato»");
    if (!formato->is_string() || formato->get_ref<const std::string&>() != formatoDelFile) {
        rifiuta(Motivo::Formato, non + "«formato» non è «" + std::string(formatoDelFile) + "»");
    }
    const Luogo file{};
    const json& versione = richiesto(documento, "versione", file);
    if (!versione.is_number()) rifiuta(Motivo::Tipo, "versione: atteso un numero, trovato " + descrivi(versione));
    if (versione.get<Reale>() == versioneDelFile) return;
    rifiuta(Motivo::Formato, "versione " + descrivi(versione) + " non prevista: questa Flumetra legge la versione " +
                                 std::to_string(versioneDelFile));
}

// The keys a section of that shape may have.
std::vector<std::string_view> chiaviDelTratto(bool tondo) {
    std::vector<std::string_view> chiavi;
    for (const DatiCampo& d : tabellaCampi) {
        if (!(tondo && d.soloRettangolo)) chiavi.push_back(chiaveDi(d, tondo));
    }
    chiavi.push_back(chiaveRaccordi);
    return chiavi;
}

// One input of a section whose id and shape are read.
void campo(const json& t, const DatiCampo& d, bool tondo, Tratto& tr, const Luogo& l) {
    const std::string_view chiave = chiaveDi(d, tondo);
    switch (d.genere) {
        case Genere::Id:
        case Genere::Forma: return;
        case Genere::Monte:
            if (const json& monte = richiesto(t, chiave, l); !monte.is_null()) {
                if (!monte.is_string()) {
                    rifiuta(Motivo::Tipo, l.di(chiave) + ": atteso un testo o null, trovato " + descrivi(monte),
                            l.tratto);
                }
                tr.monte = monte.get<std::string>();
            }
            return;
        case Genere::Ruolo: tr.ruolo = static_cast<Ruolo>(parola(t, chiave, paroleRuolo, l)); return;
        case Genere::Numero: break;
    }
    if (tondo && d.soloRettangolo) return;
    if (d.omessoSeZero && !t.contains(chiave)) return;
    if (!d.intero) {
        d.imposta(tr, reale(t, chiave, l));
        return;
    }
    const std::optional<Intero> x = intero(richiesto(t, chiave, l), chiave, intervalloDi(d, tondo), d.vuotoAmmesso, l);
    d.imposta(tr, x ? std::optional<Reale>(*x) : std::nullopt);
}

Tratto tratto(const json& t, std::size_t i) {
    Luogo l{{}, i, std::nullopt};
    if (!t.is_object()) rifiuta(Motivo::Tipo, l.prefisso() + "atteso un oggetto, trovato " + descrivi(t), i);
    Tratto tr;
    const std::string_view id = dati(Campo::Id).chiave;
    tr.id = testo(richiesto(t, id, l), id, l);
    l.id = tr.id;
    const bool tondo = parola(t, dati(Campo::Forma).chiave, std::array{parolaTondo, parolaRettangolare}, l) == 0;
    soloChiavi(t, chiaviDelTratto(tondo), l, tondo ? " in un tratto tondo" : " in un tratto rettangolare");
    if (tondo) {
        tr.forma = Tondo{};
    } else {
        tr.forma = Rettangolare{};
    }
    for (const DatiCampo& d : tabellaCampi) campo(t, d, tondo, tr, l);
    if (const auto r = t.find(chiaveRaccordi); r != t.end()) {
        auto raccordi = raccordiDalJson(*r, i, tr.id);
        if (auto* rifiuto = std::get_if<Rifiuto>(&raccordi)) throw Rifiutato{std::move(*rifiuto)};
        tr.raccordi = std::get<std::vector<Raccordo>>(std::move(raccordi));
    }
    return tr;
}

// The keys the file itself may have: its own, the settings' (an object's
// once), its sections.
std::vector<std::string_view> chiaviDelFile() {
    std::vector<std::string_view> chiavi = {"formato", "versione"};
    for (const DatiImpostazione& d : tabellaImpostazioni) {
        const std::string_view chiave = d.oggetto.empty() ? d.chiave : d.oggetto;
        if (std::find(chiavi.begin(), chiavi.end(), chiave) == chiavi.end()) chiavi.push_back(chiave);
    }
    chiavi.push_back(chiaveIntestazione);
    chiavi.emplace_back("tratti");
    return chiavi;
}

// The keys of one of the file's objects: its settings'.
std::vector<std::string_view> chiaviDellOggetto(std::string_view oggetto) {
    std::vector<std::string_view> chiavi;
    for (const DatiImpostazione& d : tabellaImpostazioni) {
        if (d.oggetto == oggetto) chiavi.push_back(d.chiave);
    }
    return chiavi;
}

// The settings, in the table's order: an object is checked for its kind and
// its keys when its first setting is read.
void impostazioni(const json& documento, Percorso& p) {
    const Luogo file{};
    const json* aperto = nullptr;  // the object of the setting before, if any
    std::string_view nomeAperto;
    for (const DatiImpostazione& d : tabellaImpostazioni) {
        const Luogo l{d.oggetto, std::nullopt, std::nullopt};
        if (!d.oggetto.empty() && d.oggetto != nomeAperto) {
            if (d.facoltativo && !documento.contains(d.oggetto)) continue;
            aperto = &oggetto(documento, d.oggetto, file);
            nomeAperto = d.oggetto;
            soloChiavi(*aperto, chiaviDellOggetto(d.oggetto), l);
        }
        const json& dove = d.oggetto.empty() ? documento : *aperto;
        if (d.facoltativo && !dove.contains(d.chiave)) continue;
        d.imposta(
            p, d.parole.empty() ? reale(dove, d.chiave, l) : static_cast<Reale>(parola(dove, d.chiave, d.parole, l)));
    }
}

// The title block: none in an older file, each key left out when empty.
Intestazione intestazione(const json& documento) {
    Intestazione t;
    const auto i = documento.find(chiaveIntestazione);
    if (i == documento.end()) return t;
    const Luogo l{chiaveIntestazione, std::nullopt, std::nullopt};
    if (!i->is_object()) {
        rifiuta(Motivo::Tipo, std::string(chiaveIntestazione) + ": atteso un oggetto, trovato " + descrivi(*i));
    }
    std::vector<std::string_view> chiavi;
    chiavi.reserve(numeroVoci);
    for (const DatiVoce& d : tabellaVoci) chiavi.push_back(d.chiave);
    soloChiavi(*i, chiavi, l);
    for (std::size_t k = 0; k < numeroVoci; ++k) {
        const auto v = i->find(tabellaVoci[k].chiave);
        if (v != i->end()) t.voci[k] = testo(*v, tabellaVoci[k].chiave, l);
    }
    return t;
}

Percorso percorsoDi(const json& documento) {
    formatoEVersione(documento);
    const Luogo file{};
    soloChiavi(documento, chiaviDelFile(), file);
    Percorso p;
    impostazioni(documento, p);
    p.intestazione = intestazione(documento);

    const json& tratti = richiesto(documento, "tratti", file);
    if (!tratti.is_array()) rifiuta(Motivo::Tipo, "tratti: attesa una lista, trovato " + descrivi(tratti));
    p.tratti.reserve(tratti.size());
    for (std::size_t i = 0; i < tratti.size(); ++i) p.tratti.push_back(tratto(tratti[i], i));
    return p;
}

}  // namespace

std::variant<Percorso, Rifiuto> leggi(std::string_view testo) {
    auto documento = documentoJson(testo);
    if (auto* r = std::get_if<Rifiuto>(&documento)) return std::move(*r);
    try {
        Percorso p = percorsoDi(std::get<json>(documento));
        if (auto r = verifica(p)) return std::move(*r);
        return p;
    } catch (Rifiutato& e) {
        return std::move(e.rifiuto);
    }
}

}  // namespace flumetra::percorso
