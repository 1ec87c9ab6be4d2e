#include "percorso/rapporto.h"

#include <array>
#include <cstddef>

#include "dettagli/attrito.h"
#include "dettagli/righe.h"
#include "percorso/avvisi.h"
#include "percorso/colonne.h"
#include "percorso/csv.h"
#include "percorso/impostazioni.h"
#include "percorso/intestazione.h"
#include "percorso/testo_fisso.h"
#include "percorso/testo_raccordo.h"
#include "percorso/totali.h"

namespace flumetra::percorso {
namespace {

std::string conUnita(const std::string& testo, std::string_view unita) {
    return unita.empty() ? testo : testo + " " + std::string(unita);
}

// The settings in a line each for the air, how R is found, the material, Y°
// and the velocity limits, read through their table; a setting these lines
// leave out follows on a line of its own, as the panel names it.
std::vector<VoceRapporto> base(const Percorso& p, const Risultati& r) {
    std::array<bool, numeroImpostazioni> dette{};
    auto v = [&](Impostazione i) {
        dette[static_cast<std::size_t>(i)] = true;
        return testoDi(dati(i), p);
    };
    std::vector<VoceRapporto> righe;
    righe.push_back({"Aria", v(Impostazione::Temperatura) + " °C, quota " + v(Impostazione::Quota) + " m, ρ " +
                                 testoFisso(r.aria.densita, 3) + " kg/m³"});
    righe.push_back({"Metodo per R", v(Impostazione::Metodo)});
    righe.push_back({"Materiale", v(Impostazione::Materiale)});
    righe.push_back({"Perdita obiettivo Y°",
                     conUnita(v(Impostazione::PerditaObiettivo), unitaPerditaObiettivo) + " (" +
                         testoFisso(p.perdita_obiettivo * dettagli::pascalPerMmca, decimaliPerdita) + " Pa/m)"});
    righe.push_back({"Velocità massime", "principale " + v(Impostazione::VelocitaPrincipale) + ", secondario " +
                                             v(Impostazione::VelocitaSecondaria) + ", terminale " +
                                             v(Impostazione::VelocitaTerminale) + " m/s"});
    for (std::size_t k = 0; k < numeroImpostazioni; ++k) {
        if (dette[k]) continue;
        const DatiImpostazione& d = tabellaImpostazioni[k];
        std::string nome;
        for (const char c : d.etichetta) {
            if (c != '&') nome += c;
        }
        righe.push_back({nome, conUnita(testoDi(d, p), d.unita)});
    }
    return righe;
}

// R in mm c.a./m, where the section has its losses.
std::string perditaMmca(const RisultatoTratto& r) {
    if (!r.perdite) return senzaValore(r);
    return testoFisso(r.perdite->R_Pa_m / dettagli::pascalPerMmca, decimaliPerditaMmca);
}

// The sheet's columns that the report has, R in mm c.a./m after R, the
// warnings last.
void tabella(Rapporto& rapporto, const Percorso& p, const Risultati& r) {
    std::vector<Colonna> colonne;
    for (const Colonna c : colonneDelFoglio()) {
        if (!dati(c).nelRapporto) continue;
        colonne.push_back(c);
        rapporto.colonne.push_back({intestazione(c), aSinistra(c)});
        if (c == Colonna::R) rapporto.colonne.push_back({"R [" + std::string(unitaPerditaObiettivo) + "]", false});
    }
    rapporto.colonne.push_back({std::string(titoloAvvisi), true});
    std::vector<bool> indice(p.tratti.size());
    if (r.percorso_indice) {
        for (const std::size_t k : *r.percorso_indice) indice[k] = true;
    }
    for (std::size_t i = 0; i < p.tratti.size(); ++i) {
        TrattoRapporto riga{.celle = {}, .indice = indice[i]};
        for (const Colonna c : colonne) {
            riga.celle.push_back(testoDi(c, p, i, &r));
            if (c == Colonna::R) riga.celle.push_back(perditaMmca(r.tratti[i]));
        }
        riga.celle.push_back(paroleDegliAvvisi(r.tratti[i]));
        rapporto.tratti.push_back(std::move(riga));
    }
}

// Each section's fittings: kind, parameters, n and ζ.
std::vector<VoceRapporto> raccordi(const Percorso& p, const Risultati& r) {
    std::vector<VoceRapporto> righe;
    for (std::size_t i = 0; i < p.tratti.size(); ++i) {
        const std::vector<Raccordo>& lista = p.tratti[i].raccordi;
        if (lista.empty()) continue;
        const std::vector<std::optional<Reale>> zeta = zetaDeiRaccordi(p, r, i);
        std::string testo;
        for (std::size_t k = 0; k < lista.size(); ++k) {
            if (k > 0) testo += "; ";
            testo += testoDelRaccordo(lista[k], zeta.at(k));
        }
        righe.push_back({p.tratti[i].id, testo});
    }
    return righe;
}

}  // namespace

Rapporto rapportoDi(const Percorso& p, const Risultati& r) {
    Rapporto rapporto;
    for (std::size_t k = 0; k < numeroVoci; ++k) {
        rapporto.intestazione.push_back({std::string(tabellaVoci[k].etichetta), p.intestazione.voci[k]});
    }
    rapporto.base = base(p, r);
    tabella(rapporto, p, r);
    rapporto.raccordi = raccordi(p, r);
    for (std::size_t k = 0; k < numeroTotali; ++k) {
        const DatiTotale& d = dati(totaleDi(k));
        const std::string testo = d.testo(p, r);
        rapporto.totali.push_back(
            {std::string(d.nome), testo.empty() ? std::string(dettagli::nessunValore) : conUnita(testo, d.unita)});
    }
    return rapporto;
}

}  // namespace flumetra::percorso
