// The run's settings, one row each: its key in the file and the object it
// is in, its label on the settings panel (with its mnemonic), its unit, its
// range and the step of the panel's arrows, or else the words it is chosen
// among and their names, whether the file starts a line before it, and how
// it is read from and put into a run. The file's reader and writer, the
// check, the settings panel and the report all go through this table; a new
// setting is a line of FLUMETRA_IMPOSTAZIONI, its row here and its member
// of Percorso. The panel puts the rows in its grid in this order, four to a
// line.
//
//   dati(Impostazione::Quota).oggetto              -> "aria"
//   luogoDi(dati(Impostazione::Quota))             -> "aria, quota"
//   jsonDi(dati(Impostazione::Metodo), percorso)   -> "\"calcolatore\""
//   testoDi(dati(Impostazione::Materiale), percorso) -> "acciaio zincato (ε 0,15 mm)"
//   testoDi(dati(Impostazione::VelocitaTerminale), percorso) -> "3,5"
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "calc/decimale.h"
#include "dettagli/aria.h"
#include "dettagli/dettagli.h"
#include "dettagli/materiali.h"
#include "percorso/percorso.h"
#include "percorso/verifica.h"

// In the file's order, which is also the panel's.
// clang-format off
#define FLUMETRA_IMPOSTAZIONI(X) \
    X(Temperatura) X(Quota) X(Metodo) X(Materiale) X(PerditaObiettivo) \
    X(VelocitaPrincipale) X(VelocitaSecondaria) X(VelocitaTerminale)
// clang-format on

namespace flumetra::percorso {

#define FLUMETRA_VALORE(nome) nome,
enum class Impostazione { FLUMETRA_IMPOSTAZIONI(FLUMETRA_VALORE) };
#undef FLUMETRA_VALORE
#define FLUMETRA_NOME(nome) #nome,
inline constexpr std::array nomiImpostazioni = {FLUMETRA_IMPOSTAZIONI(FLUMETRA_NOME)};  // as the enum names it
#undef FLUMETRA_NOME
inline constexpr std::size_t numeroImpostazioni = nomiImpostazioni.size();

// The materials' words, in the order of their table: "zincato", …
inline constexpr auto paroleMateriale = [] {
    std::array<std::string_view, dettagli::tabellaMateriali.size()> parole{};
    for (std::size_t i = 0; i < parole.size(); ++i) parole[i] = dettagli::tabellaMateriali[i].nome;
    return parole;
}();

// How the windows and the report name a way of computing R and a material:
// "formula del calcolatore"; "acciaio zincato (ε 0,15 mm)".
std::string nomeDi(Metodo metodo);
std::string nomeDi(dettagli::Materiale materiale);

struct DatiImpostazione {
    std::string_view oggetto{};    // the file's object it is in, "aria"; empty for the file itself
    std::string_view chiave{};     // in the file, and in its messages after the object
    bool aCapo = false;            // the file starts a line before it (before its object, for the first of one)
    bool facoltativo = false;      // a file may leave it out, for a run with the default
    std::string_view etichetta{};  // the panel's, with its mnemonic: "&Quota"
    std::string_view unita{};      // a number's; empty for none
    Intervallo intervallo{};       // a number's
    Reale passo = 0;               // of one of the panel's arrows
    // A choice's words, in the order of its enum; empty for a number.
    std::span<const std::string_view> parole{};
    std::string (*nome)(std::size_t) = nullptr;  // a choice's word as a person reads it
    // The number, or the index of the word chosen.
    Reale (*valore)(const Percorso&) = nullptr;
    void (*imposta)(Percorso&, Reale) = nullptr;
};

// A role's velocity limit, kept under the role's word.
template <Ruolo ruolo>
constexpr DatiImpostazione velocitaMassima(std::string_view etichetta) {
    return {.oggetto = "velocita_massime",
            .chiave = parolaDi(ruolo),
            .etichetta = etichetta,
            .unita = "m/s",
            .intervallo = {0.1, 100},
            .passo = 0.5,
            .valore = [](const Percorso& p) { return p.velocitaMassima(ruolo); },
            .imposta = [](Percorso& p, Reale x) { p.velocita_massime[static_cast<std::size_t>(ruolo)] = x; }};
}

inline constexpr auto tabellaImpostazioni = std::to_array<DatiImpostazione>({
    {.oggetto = "aria",
     .chiave = "temperatura",
     .aCapo = true,
     .etichetta = "T&emperatura dell'aria",
     .unita = "°C",
     .intervallo = {dettagli::temperatureAmmesse.minimo, dettagli::temperatureAmmesse.massimo},
     .passo = dettagli::ingressoTemperatura.passo,
     .valore = [](const Percorso& p) { return p.aria.temperatura; },
     .imposta = [](Percorso& p, Reale x) { p.aria.temperatura = x; }},
    {.oggetto = "aria",
     .chiave = "quota",
     .etichetta = "&Quota",
     .unita = "m",
     .intervallo = {dettagli::quoteAmmesse.minimo, dettagli::quoteAmmesse.massimo},
     .passo = dettagli::ingressoQuota.passo,
     .valore = [](const Percorso& p) { return p.aria.quota; },
     .imposta = [](Percorso& p, Reale x) { p.aria.quota = x; }},
    {.chiave = "metodo",
     .etichetta = "Me&todo per R",
     .parole = paroleMetodo,
     .nome = [](std::size_t i) { return nomeDi(static_cast<Metodo>(i)); },
     .valore = [](const Percorso& p) { return static_cast<Reale>(p.metodo); },
     .imposta = [](Percorso& p, Reale x) { p.metodo = static_cast<Metodo>(static_cast<std::size_t>(x)); }},
    {.chiave = "materiale",
     .etichetta = "M&ateriale",
     .parole = paroleMateriale,
     .nome = [](std::size_t i) { return nomeDi(static_cast<dettagli::Materiale>(i)); },
     .valore = [](const Percorso& p) { return static_cast<Reale>(p.materiale); },
     .imposta = [](Percorso& p,
                   Reale x) { p.materiale = static_cast<dettagli::Materiale>(static_cast<std::size_t>(x)); }},
    {.chiave = "perdita_obiettivo",
     .aCapo = true,
     .etichetta = "&Y° obiettivo",
     .unita = unitaPerditaObiettivo,
     .intervallo = {0.0001, 100},
     .passo = 0.01,
     .valore = [](const Percorso& p) { return p.perdita_obiettivo; },
     .imposta = [](Percorso& p, Reale x) { p.perdita_obiettivo = x; }},
    velocitaMassima<Ruolo::Principale>("v max p&rincipale"),
    velocitaMassima<Ruolo::Secondario>("v max &secondario"),
    velocitaMassima<Ruolo::Terminale>("v max termina&le"),
});
static_assert(tabellaImpostazioni.size() == numeroImpostazioni, "one row for each of FLUMETRA_IMPOSTAZIONI");
// The file writes an object whole, where its first row is.
static_assert(
    [] {
        for (std::size_t i = 0; i < tabellaImpostazioni.size(); ++i) {
            for (std::size_t j = i + 2; j < tabellaImpostazioni.size(); ++j) {
                const std::string_view o = tabellaImpostazioni[i].oggetto;
                if (!o.empty() && o == tabellaImpostazioni[j].oggetto && o != tabellaImpostazioni[j - 1].oggetto) {
                    return false;
                }
            }
        }
        return true;
    }(),
    "the rows of an object side by side");

constexpr const DatiImpostazione& dati(Impostazione i) { return tabellaImpostazioni[static_cast<std::size_t>(i)]; }

// Where the file and the check name it: "aria, quota"; "metodo".
std::string luogoDi(const DatiImpostazione& d);

// Its value as the file writes it: 0.08; "zincato".
std::string jsonDi(const DatiImpostazione& d, const Percorso& p);

// Its value as a person reads it: "0,08"; "acciaio zincato (ε 0,15 mm)".
std::string testoDi(const DatiImpostazione& d, const Percorso& p);

}  // namespace flumetra::percorso
