#include "percorso/colonne.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calc/fallimento.h"
#include "calc/testo.h"
#include "dettagli/attrito.h"
#include "dettagli/righe.h"
#include "percorso/albero.h"
#include "percorso/csv.h"
#include "percorso/json_testo.h"
#include "percorso/modifiche.h"
#include "percorso/testo_fisso.h"
#include "percorso/verifica.h"

namespace flumetra::percorso {
namespace {

using Valore = std::optional<Reale>;

template <typename T>
Valore seDato(const std::optional<T>& x) {
    return x ? Valore(static_cast<Reale>(*x)) : std::nullopt;
}

// A loss of the section, where it has them.
template <auto membro>
Valore perdita(const Tratto& /*t*/, const RisultatoTratto& r, const Risultati& /*tutti*/) {
    return r.perdite ? Valore((*r.perdite).*membro) : std::nullopt;
}

// One row a computed value, in the order of Calcolata.
constexpr auto tabellaCalcolate = std::to_array<DatiCalcolata>({
    {"G", "m³/h", "portata del tratto: la sua e quella dei tratti a valle", 0, true, "G",
     [](const Tratto&, const RisultatoTratto& r, const Risultati&) { return Valore(r.G); }},
    {"sezione", "mm", "A × B del rettangolo o Ø D del tondo, data o scelta", 0, false, "", nullptr, true},
    {"D o De", "mm", "diametro, o diametro equivalente del rettangolo", 0, true, "D",
     [](const Tratto&, const RisultatoTratto& r, const Risultati&) { return seDato(r.D); }, true},
    {"B", "mm", "lato B del rettangolo, dato o scelto", 0, true, "B",
     [](const Tratto&, const RisultatoTratto& r, const Risultati&) { return seDato(r.B); }, true, true, false},
    {"v", "m/s", "velocità nel rettangolo A × B o nel tondo D", decimaliVelocita, false, "v", perdita<&Perdite::v>,
     true},
    {"Re", "", "numero di Reynolds nel tondo di diametro D o De, dove si calcola la perdita", 0, false, "Re",
     [](const Tratto&, const RisultatoTratto& r, const Risultati& tutti) -> Valore {
         if (!r.D || r.G == 0) return std::nullopt;
         const auto D = static_cast<Reale>(*r.D);
         return dettagli::reynolds(dettagli::velocitaNelTondo(r.G, D), D, tutti.aria);
     },
     true},
    {"R", "Pa/m", "perdita per attrito per metro", decimaliPerdita, false, "R_Pa_m", perdita<&Perdite::R_Pa_m>, true},
    {"Δp attrito", "Pa", "R × L", decimaliPressione, false, "dp_attrito", perdita<&Perdite::dp_attrito>, true},
    {"pd", "Pa", "pressione dinamica", decimaliPressione, false, "pd", perdita<&Perdite::pd>, true},
    {"ζ raccordi", "", "somma di n × ζ dei raccordi, riferita alla pd del tratto", decimaliZeta, false, "zeta_raccordi",
     perdita<&Perdite::zeta_raccordi>, true, false, true},
    {"Δp accidentali", "Pa", "(Σζ + ζ raccordi) × pd", decimaliPressione, false, "dp_accidentali",
     perdita<&Perdite::dp_accidentali>, true},
    {"Δp tratto", "Pa", "attrito più accidentali", decimaliPressione, false, "dp_tratto", perdita<&Perdite::dp_tratto>,
     true},
    {"p fine", "Pa", "perdite dal ventilatore alla fine del tratto", decimaliPressione, false, "p_fine",
     [](const Tratto&, const RisultatoTratto& r, const Risultati&) { return r.p_fine; }, true},
    {"p terminale", "Pa", "p fine più il Δp del terminale", decimaliPressione, false, "p_terminale",
     [](const Tratto&, const RisultatoTratto& r, const Risultati&) { return r.p_terminale; }},
    {"da tarare", "Pa", "quanto la serranda del terminale deve assorbire", decimaliPressione, false, "da_tarare",
     [](const Tratto&, const RisultatoTratto& r, const Risultati&) { return r.da_tarare; }},
    {"superficie", "m²", "superficie della lamiera", decimaliSuperficie, false, "",
     [](const Tratto&, const RisultatoTratto& r, const Risultati&) { return r.superficie_m2; }, true},
});
static_assert(tabellaCalcolate.size() == numeroCalcolate, "one row for each of FLUMETRA_CALCOLATE, in its order");

// Every column as the sheet shows it, in the order of Colonna.
constexpr std::array<DatiColonna, numeroColonne> tabellaColonne = [] {
    std::array<DatiColonna, numeroColonne> t{};
    t[0] = {"indice", "", "sul percorso indice, dal ventilatore al terminale più sfavorito", Tipo::Calcolata, false};
    for (std::size_t k = 0; k < numeroCampi; ++k) {
        const DatiCampo& d = tabellaCampi[k];
        const bool scelta = d.genere == Genere::Monte || d.genere == Genere::Ruolo || d.genere == Genere::Forma;
        t[1 + k] = {d.nome, d.unita, d.descrizione, scelta ? Tipo::Scelta : Tipo::Scritta};
    }
    for (std::size_t k = 0; k < numeroCalcolate; ++k) {
        const DatiCalcolata& d = tabellaCalcolate[k];
        t[1 + numeroCampi + k] = {d.titolo, d.unita, d.descrizione, Tipo::Calcolata, d.nelRapporto};
    }
    return t;
}();

// The sheet's: every column in its order but those it leaves out, and ζ
// raccordi beside Σζ.
constexpr auto ordineFoglio = [] {
    constexpr std::size_t fuori = static_cast<std::size_t>(std::count_if(
        tabellaCalcolate.begin(), tabellaCalcolate.end(), [](const DatiCalcolata& d) { return !d.nelFoglio; }));
    std::array<Colonna, numeroColonne - fuori> colonne{};
    std::size_t n = 0;
    for (std::size_t k = 0; k < numeroColonne; ++k) {
        const auto c = static_cast<Colonna>(k);
        const auto calcolata = calcolataDi(c);
        if (c == Colonna::ZetaRaccordi) continue;
        if (!calcolata || tabellaCalcolate[static_cast<std::size_t>(*calcolata)].nelFoglio) colonne[n++] = c;
        if (c == Colonna::Zeta) colonne[n++] = Colonna::ZetaRaccordi;
    }
    return colonne;
}();

// The CSV's columns, as a spreadsheet has had them.
constexpr std::array ordineCsv = {
    Colonna::Id,
    Colonna::Monte,
    Colonna::Ruolo,
    Colonna::Forma,
    Colonna::A,
    Colonna::B,
    Colonna::De,
    Colonna::L,
    Colonna::GTotale,
    Colonna::v,
    Colonna::Re,
    Colonna::R,
    Colonna::DpAttrito,
    Colonna::Zeta,
    Colonna::ZetaRaccordi,
    Colonna::pd,
    Colonna::DpAccidentali,
    Colonna::DpTratto,
    Colonna::pFine,
    Colonna::DpTerminale,
    Colonna::pTerminale,
    Colonna::DaTarare,
    Colonna::Superficie,
};

// The keys of the player's line, in the order scripts read them.
constexpr std::array ordineRighe = {
    Colonna::Id,
    Colonna::GTotale,
    Colonna::Forma,
    Colonna::De,
    Colonna::A,
    Colonna::B,
    Colonna::v,
    Colonna::Re,
    Colonna::R,
    Colonna::DpAttrito,
    Colonna::pd,
    Colonna::ZetaRaccordi,
    Colonna::DpAccidentali,
    Colonna::DpTratto,
    Colonna::pFine,
    Colonna::pTerminale,
    Colonna::DaTarare,
};

std::string sezione(const Tratto& t, const RisultatoTratto& r) {
    if (const auto* rettangolo = std::get_if<Rettangolare>(&t.forma)) {
        return InteroInTesto(rettangolo->A) + " × " + (r.B ? InteroInTesto(*r.B) : std::string(dettagli::nessunValore));
    }
    return r.D ? "Ø " + InteroInTesto(*r.D) : std::string();
}

std::string testoCalcolato(Calcolata c, const Tratto& t, const RisultatoTratto& r, const Risultati& tutti) {
    const DatiCalcolata& d = dati(c);
    std::string s;
    if (d.valore == nullptr) {
        s = sezione(t, r);
    } else if (const Valore x = d.valore(t, r, tutti)) {
        s = d.intero ? InteroInTesto(static_cast<Intero>(*x)) : testoFisso(*x, d.decimali);
    }
    if (!s.empty() || (d.soloRettangolo && eTondo(t))) return s;
    return d.trattino ? senzaValore(r) : std::string();
}

// A number as the calculator reads it, inside the cell's range, and whole
// where the cell takes whole numbers.
std::variant<Reale, std::string> numero(std::string_view testo, const std::string& luogo, Intervallo intervallo,
                                        bool intero) {
    const std::string citato = "«" + std::string(testo) + "»";
    Reale x = 0;
    try {
        x = TestoInReale(testo);
    } catch (const Fallimento& f) {
        if (f.tipo() == TipoFallimento::NonNumero) return citato + " non è un numero";
        return citato + ": numero troppo grande";
    }
    // "1.5" would read as 15: a full stop only groups thousands.
    if (!puntiDelleMigliaia(testo)) return citato + ": il punto separa le migliaia; i decimali vogliono la virgola";
    if (!intervallo.contiene(x)) return fuoriIntervallo(luogo, x, intervallo);
    if (intero && std::nearbyint(x) != x) return citato + " non è un numero intero";
    return x;
}

std::variant<Percorso, std::string> conParola(Colonna c, Percorso p, std::size_t i, std::string_view testo) {
    Tratto& t = p.tratti[i];
    const std::vector<std::string> ammesse = scelte(c, p, i);
    if (std::find(ammesse.begin(), ammesse.end(), testo) == ammesse.end()) {
        return "«" + std::string(testo) + "» non è tra le scelte di " + std::string(dati(c).titolo);
    }
    if (c == Colonna::Monte) {
        t.monte = testo == parolaVentilatore ? std::nullopt : std::optional<std::string>(testo);
    } else if (c == Colonna::Ruolo) {
        t.ruolo = *ruoloDi(testo);
    } else if (testo != parolaDi(t.forma)) {
        // A rectangle as wide as the section was; a round section whose
        // diameter the sheet chooses.
        if (testo == parolaRettangolare) {
            t.forma = Rettangolare{std::get<Tondo>(t.forma).D.value_or(300), std::nullopt};
        } else {
            t.forma = Tondo{};
        }
    }
    return p;
}

// A number typed into an input: empty is a size the sheet chooses.
std::variant<Percorso, std::string> conNumero(const DatiCampo& d, const Percorso& p, std::size_t i,
                                              std::string_view testo) {
    Percorso nuovo = p;
    Tratto& t = nuovo.tratti[i];
    if (d.vuotoAmmesso && testo.find_first_not_of(' ') == std::string_view::npos) {
        d.imposta(t, std::nullopt);
        return nuovo;
    }
    if (d.soloRettangolo && eTondo(t)) return "un tratto tondo non ha il lato " + std::string(d.nome);
    if (testo.find_first_not_of(' ') == std::string_view::npos) return std::string(d.nome) + " non può restare vuoto";
    const auto letto =
        numero(testo, luogoDelTratto(i, t.id) + ", " + std::string(d.nome), intervalloDi(d, eTondo(t)), d.intero);
    if (const auto* errore = std::get_if<std::string>(&letto)) return *errore;
    d.imposta(t, std::get<Reale>(letto));
    return nuovo;
}

}  // namespace

const DatiCalcolata& dati(Calcolata c) { return tabellaCalcolate.at(static_cast<std::size_t>(c)); }
const DatiColonna& dati(Colonna c) { return tabellaColonne.at(static_cast<std::size_t>(c)); }

std::span<const Colonna> colonneDelFoglio() { return ordineFoglio; }
std::span<const Colonna> colonneDelCsv() { return ordineCsv; }
std::span<const Colonna> colonneDelleRighe() { return ordineRighe; }

int posizioneNelFoglio(Colonna c) {
    return static_cast<int>(std::find(ordineFoglio.begin(), ordineFoglio.end(), c) - ordineFoglio.begin());
}

std::string intestazione(Colonna c) {
    const DatiColonna& d = dati(c);
    return d.unita.empty() ? std::string(d.titolo) : std::string(d.titolo) + " [" + std::string(d.unita) + "]";
}

bool aSinistra(Colonna c) { return c == Colonna::Id || dati(c).tipo == Tipo::Scelta; }

std::string testoDi(Colonna c, const Percorso& p, std::size_t indice, const Risultati* r) {
    if (c == Colonna::Indice) return {};
    const Tratto& t = p.tratti.at(indice);
    if (const auto campo = campoDi(c)) return testoDelCampo(*campo, t);
    if (r == nullptr) return {};
    return testoCalcolato(*calcolataDi(c), t, r->tratti.at(indice), *r);
}

std::string jsonDi(Calcolata c, const Tratto& t, const RisultatoTratto& r, const Risultati& tutti) {
    const DatiCalcolata& d = dati(c);
    const Valore x = d.valore != nullptr ? d.valore(t, r, tutti) : std::nullopt;
    if (!x) return "null";
    return d.intero ? std::to_string(static_cast<Intero>(*x)) : numeroJson(*x);
}

std::string testoDaModificare(Colonna c, const Tratto& t) {
    const auto campo = campoDi(c);
    return campo ? testoDelCampo(*campo, t) : std::string();
}

bool modificabile(Colonna c, const Tratto& t) {
    const auto campo = campoDi(c);
    return campo && !(dati(*campo).soloRettangolo && eTondo(t));
}

bool daDigitare(Colonna c, const Tratto& t) {
    return modificabile(c, t) && (c != Colonna::DpTerminale || t.ruolo == Ruolo::Terminale);
}

std::vector<std::string> scelte(Colonna c, const Percorso& p, std::size_t indice) {
    std::vector<std::string> s;
    switch (c) {
        case Colonna::Monte:
            if (!p.tratti[indice].monte) s.emplace_back(parolaVentilatore);
            for (const std::size_t k : montiPossibili(p, indice)) s.push_back(p.tratti[k].id);
            break;
        case Colonna::Ruolo: s.assign(paroleRuolo.begin(), paroleRuolo.end()); break;
        case Colonna::Forma: s = {std::string(parolaTondo), std::string(parolaRettangolare)}; break;
        default: break;
    }
    return s;
}

std::variant<Percorso, std::string> conTesto(Colonna c, const Percorso& p, std::size_t i, std::string_view testo) {
    const auto campo = campoDi(c);
    if (!campo) return "«" + std::string(dati(c).titolo) + "» è calcolato dal foglio";
    const DatiCampo& d = dati(*campo);
    switch (d.genere) {
        case Genere::Id: return rinominato(p, i, std::string(testo));
        case Genere::Monte:
        case Genere::Ruolo:
        case Genere::Forma: return conParola(c, p, i, testo);
        case Genere::Numero: break;
    }
    return conNumero(d, p, i, testo);
}

}  // namespace flumetra::percorso
