#include "replay/copione.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

#include "calc/fallimento.h"
#include "calc/testo.h"
#include "dettagli/materiali.h"
#include "logic/quantita.h"
#include "percorso/intestazione.h"

namespace flumetra::copione {
namespace {

// The names of a table's rows, in its order.
template <typename Tabella>
std::vector<std::string_view> nomiDi(const Tabella& tabella) {
    std::vector<std::string_view> nomi;
    nomi.reserve(tabella.size() + 2);
    for (const auto& riga : tabella) nomi.push_back(riga.nome);
    return nomi;
}

// The names each kind of control goes by.
std::vector<std::string_view> pulsanti() {
    std::vector<std::string_view> nomi = nomiDi(tabellaModi);
    const std::vector<std::string_view> sezioni = nomiDi(tabellaSezioni);
    nomi.insert(nomi.end(), sezioni.begin(), sezioni.end());
    nomi.push_back(controlli::inPrimoPiano);
    nomi.push_back(controlli::informazioni);
    return nomi;
}

std::vector<std::string_view> spinner() { return nomiDi(tabellaSpinner); }

std::vector<std::string_view> campi() {
    std::vector<std::string_view> nomi = nomiDi(tabellaCampi);
    nomi.push_back(controlli::informazioni);
    return nomi;
}

std::vector<std::string_view> materiali() { return nomiDi(dettagli::tabellaMateriali); }

std::vector<std::string_view> vociDellIntestazione() {
    std::vector<std::string_view> nomi;
    nomi.reserve(percorso::numeroVoci);
    for (const percorso::DatiVoce& v : percorso::tabellaVoci) nomi.push_back(v.chiave);
    return nomi;
}

// The pieces one after the other. (GCC 12 at -O3 warns, wrongly, of an
// overlapping copy in a literal added to a temporary string.)
std::string unito(std::initializer_list<std::string_view> pezzi) {
    std::string testo;
    for (const std::string_view pezzo : pezzi) testo.append(pezzo);
    return testo;
}

// Why a command's text is refused, or nothing.
using Verifica = std::optional<std::string> (*)(std::string_view testo);

std::optional<std::string> tastiDelTastierino(std::string_view testo) {
    if (testo.find_first_not_of("0123456789+-.,") == std::string_view::npos) return std::nullopt;
    return unito({"\"", testo, "\" has a character that is not a keypad key"});
}

std::optional<std::string> versoDellaRotella(std::string_view testo) {
    if (testo == "up" || testo == "down") return std::nullopt;
    return unito({"wheel turns up or down, not \"", testo, "\""});
}

std::optional<std::string> valoriDellAria(std::string_view testo) {
    if (aria(testo)) return std::nullopt;
    return unito({"air takes a temperature and an altitude, not \"", testo, "\""});
}

struct DatiComando {
    std::string_view parola;
    Seguito seguito;
    std::vector<std::string_view> (*nomi)();  // the names it takes, for Nome and NomeETesto
    Verifica verifica;                        // nullptr: any text
};

// One row a command, in the order of Comando.
const std::array<DatiComando, 21> comandi = {{
    {"click", Seguito::Nome, pulsanti, nullptr},
    {"up", Seguito::Nome, spinner, nullptr},
    {"down", Seguito::Nome, spinner, nullptr},
    {"type", Seguito::NomeETesto, campi, nullptr},
    {"set", Seguito::NomeETesto, campi, nullptr},
    {"paste", Seguito::NomeETesto, campi, nullptr},
    {"key", Seguito::Nome, campi, nullptr},
    {"keypad", Seguito::NomeETesto, campi, tastiDelTastierino},
    {"tab", Seguito::Nome, campi, nullptr},
    {"backtab", Seguito::Nome, campi, nullptr},
    {"wheel", Seguito::NomeETesto, spinner, versoDellaRotella},
    {"dump", Seguito::Niente, nullptr, nullptr},
    {"notes", Seguito::Niente, nullptr, nullptr},
    {"details", Seguito::Niente, nullptr, nullptr},
    {"material", Seguito::Nome, materiali, nullptr},
    {"copy", Seguito::Niente, nullptr, nullptr},
    {"air", Seguito::Testo, nullptr, valoriDellAria},
    {"run", Seguito::Testo, nullptr, nullptr},
    {"title", Seguito::NomeETesto, vociDellIntestazione, nullptr},
    {"csv", Seguito::Testo, nullptr, nullptr},
    {"pdf", Seguito::Testo, nullptr, nullptr},
}};
static_assert(comandi.size() == static_cast<std::size_t>(Comando::Pdf) + 1);

const DatiComando& dati(Comando comando) { return comandi.at(static_cast<std::size_t>(comando)); }

bool isBlank(std::string_view riga) { return riga.find_first_not_of(" \t") == std::string_view::npos; }

// "a b" -> {"a", "b"}; "a" -> {"a", nothing}.
std::pair<std::string_view, std::optional<std::string_view>> primaParola(std::string_view testo) {
    const std::size_t spazio = testo.find(' ');
    if (spazio == std::string_view::npos) return {testo, std::nullopt};
    return {testo.substr(0, spazio), testo.substr(spazio + 1)};
}

// One line's action, once its command is known; an error message otherwise.
std::variant<Azione, std::string> azione(Comando comando, std::optional<std::string_view> resto) {
    const DatiComando& d = dati(comando);
    Azione a{comando, {}, {}, 0};
    auto nomeIgnoto = [&](std::string_view nome) {
        return unito({"unknown control name \"", nome, "\" for ", d.parola});
    };
    switch (d.seguito) {
        case Seguito::Niente:
            if (resto && !isBlank(*resto)) return nomeIgnoto(*resto);
            return a;
        case Seguito::Testo: a.testo = std::string(resto.value_or("")); break;
        case Seguito::Nome:
        case Seguito::NomeETesto: {
            const auto [nome, testo] = primaParola(resto.value_or(""));
            const std::vector<std::string_view> nomi = d.nomi();
            const bool noto = std::find(nomi.begin(), nomi.end(), nome) != nomi.end();
            if (!noto || (d.seguito == Seguito::Nome && testo)) return nomeIgnoto(nome);
            a.controllo = std::string(nome);
            a.testo = std::string(testo.value_or(""));
            break;
        }
    }
    if (d.verifica != nullptr) {
        if (auto errore = d.verifica(a.testo)) return *errore;
    }
    return a;
}

}  // namespace

std::vector<std::string_view> controlliDi(Comando comando) {
    const DatiComando& d = dati(comando);
    return d.nomi != nullptr ? d.nomi() : std::vector<std::string_view>{};
}

std::optional<Comando> comandoDi(std::string_view parolaIniziale) {
    const auto trovata =
        std::find_if(comandi.begin(), comandi.end(), [&](const DatiComando& d) { return d.parola == parolaIniziale; });
    if (trovata == comandi.end()) return std::nullopt;
    return static_cast<Comando>(trovata - comandi.begin());
}

std::string_view parola(Comando comando) { return dati(comando).parola; }

Seguito seguito(Comando comando) { return dati(comando).seguito; }

std::optional<ValoriAria> aria(std::string_view testo) {
    const auto [temperatura, quota] = primaParola(testo);
    if (!quota) return std::nullopt;
    auto numero = [](std::string_view parola) -> std::optional<double> {
        std::string conVirgola(parola);
        std::replace(conVirgola.begin(), conVirgola.end(), '.', ',');
        try {
            return TestoInReale(conVirgola);
        } catch (const Fallimento&) {
            return std::nullopt;
        }
    };
    const auto t = numero(temperatura);
    const auto z = numero(*quota);
    if (!t || !z) return std::nullopt;
    return ValoriAria{*t, *z};
}

std::variant<std::vector<Azione>, Errore> leggi(std::string_view script) {
    std::vector<Azione> azioni;
    std::size_t numero = 0;
    while (!script.empty()) {
        ++numero;
        const std::size_t lineEnd = script.find('\n');
        std::string_view riga = script.substr(0, lineEnd);
        script = lineEnd == std::string_view::npos ? std::string_view{} : script.substr(lineEnd + 1);
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        if (isBlank(riga) || riga.front() == '#') continue;

        const auto [parolaIniziale, resto] = primaParola(riga);
        const std::optional<Comando> comando = comandoDi(parolaIniziale);
        if (!comando) return Errore{numero, unito({"unknown command \"", parolaIniziale, "\""})};
        auto letta = azione(*comando, resto);
        if (auto* errore = std::get_if<std::string>(&letta)) return Errore{numero, std::move(*errore)};
        Azione a = std::get<Azione>(std::move(letta));
        a.riga = numero;
        azioni.push_back(std::move(a));
    }
    return azioni;
}

}  // namespace flumetra::copione
