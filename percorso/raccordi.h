// The catalogue of fittings, one row for each kind: the file's word, the
// name the sheet shows, its parameters (file key, label, unit, range, a
// new fitting's value), the shapes it goes on, whether it needs the size
// of the section upstream, and where its ζ comes from. The file's reader
// and writer, the check, the computation and the editor go through it.
//
//   dati(TipoRaccordo::Curva).parola          -> "curva"
//   dati(TipoRaccordo::Derivazione).nome      -> "Stacco (ramo del T o della Y)"
//   dati(TipoRaccordo::Curva).parametri()     -> r_su_D 0,5 – 2,5; angolo 0 – 180
//   dati(Parametro::Angolo).unita             -> "°"
//   tipoRaccordoDi("riduzione")               -> TipoRaccordo::Riduzione
//   raccordoNuovo(TipoRaccordo::Curva)        -> {Curva, r/D 1,5, 90°, n 1}
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "calc/decimale.h"
#include "percorso/percorso.h"
#include "percorso/raccordo.h"
#include "percorso/verifica.h"

namespace flumetra::percorso {

inline constexpr Intervallo intervalloNumeroRaccordi{1, 20};  // n, whole

enum class Parametro { RsuD, RsuW, Angolo, Lato };

// A parameter as every kind that takes it reads and writes it; a word's
// (lato) value is its place in parole.
struct DatiParametro {
    std::string_view chiave{};                   // in the file
    std::string_view etichetta{};                // the editor's label and the texts'
    std::string_view unita{};                    // empty for none
    std::span<const std::string_view> parole{};  // a word's; empty for a number
    Reale (*valore)(const Raccordo&) = nullptr;
    void (*imposta)(Raccordo&, Reale) = nullptr;
};

inline constexpr std::array<std::string_view, 2> paroleLato = {"A", "B"};

inline constexpr auto tabellaParametri = std::to_array<DatiParametro>({
    {.chiave = "r_su_D",
     .etichetta = "r/D",
     .valore = [](const Raccordo& r) { return r.rapporto; },
     .imposta = [](Raccordo& r, Reale x) { r.rapporto = x; }},
    {.chiave = "R_su_W",
     .etichetta = "R/W",
     .valore = [](const Raccordo& r) { return r.rapporto; },
     .imposta = [](Raccordo& r, Reale x) { r.rapporto = x; }},
    {.chiave = "angolo",
     .etichetta = "angolo",
     .unita = "°",
     .valore = [](const Raccordo& r) { return r.angolo; },
     .imposta = [](Raccordo& r, Reale x) { r.angolo = x; }},
    {.chiave = "lato",
     .etichetta = "W sul lato",
     .parole = paroleLato,
     .valore = [](const Raccordo& r) { return static_cast<Reale>(r.lato); },
     .imposta = [](Raccordo& r, Reale x) { r.lato = x == 0 ? Lato::A : Lato::B; }},
});

constexpr const DatiParametro& dati(Parametro p) { return tabellaParametri[static_cast<std::size_t>(p)]; }

// The shapes of section a kind goes on.
enum class FormaRaccordo { Tonda, Rettangolare, Qualsiasi };

struct ParametroDelTipo {
    Parametro parametro = Parametro::Angolo;
    Intervallo intervallo{};  // inclusive; a word's: its places in parole
    Reale iniziale = 0;       // a new fitting's
};

inline constexpr std::size_t massimoParametri = 3;

struct DatiTipoRaccordo {
    std::string_view parola{};  // in the file
    std::string_view nome{};    // as the sheet shows it
    std::string_view fonte{};   // where its ζ comes from, as the sheet shows it
    FormaRaccordo forma = FormaRaccordo::Qualsiasi;
    bool richiedeMonte = false;  // needs the upstream's size: not on the section at the fan
    std::array<ParametroDelTipo, massimoParametri> elenco{};
    std::size_t numeroParametri = 0;

    [[nodiscard]] constexpr std::span<const ParametroDelTipo> parametri() const {
        return std::span(elenco).first(numeroParametri);
    }
};

inline constexpr Intervallo intervalloAngoloCurva{0, 180};
inline constexpr ParametroDelTipo angoloCurva{Parametro::Angolo, intervalloAngoloCurva, 90};

inline constexpr auto tabellaRaccordi = std::to_array<DatiTipoRaccordo>({
    {.parola = "curva",
     .nome = "Curva circolare",
     .fonte = "tabella CD3-1",
     .forma = FormaRaccordo::Tonda,
     .elenco = {{{Parametro::RsuD, {0.5, 2.5}, 1.5}, angoloCurva}},
     .numeroParametri = 2},
    {.parola = "curva_rettangolare",
     .nome = "Curva rettangolare",
     .fonte = "tabella CR3-1",
     .forma = FormaRaccordo::Rettangolare,
     .elenco = {{{Parametro::RsuW, {0.5, 2.0}, 1.0}, angoloCurva, {Parametro::Lato, {0, 1}, 0}}},
     .numeroParametri = 3},
    {.parola = "derivazione",
     .nome = "Stacco (ramo del T o della Y)",
     .fonte = "Crane TP-410",
     .richiedeMonte = true,
     .elenco = {{{Parametro::Angolo, {15, 90}, 90}}},
     .numeroParametri = 1},
    {.parola = "diritto", .nome = "Passaggio diritto del T", .fonte = "Crane TP-410", .richiedeMonte = true},
    {.parola = "riduzione",
     .nome = "Raccordo conico (riduzione o allargamento)",
     .fonte = "Crane TP-410",
     .richiedeMonte = true,
     .elenco = {{{Parametro::Angolo, {1, 180}, 30}}},
     .numeroParametri = 1},
    {.parola = "ingresso", .nome = "Imbocco", .fonte = "valore fisso"},
    {.parola = "uscita", .nome = "Sbocco", .fonte = "valore fisso"},
});
static_assert(tabellaRaccordi.size() == nomiTipiRaccordo.size(), "one row for each of FLUMETRA_RACCORDI, in its order");
inline constexpr std::size_t numeroTipiRaccordo = tabellaRaccordi.size();

constexpr const DatiTipoRaccordo& dati(TipoRaccordo t) { return tabellaRaccordi[static_cast<std::size_t>(t)]; }

constexpr std::optional<TipoRaccordo> tipoRaccordoDi(std::string_view parola) {
    for (std::size_t i = 0; i < numeroTipiRaccordo; ++i) {
        if (tabellaRaccordi[i].parola == parola) return static_cast<TipoRaccordo>(i);
    }
    return std::nullopt;
}

// Whether a kind goes on a section of that shape.
constexpr bool vaSullaForma(TipoRaccordo t, const Forma& f) {
    switch (dati(t).forma) {
        case FormaRaccordo::Tonda: return std::holds_alternative<Tondo>(f);
        case FormaRaccordo::Rettangolare: return std::holds_alternative<Rettangolare>(f);
        case FormaRaccordo::Qualsiasi: break;
    }
    return true;
}

// A fitting of that kind with its parameters' initial values, n 1.
constexpr Raccordo raccordoNuovo(TipoRaccordo t) {
    Raccordo r{.tipo = t};
    for (const ParametroDelTipo& p : dati(t).parametri()) dati(p.parametro).imposta(r, p.iniziale);
    return r;
}

}  // namespace flumetra::percorso
