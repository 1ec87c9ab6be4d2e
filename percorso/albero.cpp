#include "percorso/albero.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "percorso/json_testo.h"
#include "percorso/nomi.h"

namespace flumetra::percorso {
namespace {

std::string tra(std::string_view id) { return "«" + std::string(id) + "»"; }

Rifiuto rifiuto(Motivo motivo, std::size_t i, const Tratto& t, std::string_view dettaglio) {
    return {motivo, luogoDelTratto(i, t.id) + std::string(dettaglio), i};
}

// Every id is a non-empty UTF-8 text, and so is every upstream named.
std::optional<Rifiuto> idNonValido(const std::vector<Tratto>& tratti) {
    for (std::size_t i = 0; i < tratti.size(); ++i) {
        const Tratto& t = tratti[i];
        if (t.id.empty()) return Rifiuto{Motivo::IdNonValido, luogoDelTratto(i, std::nullopt) + ": l'id è vuoto", i};
        if (!utf8Valido(t.id)) {
            return Rifiuto{Motivo::IdNonValido, luogoDelTratto(i, std::nullopt) + ": l'id non è testo UTF-8", i};
        }
        if (t.monte && !utf8Valido(*t.monte)) {
            return rifiuto(Motivo::IdNonValido, i, t, ", " + std::string(nomeMonte) + ": non è testo UTF-8");
        }
    }
    return std::nullopt;
}

// Going upstream from a section the walk from the fan never reached comes
// back to a section already passed: that loop, from its first section in
// the run's order.
Rifiuto anello(const std::vector<Tratto>& tratti, const std::vector<std::size_t>& monte,
               const std::vector<bool>& raggiunto) {
    std::size_t i = 0;
    while (raggiunto[i]) ++i;
    std::vector<std::size_t> posizione(tratti.size(), nessunMonte);
    std::vector<std::size_t> cammino;
    while (posizione[i] == nessunMonte) {
        posizione[i] = cammino.size();
        cammino.push_back(i);
        i = monte[i];
    }
    std::size_t primo = i;
    for (std::size_t k = posizione[i]; k < cammino.size(); ++k) primo = std::min(primo, cammino[k]);

    constexpr std::size_t mostrati = 8;
    std::string giro = tra(tratti[primo].id);
    std::size_t passi = 0;
    for (std::size_t k = monte[primo]; passi < mostrati; k = monte[k], ++passi) {
        giro += " → " + tra(tratti[k].id);
        if (k == primo) break;
    }
    if (passi == mostrati) giro += " → …";
    return rifiuto(Motivo::Anello, primo, tratti[primo],
                   ", " + std::string(nomeMonte) + ": risalendo a monte si torna al tratto stesso: " + giro);
}

using Indici = std::unordered_map<std::string_view, std::size_t>;

// Each id's section, or the first section whose id an earlier one has.
std::variant<Indici, Rifiuto> indiciUnici(const std::vector<Tratto>& tratti) {
    Indici indici;
    indici.reserve(tratti.size());
    for (std::size_t i = 0; i < tratti.size(); ++i) {
        const auto [gia, nuovo] = indici.try_emplace(tratti[i].id, i);
        if (!nuovo) {
            return rifiuto(Motivo::IdRipetuto, i, tratti[i],
                           ": l'id è già del " + luogoDelTratto(gia->second, std::nullopt));
        }
    }
    return indici;
}

// Each section's upstream into monte, and the section at the fan; refused
// for an upstream no section is, and for none or two at the fan.
std::variant<std::size_t, Rifiuto> collega(const std::vector<Tratto>& tratti, const Indici& indici,
                                           std::vector<std::size_t>& monte) {
    monte.assign(tratti.size(), nessunMonte);
    std::size_t ventilatore = nessunMonte;
    for (std::size_t i = 0; i < tratti.size(); ++i) {
        const Tratto& t = tratti[i];
        if (!t.monte) {
            if (ventilatore != nessunMonte) {
                return rifiuto(Motivo::VentilatoreNonUnico, i, t,
                               ": un secondo tratto al ventilatore (c'è già il " +
                                   luogoDelTratto(ventilatore, tratti[ventilatore].id) + "); uno solo ha " +
                                   std::string(nomeMonte) + " " + std::string(parolaVentilatore));
            }
            ventilatore = i;
            continue;
        }
        const auto trovato = indici.find(*t.monte);
        if (trovato == indici.end()) {
            return rifiuto(Motivo::MonteInesistente, i, t,
                           ", " + std::string(nomeMonte) + ": nessun tratto ha l'id " + tra(*t.monte));
        }
        monte[i] = trovato->second;
    }
    if (ventilatore == nessunMonte) {
        return Rifiuto{Motivo::VentilatoreNonUnico,
                       "nessun tratto al ventilatore: uno deve avere " + std::string(nomeMonte) + " " +
                           std::string(parolaVentilatore),
                       std::nullopt};
    }
    return ventilatore;
}

// Breadth first from the fan, each section after its upstream, into
// albero.ordine; which sections it reached (a loop's are not).
std::vector<bool> ordina(Albero& albero, std::size_t ventilatore) {
    const std::size_t n = albero.monte.size();
    // The sections downstream of each, side by side: those of section k are
    // figli[inizio[k]] … figli[inizio[k + 1] - 1], in the run's order.
    std::vector<std::size_t> inizio(n + 1, 0);
    for (std::size_t i = 0; i < n; ++i) {
        if (i != ventilatore) ++inizio[albero.monte[i] + 1];
    }
    for (std::size_t k = 0; k < n; ++k) inizio[k + 1] += inizio[k];
    std::vector<std::size_t> figli(n - 1);
    std::vector<std::size_t> posto(inizio.begin(), inizio.end() - 1);
    for (std::size_t i = 0; i < n; ++i) {
        if (i != ventilatore) figli[posto[albero.monte[i]]++] = i;
    }

    albero.ordine.reserve(n);
    albero.ordine.push_back(ventilatore);
    std::vector<bool> raggiunto(n, false);
    raggiunto[ventilatore] = true;
    for (std::size_t letti = 0; letti < albero.ordine.size(); ++letti) {
        const std::size_t k = albero.ordine[letti];
        for (std::size_t f = inizio[k]; f < inizio[k + 1]; ++f) {
            albero.ordine.push_back(figli[f]);
            raggiunto[figli[f]] = true;
        }
    }
    return raggiunto;
}

}  // namespace

std::variant<Albero, Rifiuto> costruisciAlbero(const std::vector<Tratto>& tratti) {
    if (tratti.empty()) return Rifiuto{Motivo::SenzaTratti, "il percorso non ha tratti", std::nullopt};
    if (auto r = idNonValido(tratti)) return *r;
    auto indici = indiciUnici(tratti);
    if (auto* r = std::get_if<Rifiuto>(&indici)) return std::move(*r);

    Albero albero;
    const auto ventilatore = collega(tratti, std::get<Indici>(indici), albero.monte);
    if (const auto* r = std::get_if<Rifiuto>(&ventilatore)) return *r;
    const std::vector<bool> raggiunto = ordina(albero, std::get<std::size_t>(ventilatore));
    if (albero.ordine.size() < tratti.size()) return anello(tratti, albero.monte, raggiunto);
    return albero;
}

std::vector<std::size_t> montiPossibili(const Percorso& percorso, std::size_t indice) {
    const std::size_t n = percorso.tratti.size();
    std::vector<bool> aValle(n, false);
    aValle.at(indice) = true;
    // In the tree's order each section comes after its upstream one.
    const auto esito = costruisciAlbero(percorso.tratti);
    if (const auto* albero = std::get_if<Albero>(&esito)) {
        for (const std::size_t k : albero->ordine) {
            if (albero->monte[k] != nessunMonte && aValle[albero->monte[k]]) aValle[k] = true;
        }
    }
    std::vector<std::size_t> monti;
    for (std::size_t k = 0; k < n; ++k) {
        if (!aValle[k]) monti.push_back(k);
    }
    return monti;
}

std::vector<std::size_t> profondita(const Percorso& percorso) {
    std::vector<std::size_t> livelli(percorso.tratti.size(), 0);
    const auto esito = costruisciAlbero(percorso.tratti);
    if (const auto* albero = std::get_if<Albero>(&esito)) {
        for (const std::size_t k : albero->ordine) {
            if (albero->monte[k] != nessunMonte) livelli[k] = livelli[albero->monte[k]] + 1;
        }
    }
    return livelli;
}

}  // namespace flumetra::percorso
