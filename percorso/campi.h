// A section's inputs, one row each: its key in the file, its name as the
// sheet heads it (nomi.h) and every message names it, its unit, its range
// and whether it is whole, how the file writes it, and how it is read from
// and put into a section. The file's reader and writer, the check and the
// sheet's editors all go through this table; a new input is a line of
// FLUMETRA_CAMPI, its row here and its member of Tratto.
//
//   dati(Campo::Zeta).nome                 -> "Σζ"
//   chiaveDi(Campo::BoD, round section)    -> "D"     (a rectangle's: "B")
//   nomeDelCampo("D")                      -> "B o D dato"
//   nomeDelCampo("temperatura")            -> "temperatura" (no section's)
//   jsonDelCampo(Campo::DpTerminale, t)    -> nothing for 0: the file leaves it out
//   testoDelCampo(Campo::L, t)             -> "12,5"
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calc/decimale.h"
#include "percorso/nomi.h"
#include "percorso/percorso.h"
#include "percorso/verifica.h"

// In the file's order, except that a round section has no A.
// clang-format off
#define FLUMETRA_CAMPI(X) \
    X(Id) X(Monte) X(L) X(G) X(Zeta) X(Ruolo) X(Forma) X(A) X(BoD) X(DpTerminale)
// clang-format on

namespace flumetra::percorso {

#define FLUMETRA_VALORE(nome) nome,
enum class Campo { FLUMETRA_CAMPI(FLUMETRA_VALORE) };
#undef FLUMETRA_VALORE
#define FLUMETRA_NOME(nome) #nome,
inline constexpr std::array nomiCampi = {FLUMETRA_CAMPI(FLUMETRA_NOME)};  // "L": as the enum names it
#undef FLUMETRA_NOME
inline constexpr std::size_t numeroCampi = nomiCampi.size();

// How an input is read and written: the four that are not a number each
// have a kind of their own.
enum class Genere {
    Id,      // a text, unique in the run
    Monte,   // the id upstream; null (the sheet: parolaVentilatore) at the fan
    Ruolo,   // a word of paroleRuolo
    Forma,   // tondo or rettangolare, read first: the keys allowed follow it
    Numero,  // within its range, through valore and imposta
};

struct DatiCampo {
    std::string_view chiave{};       // in the file; B o D's is the rectangle's, "B"
    std::string_view chiaveTondo{};  // where a round section's differs, "D"; else empty
    std::string_view nome{};         // the sheet's heading, and the name in messages
    std::string_view unita{};        // empty for none
    std::string_view descrizione{};  // what it holds, for a tooltip and a screen reader
    Genere genere = Genere::Numero;
    Intervallo intervallo{};                      // a number's; B o D's is the rectangle's
    std::optional<Intervallo> intervalloTondo{};  // where a round section's differs
    bool intero = false;                          // whole numbers only
    bool vuotoAmmesso = false;                    // may be empty (null in the file): a size the sheet chooses
    bool soloRettangolo = false;                  // a round section has none: not in its file, not editable
    bool omessoSeZero = false;                    // the file leaves out a 0, and reads its absence as 0
    std::optional<Reale> (*valore)(const Tratto&) = nullptr;  // a number's, nothing where it has none
    void (*imposta)(Tratto&, std::optional<Reale>) = nullptr;
};

inline constexpr auto tabellaCampi = std::to_array<DatiCampo>({
    {.chiave = "id", .nome = nomeId, .descrizione = "nome del tratto, unico nel percorso", .genere = Genere::Id},
    {.chiave = "monte",
     .nome = nomeMonte,
     .descrizione = "il tratto a monte; (ventilatore) per il primo",
     .genere = Genere::Monte},
    {.chiave = "L",
     .nome = nomeL,
     .unita = "m",
     .descrizione = "lunghezza",
     .intervallo = intervalloL,
     .valore = [](const Tratto& t) -> std::optional<Reale> { return t.L; },
     .imposta = [](Tratto& t, std::optional<Reale> x) { t.L = x.value_or(0); }},
    {.chiave = "G",
     .nome = nomeG,
     .unita = "m³/h",
     .descrizione = "portata del terminale del tratto; 0 se porta solo aria ai tratti a valle",
     .intervallo = intervalloG,
     .intero = true,
     .valore = [](const Tratto& t) -> std::optional<Reale> { return t.G; },
     .imposta = [](Tratto& t, std::optional<Reale> x) { t.G = static_cast<Intero>(x.value_or(0)); }},
    {.chiave = "zeta",
     .nome = nomeZeta,
     .descrizione = "somma dei coefficienti delle perdite accidentali",
     .intervallo = intervalloZeta,
     .valore = [](const Tratto& t) -> std::optional<Reale> { return t.zeta; },
     .imposta = [](Tratto& t, std::optional<Reale> x) { t.zeta = x.value_or(0); }},
    {.chiave = "ruolo",
     .nome = nomeRuolo,
     .descrizione = "principale, secondario o terminale: dà la velocità massima",
     .genere = Genere::Ruolo},
    {.chiave = "forma", .nome = nomeForma, .descrizione = "tondo o rettangolare", .genere = Genere::Forma},
    {.chiave = "A",
     .nome = nomeA,
     .unita = "mm",
     .descrizione = "lato A del rettangolo",
     .intervallo = intervalloLato,
     .intero = true,
     .soloRettangolo = true,
     .valore = [](const Tratto& t) -> std::optional<Reale> {
         const auto* r = std::get_if<Rettangolare>(&t.forma);
         return r != nullptr ? std::optional<Reale>(r->A) : std::nullopt;
     },
     .imposta =
         [](Tratto& t, std::optional<Reale> x) {
             if (auto* r = std::get_if<Rettangolare>(&t.forma)) r->A = static_cast<Intero>(x.value_or(0));
         }},
    {.chiave = "B",
     .chiaveTondo = "D",
     .nome = nomeMisura,
     .unita = "mm",
     .descrizione = "B del rettangolo o D del tondo; vuoto: lo sceglie il foglio",
     .intervallo = intervalloLato,
     .intervalloTondo = intervalloD,
     .intero = true,
     .vuotoAmmesso = true,
     .valore = [](const Tratto& t) -> std::optional<Reale> {
         const auto* r = std::get_if<Rettangolare>(&t.forma);
         const std::optional<Intero> m = r != nullptr ? r->B : std::get<Tondo>(t.forma).D;
         return m ? std::optional<Reale>(*m) : std::nullopt;
     },
     .imposta =
         [](Tratto& t, std::optional<Reale> x) {
             const std::optional<Intero> m = x ? std::optional(static_cast<Intero>(*x)) : std::nullopt;
             if (auto* r = std::get_if<Rettangolare>(&t.forma)) {
                 r->B = m;
             } else {
                 std::get<Tondo>(t.forma).D = m;
             }
         }},
    {.chiave = "dp_terminale",
     .nome = nomeDpTerminale,
     .unita = "Pa",
     .descrizione = "perdita del dispositivo terminale",
     .intervallo = intervalloDpTerminale,
     .omessoSeZero = true,
     .valore = [](const Tratto& t) -> std::optional<Reale> { return t.dp_terminale; },
     .imposta = [](Tratto& t, std::optional<Reale> x) { t.dp_terminale = x.value_or(0); }},
});
static_assert(tabellaCampi.size() == numeroCampi, "one row for each of FLUMETRA_CAMPI, in its order");

constexpr const DatiCampo& dati(Campo c) { return tabellaCampi[static_cast<std::size_t>(c)]; }
constexpr Campo campoDi(std::size_t indice) { return static_cast<Campo>(indice); }

constexpr std::string_view chiaveDi(const DatiCampo& d, bool tondo) {
    return tondo && !d.chiaveTondo.empty() ? d.chiaveTondo : d.chiave;
}
constexpr Intervallo intervalloDi(const DatiCampo& d, bool tondo) {
    return tondo && d.intervalloTondo ? *d.intervalloTondo : d.intervallo;
}
inline bool eTondo(const Tratto& t) { return std::holds_alternative<Tondo>(t.forma); }

// A section's key as a person reads it; any other key as it is.
constexpr std::string_view nomeDelCampo(std::string_view chiave) {
    for (const DatiCampo& d : tabellaCampi) {
        if (d.chiave == chiave || (!d.chiaveTondo.empty() && d.chiaveTondo == chiave)) return d.nome;
    }
    return chiave;
}

// The value as the file writes it: nothing where the file leaves the key
// out (A of a round section, a dp_terminale of 0), null for an empty size.
std::optional<std::string> jsonDelCampo(Campo c, const Tratto& t);

// The value as the sheet shows it and an editor starts from it: empty for
// a size the sheet chooses and for what the section has not.
std::string testoDelCampo(Campo c, const Tratto& t);

}  // namespace flumetra::percorso
