#include "replay/copione.h"

#include <algorithm>
#include <array>
#include <utility>

#include "dettagli/dettagli.h"
#include "logic/quantita.h"

namespace flumetra::copione {
namespace {

// Each command's word, in the order of Comando.
constexpr std::array<std::string_view, 16> parole = {"click", "up",      "down",     "type",    "set",   "paste",
                                                     "key",   "keypad",  "tab",      "backtab", "wheel", "dump",
                                                     "notes", "details", "material", "copy"};
static_assert(parole.size() == static_cast<std::size_t>(Comando::Copy) + 1);

bool tra(const std::vector<std::string_view>& nomi, std::string_view nome) {
    return std::find(nomi.begin(), nomi.end(), nome) != nomi.end();
}

bool isBlank(std::string_view riga) { return riga.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

std::vector<std::string_view> controlliDi(Comando comando) {
    std::vector<std::string_view> nomi;
    switch (comando) {
        case Comando::Click:
            for (const DatiRadio& r : tabellaModi) nomi.push_back(r.nome);
            for (const DatiRadio& r : tabellaSezioni) nomi.push_back(r.nome);
            nomi.push_back(controlli::inPrimoPiano);
            nomi.push_back(controlli::informazioni);
            break;
        case Comando::Up:
        case Comando::Down:
        case Comando::Wheel:
            for (const DatiSpinner& d : tabellaSpinner) nomi.push_back(d.nome);
            break;
        case Comando::Type:
        case Comando::Set:
        case Comando::Paste:
        case Comando::Key:
        case Comando::Keypad:
        case Comando::Tab:
        case Comando::Backtab:
            for (const DatiCampo& d : tabellaCampi) nomi.push_back(d.nome);
            nomi.push_back(controlli::informazioni);
            break;
        case Comando::Material:
            for (const dettagli::DatiMateriale& m : dettagli::tabellaMateriali) nomi.push_back(m.nome);
            break;
        case Comando::Dump:
        case Comando::Notes:
        case Comando::Details:
        case Comando::Copy: break;
    }
    return nomi;
}

std::optional<Comando> comandoDi(std::string_view parolaIniziale) {
    const auto trovata = std::find(parole.begin(), parole.end(), parolaIniziale);
    if (trovata == parole.end()) return std::nullopt;
    return static_cast<Comando>(trovata - parole.begin());
}

std::string_view parola(Comando comando) { return parole.at(static_cast<std::size_t>(comando)); }

bool haTesto(Comando comando) {
    return comando == Comando::Type || comando == Comando::Set || comando == Comando::Paste ||
           comando == Comando::Keypad || comando == Comando::Wheel;
}

bool soloParola(Comando comando) {
    return comando == Comando::Dump || comando == Comando::Notes || comando == Comando::Details ||
           comando == Comando::Copy;
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

        const std::size_t spazio = riga.find(' ');
        const std::string_view primaParola = riga.substr(0, spazio);
        const std::string_view resto = spazio == std::string_view::npos ? std::string_view{} : riga.substr(spazio + 1);
        const std::size_t fineNome = resto.find(' ');
        const std::string_view nome = resto.substr(0, fineNome);
        const std::string_view testo =
            fineNome == std::string_view::npos ? std::string_view{} : resto.substr(fineNome + 1);

        const std::optional<Comando> comando = comandoDi(primaParola);
        if (!comando) return Errore{numero, "unknown command \"" + std::string(primaParola) + "\""};
        Azione azione{*comando, std::string(nome), std::string(testo), numero};
        const bool soloNome = fineNome == std::string_view::npos;
        const bool nomeNoto = tra(controlliDi(*comando), nome);
        bool nomeValido = false;
        switch (azione.comando) {
            case Comando::Dump:
            case Comando::Notes:
            case Comando::Details:
            case Comando::Copy:
                nomeValido = resto.empty() || isBlank(resto);
                azione.controllo.clear();
                azione.testo.clear();
                break;
            case Comando::Click:
            case Comando::Up:
            case Comando::Down:
            case Comando::Key:
            case Comando::Tab:
            case Comando::Backtab:
            case Comando::Material: nomeValido = nomeNoto && soloNome; break;
            case Comando::Type:
            case Comando::Set:
            case Comando::Paste: nomeValido = nomeNoto; break;
            case Comando::Keypad:
                nomeValido = nomeNoto;
                if (nomeValido && testo.find_first_not_of("0123456789+-.,") != std::string_view::npos) {
                    return Errore{numero, "\"" + std::string(testo) + "\" has a character that is not a keypad key"};
                }
                break;
            case Comando::Wheel:
                nomeValido = nomeNoto;
                if (nomeValido && testo != "up" && testo != "down") {
                    return Errore{numero, "wheel turns up or down, not \"" + std::string(testo) + "\""};
                }
                break;
        }
        if (!nomeValido) {
            return Errore{numero, "unknown control name \"" + std::string(nome) + "\" for " + std::string(primaParola)};
        }
        azioni.push_back(std::move(azione));
    }
    return azioni;
}

}  // namespace flumetra::copione
