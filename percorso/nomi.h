// What a person reads for a section's given values: the run sheet's column
// headings, and every message that names one of them, a file's refusal as
// much as an edit's. A file's key is the file's own word, not a person's.
//
//   nomeDelCampo("zeta")          -> "Σζ"
//   nomeDelCampo("G")             -> "G proprio"
//   nomeDelCampo("D"), ("B")      -> "B o D dato"
//   nomeDelCampo("temperatura")   -> "temperatura" (no section's)
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace flumetra::percorso {

inline constexpr std::string_view nomeId = "id";
inline constexpr std::string_view nomeMonte = "monte";
inline constexpr std::string_view nomeRuolo = "ruolo";
inline constexpr std::string_view nomeForma = "forma";
inline constexpr std::string_view nomeL = "L";
inline constexpr std::string_view nomeG = "G proprio";
inline constexpr std::string_view nomeZeta = "Σζ";
inline constexpr std::string_view nomeA = "A";
inline constexpr std::string_view nomeMisura = "B o D dato";  // B of a rectangle, D of a round section
inline constexpr std::string_view nomeDpTerminale = "Δp terminale";

// What the sheet shows upstream of the section at the fan.
inline constexpr std::string_view parolaVentilatore = "(ventilatore)";

struct NomeDelCampo {
    std::string_view chiave;  // in the file
    std::string_view nome;
};
inline constexpr std::array<NomeDelCampo, 11> nomiDeiCampi = {{
    {"id", nomeId},
    {"monte", nomeMonte},
    {"ruolo", nomeRuolo},
    {"forma", nomeForma},
    {"L", nomeL},
    {"G", nomeG},
    {"zeta", nomeZeta},
    {"A", nomeA},
    {"B", nomeMisura},
    {"D", nomeMisura},
    {"dp_terminale", nomeDpTerminale},
}};

// "tratto 3 («T3»)"; "tratto 3" while its id is not known.
inline std::string luogoDelTratto(std::size_t indice, std::optional<std::string_view> id) {
    std::string s = "tratto " + std::to_string(indice + 1);
    if (id) s += " («" + std::string(*id) + "»)";
    return s;
}

// A section's key as a person reads it; any other key as it is.
constexpr std::string_view nomeDelCampo(std::string_view chiave) {
    for (const NomeDelCampo& c : nomiDeiCampi) {
        if (c.chiave == chiave) return c.nome;
    }
    return chiave;
}

}  // namespace flumetra::percorso
