// A duct run from the fan to the terminals: the air, how the loss per metre
// is computed, the duct material, the friction target, the velocity each
// role allows, and the sections as a tree (each names the one upstream).
//
//   Percorso p;                         // 20 °C at sea level, galvanised steel,
//   p.tratti.push_back({.id = "T1"});   // Y° 0,08 mm c.a./m, 7 / 5 / 3,5 m/s, no fittings
//   parolaDi(Ruolo::Terminale)          -> "terminale"
//   ruoloDi("secondario")               -> Ruolo::Secondario
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/decimale.h"
#include "dettagli/aria.h"
#include "dettagli/materiali.h"
#include "percorso/intestazione.h"
#include "percorso/raccordo.h"

namespace flumetra::percorso {

// How the loss per metre R is computed: the calculator's own formula
// (corrected for the air), or Colebrook's for the material's roughness.
enum class Metodo { Calcolatore, Colebrook };

// A section's place in the run; each has its velocity limit.
enum class Ruolo { Principale, Secondario, Terminale };

// The section's shape and size in mm. An empty size is chosen by the sheet:
// an EN 1506 diameter, or B in steps of 50 mm with A kept.
struct Tondo {
    std::optional<Intero> D;
    friend bool operator==(const Tondo&, const Tondo&) = default;
};
struct Rettangolare {
    Intero A = 0;
    std::optional<Intero> B;
    friend bool operator==(const Rettangolare&, const Rettangolare&) = default;
};
using Forma = std::variant<Tondo, Rettangolare>;

struct Tratto {
    std::string id;                    // free text, unique in the run
    std::optional<std::string> monte;  // the section upstream; none at the fan
    Reale L = 0;                       // length, m
    Intero G = 0;                      // its own terminal flow, m³/h; 0 when it only carries air on
    Reale zeta = 0;                    // Σζ typed, for what the catalogue lacks
    Ruolo ruolo = Ruolo::Principale;
    Forma forma = Tondo{};
    Reale dp_terminale = 0;            // the terminal device's drop, Pa
    std::vector<Raccordo> raccordi{};  // its fittings from the catalogue, besides Σζ

    friend bool operator==(const Tratto&, const Tratto&) = default;
};

inline constexpr std::size_t numeroRuoli = 3;

// The unit of the friction target Y° as the sheet, its warnings and the
// report write it; the details window writes its own, dettagli::mmcaAlMetro.
inline constexpr std::string_view unitaPerditaObiettivo = "mm c.a./m";

// The settings before the sections each have their row in impostazioni.h:
// the file, the check, the settings panel and the report go through it.
struct Percorso {
    dettagli::Aria aria;
    Metodo metodo = Metodo::Calcolatore;
    dettagli::Materiale materiale = dettagli::materialeIniziale;
    Reale perdita_obiettivo = 0.08;                                 // Y°, mm c.a./m
    std::array<Reale, numeroRuoli> velocita_massime = {7, 5, 3.5};  // m/s, by Ruolo
    Intestazione intestazione;                                      // for the report
    std::vector<Tratto> tratti;

    [[nodiscard]] Reale velocitaMassima(Ruolo r) const { return velocita_massime[static_cast<std::size_t>(r)]; }

    friend bool operator==(const Percorso&, const Percorso&) = default;
};

// The words a file and a script use.
inline constexpr std::array<std::string_view, 2> paroleMetodo = {"calcolatore", "colebrook"};
inline constexpr std::array<std::string_view, numeroRuoli> paroleRuolo = {"principale", "secondario", "terminale"};
inline constexpr std::string_view parolaTondo = "tondo";
inline constexpr std::string_view parolaRettangolare = "rettangolare";

constexpr std::string_view parolaDi(Metodo m) { return paroleMetodo[static_cast<std::size_t>(m)]; }
constexpr std::string_view parolaDi(Ruolo r) { return paroleRuolo[static_cast<std::size_t>(r)]; }
constexpr std::string_view parolaDi(const Forma& f) {
    return std::holds_alternative<Tondo>(f) ? parolaTondo : parolaRettangolare;
}

template <typename Enum, std::size_t N>
constexpr std::optional<Enum> daParola(const std::array<std::string_view, N>& parole, std::string_view parola) {
    for (std::size_t i = 0; i < N; ++i) {
        if (parole[i] == parola) return static_cast<Enum>(i);
    }
    return std::nullopt;
}
constexpr std::optional<Ruolo> ruoloDi(std::string_view p) { return daParola<Ruolo>(paroleRuolo, p); }

}  // namespace flumetra::percorso
