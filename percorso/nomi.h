// What a person reads for a section's given values: the run sheet's column
// headings, and every message that names one of them, a file's refusal as
// much as an edit's (campi.h puts each beside its file key, which is the
// file's own word, not a person's); and the place of a section.
//
//   nomeG                       -> "G proprio"
//   luogoDelTratto(2, "T3")     -> "tratto 3 («T3»)"
#pragma once

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

// "tratto 3 («T3»)"; "tratto 3" while its id is not known.
inline std::string luogoDelTratto(std::size_t indice, std::optional<std::string_view> id) {
    std::string s = "tratto " + std::to_string(indice + 1);
    if (id) s += " («" + std::string(*id) + "»)";
    return s;
}

}  // namespace flumetra::percorso
