#include "percorso/colonne.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "calc/fallimento.h"
#include "calc/testo.h"
#include "percorso/albero.h"
#include "percorso/csv.h"
#include "percorso/modifiche.h"
#include "percorso/nomi.h"
#include "percorso/testo_fisso.h"
#include "percorso/verifica.h"

namespace flumetra::percorso {
namespace {

// One row a column, in the order of Colonna. The given values' headings
// are percorso's (nomi.h), which messages name them by.
constexpr std::array<DatiColonna, numeroColonne> colonne = {{
    {"indice", "", "sul percorso indice, dal ventilatore al terminale più sfavorito", Tipo::Calcolata},
    {nomeId, "", "nome del tratto, unico nel percorso", Tipo::Scritta},
    {nomeMonte, "", "il tratto a monte; (ventilatore) per il primo", Tipo::Scelta},
    {nomeRuolo, "", "principale, secondario o terminale: dà la velocità massima", Tipo::Scelta},
    {nomeForma, "", "tondo o rettangolare", Tipo::Scelta},
    {nomeL, "m", "lunghezza", Tipo::Scritta},
    {nomeG, "m³/h", "portata del terminale del tratto; 0 se porta solo aria ai tratti a valle", Tipo::Scritta},
    {nomeZeta, "", "somma dei coefficienti delle perdite accidentali", Tipo::Scritta},
    {nomeA, "mm", "lato A del rettangolo", Tipo::Scritta},
    {nomeMisura, "mm", "B del rettangolo o D del tondo; vuoto: lo sceglie il foglio", Tipo::Scritta},
    {nomeDpTerminale, "Pa", "perdita del dispositivo terminale", Tipo::Scritta},
    {"G", "m³/h", "portata del tratto: la sua e quella dei tratti a valle", Tipo::Calcolata},
    {"sezione", "mm", "A × B del rettangolo o Ø D del tondo, data o scelta", Tipo::Calcolata},
    {"D o De", "mm", "diametro, o diametro equivalente del rettangolo", Tipo::Calcolata},
    {"v", "m/s", "velocità nella sezione", Tipo::Calcolata},
    {"R", "Pa/m", "perdita per attrito per metro", Tipo::Calcolata},
    {"Δp attrito", "Pa", "R × L", Tipo::Calcolata},
    {"pd", "Pa", "pressione dinamica", Tipo::Calcolata},
    {"Δp accidentali", "Pa", "Σζ × pd", Tipo::Calcolata},
    {"Δp tratto", "Pa", "attrito più accidentali", Tipo::Calcolata},
    {"p fine", "Pa", "perdite dal ventilatore alla fine del tratto", Tipo::Calcolata},
    {"p terminale", "Pa", "p fine più il Δp del terminale", Tipo::Calcolata},
    {"da tarare", "Pa", "quanto la serranda del terminale deve assorbire", Tipo::Calcolata},
    {"superficie", "m²", "superficie della lamiera", Tipo::Calcolata},
}};

template <typename Valore>
std::string seDato(const std::optional<Valore>& v, int decimali) {
    if (!v) return {};
    if constexpr (std::is_same_v<Valore, Intero>) {
        return InteroInTesto(*v);
    } else {
        return testoFisso(*v, decimali);
    }
}

std::string perdita(const RisultatoTratto* r, Reale Perdite::*membro, int decimali) {
    return r != nullptr && r->perdite ? testoFisso((*r->perdite).*membro, decimali) : std::string();
}

std::optional<Intero> misuraScritta(const Tratto& t) {
    if (const auto* tondo = std::get_if<Tondo>(&t.forma)) return tondo->D;
    return std::get<Rettangolare>(t.forma).B;
}

std::string sezione(const Tratto& t, const RisultatoTratto& r) {
    if (const auto* rettangolo = std::get_if<Rettangolare>(&t.forma)) {
        return InteroInTesto(rettangolo->A) + " × " + (r.B ? InteroInTesto(*r.B) : std::string("—"));
    }
    return r.D ? "Ø " + InteroInTesto(*r.D) : std::string();
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

}  // namespace

const DatiColonna& dati(Colonna c) { return colonne.at(static_cast<std::size_t>(c)); }

Colonna colonnaDi(std::size_t indice) { return static_cast<Colonna>(indice); }

std::string intestazione(Colonna c) {
    const DatiColonna& d = dati(c);
    return d.unita.empty() ? std::string(d.titolo) : std::string(d.titolo) + " [" + std::string(d.unita) + "]";
}

std::string testoDi(Colonna c, const Tratto& t, const RisultatoTratto* r) {
    switch (c) {
        case Colonna::Indice: return {};
        case Colonna::Monte: return t.monte.value_or(std::string(parolaVentilatore));
        case Colonna::Ruolo: return std::string(parolaDi(t.ruolo));
        case Colonna::Forma: return std::string(parolaDi(t.forma));
        case Colonna::Id:
        case Colonna::L:
        case Colonna::G:
        case Colonna::Zeta:
        case Colonna::A:
        case Colonna::BoD:
        case Colonna::DpTerminale: return testoDaModificare(c, t);
        default: break;
    }
    if (r == nullptr) return {};
    std::string s;
    switch (c) {
        case Colonna::GTotale: return InteroInTesto(r->G);
        case Colonna::pTerminale: return seDato(r->p_terminale, decimaliPressione);
        case Colonna::DaTarare: return seDato(r->da_tarare, decimaliPressione);
        case Colonna::Sezione: s = sezione(t, *r); break;
        case Colonna::De: s = seDato(r->D, 0); break;
        case Colonna::v: s = perdita(r, &Perdite::v, decimaliVelocita); break;
        case Colonna::R: s = perdita(r, &Perdite::R_Pa_m, decimaliPerdita); break;
        case Colonna::DpAttrito: s = perdita(r, &Perdite::dp_attrito, decimaliPressione); break;
        case Colonna::pd: s = perdita(r, &Perdite::pd, decimaliPressione); break;
        case Colonna::DpAccidentali: s = perdita(r, &Perdite::dp_accidentali, decimaliPressione); break;
        case Colonna::DpTratto: s = perdita(r, &Perdite::dp_tratto, decimaliPressione); break;
        case Colonna::pFine: s = seDato(r->p_fine, decimaliPressione); break;
        case Colonna::Superficie: s = seDato(r->superficie_m2, decimaliSuperficie); break;
        default: return {};
    }
    return s.empty() ? senzaValore(*r) : s;
}

std::string testoDaModificare(Colonna c, const Tratto& t) {
    switch (c) {
        case Colonna::Id: return t.id;
        case Colonna::Monte:
        case Colonna::Ruolo:
        case Colonna::Forma: return testoDi(c, t, nullptr);
        case Colonna::L: return RealeInTesto(t.L);
        case Colonna::G: return InteroInTesto(t.G);
        case Colonna::Zeta: return RealeInTesto(t.zeta);
        case Colonna::A: {
            const auto* rettangolo = std::get_if<Rettangolare>(&t.forma);
            return rettangolo != nullptr ? InteroInTesto(rettangolo->A) : std::string();
        }
        case Colonna::BoD: {
            const std::optional<Intero> data = misuraScritta(t);
            return data ? InteroInTesto(*data) : std::string();
        }
        case Colonna::DpTerminale: return RealeInTesto(t.dp_terminale);
        default: return {};
    }
}

bool modificabile(Colonna c, const Tratto& t) {
    if (dati(c).tipo == Tipo::Calcolata) return false;
    return c != Colonna::A || std::holds_alternative<Rettangolare>(t.forma);
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
    if (dati(c).tipo == Tipo::Scelta) return conParola(c, p, i, testo);
    Percorso nuovo = p;
    Tratto& t = nuovo.tratti[i];
    if (c == Colonna::Id) return rinominato(p, i, std::string(testo));
    auto* rettangolo = std::get_if<Rettangolare>(&t.forma);
    // An empty B or D is a size the sheet chooses.
    if (c == Colonna::BoD && testo.find_first_not_of(' ') == std::string_view::npos) {
        if (rettangolo != nullptr) {
            rettangolo->B.reset();
        } else {
            std::get<Tondo>(t.forma).D.reset();
        }
        return nuovo;
    }

    struct Destinazione {
        Intervallo intervallo;
        bool intero;
    };
    Destinazione d{};
    switch (c) {
        case Colonna::L: d = {intervalloL, false}; break;
        case Colonna::G: d = {intervalloG, true}; break;
        case Colonna::Zeta: d = {intervalloZeta, false}; break;
        case Colonna::A: d = {intervalloLato, true}; break;
        case Colonna::BoD: d = {rettangolo != nullptr ? intervalloLato : intervalloD, true}; break;
        case Colonna::DpTerminale: d = {intervalloDpTerminale, false}; break;
        default: return "«" + std::string(dati(c).titolo) + "» è calcolato dal foglio";
    }
    if (c == Colonna::A && rettangolo == nullptr) return std::string("un tratto tondo non ha il lato A");

    const auto letto =
        numero(testo, luogoDelTratto(i, t.id) + ", " + std::string(dati(c).titolo), d.intervallo, d.intero);
    if (const auto* errore = std::get_if<std::string>(&letto)) return *errore;
    const Reale x = std::get<Reale>(letto);
    switch (c) {
        case Colonna::L: t.L = x; break;
        case Colonna::G: t.G = static_cast<Intero>(x); break;
        case Colonna::Zeta: t.zeta = x; break;
        case Colonna::A: rettangolo->A = static_cast<Intero>(x); break;
        case Colonna::BoD:
            if (rettangolo != nullptr) {
                rettangolo->B = static_cast<Intero>(x);
            } else {
                std::get<Tondo>(t.forma).D = static_cast<Intero>(x);
            }
            break;
        default: t.dp_terminale = x; break;
    }
    return nuovo;
}

std::string avviso(Colonna c, const Percorso& p, std::size_t indice, const RisultatoTratto& r) {
    std::string s;
    auto aggiungi = [&s](bool acceso, const std::string& perche) {
        if (!acceso) return;
        if (!s.empty()) s += '\n';
        s += perche;
    };
    switch (c) {
        case Colonna::v: {
            if (!r.avvisi.velocita) break;  // the text is made only for a warning: this runs at every paint
            const Ruolo ruolo = p.tratti[indice].ruolo;
            aggiungi(true, "velocità oltre il limite del tratto " + std::string(parolaDi(ruolo)) + ", " +
                               RealeInTesto(p.velocitaMassima(ruolo)) + " m/s");
            break;
        }
        case Colonna::R:
            if (!r.avvisi.perdita) break;
            aggiungi(true,
                     "perdita per metro oltre l'obiettivo di " + RealeInTesto(p.perdita_obiettivo) + " mm c.a./m");
            break;
        case Colonna::Sezione:
            aggiungi(r.avvisi.nessuna_misura, "nessuna misura provata rispetta la velocità e la perdita");
            aggiungi(r.fallimento.has_value(), "calcolo non riuscito per questa misura");
            break;
        case Colonna::GTotale: aggiungi(r.avvisi.senza_portata, "senza portata: nessun terminale a valle"); break;
        case Colonna::Ruolo: aggiungi(r.avvisi.ruolo, "un terminale con tratti a valle: il ruolo è da rivedere"); break;
        default: break;
    }
    return s;
}

}  // namespace flumetra::percorso
