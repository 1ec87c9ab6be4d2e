#include "replay/copione.h"

#include <algorithm>
#include <array>

namespace flumetra::copione {
namespace {

constexpr std::array cliccabili = {"Option_Perdita", "Option_Velocità", "Option_Portata", "Option_SezioneCanale",
                                   "Option_A",       "Option_B",        "Option_D",       "Check1",
                                   "Text1"};
constexpr std::array spinner = {"UpDown_A", "UpDown_B", "UpDown_D", "UpDown_G", "UpDown_v", "UpDown_Y"};
constexpr std::array campi = {"Text_A", "Text_B", "Text_D",    "Text_G", "Text_v",
                              "Text_Y", "Text_L", "Text_Ytot", "Text1"};

template <std::size_t N>
bool tra(std::string_view nome, const std::array<const char*, N>& nomi) {
    return std::any_of(nomi.begin(), nomi.end(), [nome](const char* n) { return nome == n; });
}

bool vuota(std::string_view riga) { return riga.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

std::variant<std::vector<Azione>, Errore> leggi(std::string_view script) {
    std::vector<Azione> azioni;
    std::size_t numero = 0;
    while (!script.empty()) {
        ++numero;
        const std::size_t a_capo = script.find('\n');
        std::string_view riga = script.substr(0, a_capo);
        script = a_capo == std::string_view::npos ? std::string_view{} : script.substr(a_capo + 1);
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        if (vuota(riga) || riga.front() == '#') continue;

        const std::size_t spazio = riga.find(' ');
        const std::string_view parola = riga.substr(0, spazio);
        const std::string_view resto = spazio == std::string_view::npos ? std::string_view{} : riga.substr(spazio + 1);
        const std::size_t fineNome = resto.find(' ');
        const std::string_view nome = resto.substr(0, fineNome);
        const std::string_view testo =
            fineNome == std::string_view::npos ? std::string_view{} : resto.substr(fineNome + 1);

        Azione azione{Comando::Dump, std::string(nome), std::string(testo), numero};
        bool nomeValido = false;
        if (parola == "dump") {
            nomeValido = resto.empty() || vuota(resto);
            azione.controllo.clear();
            azione.testo.clear();
        } else if (parola == "click") {
            azione.comando = Comando::Click;
            nomeValido = tra(nome, cliccabili) && fineNome == std::string_view::npos;
        } else if (parola == "up" || parola == "down") {
            azione.comando = parola == "up" ? Comando::Up : Comando::Down;
            nomeValido = tra(nome, spinner) && fineNome == std::string_view::npos;
        } else if (parola == "type" || parola == "set") {
            azione.comando = parola == "type" ? Comando::Type : Comando::Set;
            nomeValido = tra(nome, campi);
        } else if (parola == "key" || parola == "tab" || parola == "backtab") {
            azione.comando = parola == "key" ? Comando::Key : parola == "tab" ? Comando::Tab : Comando::Backtab;
            nomeValido = tra(nome, campi) && fineNome == std::string_view::npos;
        } else if (parola == "keypad") {
            azione.comando = Comando::Keypad;
            nomeValido = tra(nome, campi);
            if (nomeValido && testo.find_first_not_of("0123456789+-.,") != std::string_view::npos) {
                return Errore{numero, "\"" + std::string(testo) + "\" has a character that is not a keypad key"};
            }
        } else if (parola == "wheel") {
            azione.comando = Comando::Wheel;
            nomeValido = tra(nome, spinner);
            if (nomeValido && testo != "up" && testo != "down") {
                return Errore{numero, "wheel turns up or down, not \"" + std::string(testo) + "\""};
            }
        } else {
            return Errore{numero, "unknown command \"" + std::string(parola) + "\""};
        }
        if (!nomeValido) {
            return Errore{numero, "unknown control name \"" + std::string(nome) + "\" for " + std::string(parola)};
        }
        azioni.push_back(std::move(azione));
    }
    return azioni;
}

}  // namespace flumetra::copione
