// A run's title block, for the report a designer hands in: the project,
// the client, the designer, the revision and a free note, one row each.
// The file keeps it in "intestazione", each key left out when empty and the
// whole object when all are; an older file has none.
//
//   voceDi("cliente")                    -> Voce::Cliente
//   dati(Voce::Progettista).etichetta    -> "Progettista"
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace flumetra::percorso {

// clang-format off
#define FLUMETRA_INTESTAZIONE(X) X(Progetto) X(Cliente) X(Progettista) X(Revisione) X(Note)
// clang-format on

#define FLUMETRA_VALORE(nome) nome,
enum class Voce { FLUMETRA_INTESTAZIONE(FLUMETRA_VALORE) };
#undef FLUMETRA_VALORE
#define FLUMETRA_NOME(nome) #nome,
inline constexpr std::array nomiVoci = {FLUMETRA_INTESTAZIONE(FLUMETRA_NOME)};  // as the enum names them
#undef FLUMETRA_NOME
inline constexpr std::size_t numeroVoci = nomiVoci.size();

struct Intestazione {
    std::array<std::string, numeroVoci> voci{};  // in the order of Voce

    [[nodiscard]] const std::string& di(Voce v) const { return voci[static_cast<std::size_t>(v)]; }
    [[nodiscard]] std::string& di(Voce v) { return voci[static_cast<std::size_t>(v)]; }
    [[nodiscard]] bool vuota() const {
        for (const std::string& s : voci) {
            if (!s.empty()) return false;
        }
        return true;
    }
    friend bool operator==(const Intestazione&, const Intestazione&) = default;
};

struct DatiVoce {
    std::string_view chiave;     // in the file and for the script player
    std::string_view etichetta;  // as the report shows it
};

inline constexpr std::array<DatiVoce, numeroVoci> tabellaVoci = {{
    {"progetto", "Progetto"},
    {"cliente", "Cliente"},
    {"progettista", "Progettista"},
    {"revisione", "Revisione"},
    {"note", "Note"},
}};

constexpr const DatiVoce& dati(Voce v) { return tabellaVoci[static_cast<std::size_t>(v)]; }

constexpr std::optional<Voce> voceDi(std::string_view chiave) {
    for (std::size_t k = 0; k < numeroVoci; ++k) {
        if (tabellaVoci[k].chiave == chiave) return static_cast<Voce>(k);
    }
    return std::nullopt;
}

inline constexpr std::string_view chiaveIntestazione = "intestazione";

}  // namespace flumetra::percorso
