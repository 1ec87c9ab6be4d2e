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

// The controls each command reaches, by their object names.
bool cliccabile(std::string_view nome) {
    return std::any_of(tabellaModi.begin(), tabellaModi.end(), [nome](const DatiRadio& r) { return r.nome == nome; }) ||
           std::any_of(tabellaSezioni.begin(), tabellaSezioni.end(),
                       [nome](const DatiRadio& r) { return r.nome == nome; }) ||
           nome == "Check1" || nome == "Text1";
}
bool spinnerDiNome(std::string_view nome) {
    return std::any_of(tabellaSpinner.begin(), tabellaSpinner.end(),
                       [nome](const DatiSpinner& s) { return s.nome == nome; });
}
bool campoDiNome(std::string_view nome) {
    return std::any_of(tabellaCampi.begin(), tabellaCampi.end(),
                       [nome](const DatiCampo& c) { return c.nome == nome; }) ||
           nome == "Text1";
}

bool isBlank(std::string_view riga) { return riga.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

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

        const auto trovata = std::find(parole.begin(), parole.end(), primaParola);
        if (trovata == parole.end()) return Errore{numero, "unknown command \"" + std::string(primaParola) + "\""};
        const auto comando = static_cast<Comando>(trovata - parole.begin());
        Azione azione{comando, std::string(nome), std::string(testo), numero};
        const bool soloNome = fineNome == std::string_view::npos;
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
            case Comando::Click: nomeValido = cliccabile(nome) && soloNome; break;
            case Comando::Up:
            case Comando::Down: nomeValido = spinnerDiNome(nome) && soloNome; break;
            case Comando::Type:
            case Comando::Set:
            case Comando::Paste: nomeValido = campoDiNome(nome); break;
            case Comando::Key:
            case Comando::Tab:
            case Comando::Backtab: nomeValido = campoDiNome(nome) && soloNome; break;
            case Comando::Keypad:
                nomeValido = campoDiNome(nome);
                if (nomeValido && testo.find_first_not_of("0123456789+-.,") != std::string_view::npos) {
                    return Errore{numero, "\"" + std::string(testo) + "\" has a character that is not a keypad key"};
                }
                break;
            case Comando::Material:
                nomeValido =
                    soloNome && std::any_of(dettagli::tabellaMateriali.begin(), dettagli::tabellaMateriali.end(),
                                            [nome](const dettagli::DatiMateriale& m) { return m.nome == nome; });
                break;
            case Comando::Wheel:
                nomeValido = spinnerDiNome(nome);
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
