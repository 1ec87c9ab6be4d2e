// The run computed: every section's flow, size, velocity, losses and the
// pressure at its end; the fan's pressure along the index run and what each
// other terminal's damper must take up; the sheet metal's surface.
//
// The reference run (tests/scenarios/riferimento.flumetra):
//   T1 300 × 550 (De 443), v 5,051 m/s, R 0,6767 Pa/m; T2 D 300; T3 D 400; T4 D 355;
//   T5 D 250 given, warned for velocity and loss; the fan 3000 m³/h at 94,934 Pa
//   along T1, T3, T5; T2's damper takes up 43,779 Pa; surface 56,623 m².
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "calc/decimale.h"
#include "calc/fallimento.h"
#include "dettagli/aria.h"
#include "percorso/albero.h"
#include "percorso/percorso.h"

namespace flumetra::percorso {

// A section's warnings, in the order they are listed.
struct Avvisi {
    bool velocita = false;        // v above its role's limit (a size given)
    bool perdita = false;         // R above the target (a size given)
    bool nessuna_misura = false;  // no size the sheet tries passes both limits
    bool senza_portata = false;   // no flow at all, no terminal downstream: nothing sized there
    bool ruolo = false;           // a terminal with sections downstream: its role to review

    friend bool operator==(const Avvisi&, const Avvisi&) = default;
};

// The losses of a section whose size is known.
struct Perdite {
    Reale v = 0;           // m/s, G / 3600 / area of the section itself
    Reale R_Pa_m = 0;      // loss per metre
    Reale dp_attrito = 0;  // R · L, Pa
    Reale pd = 0;          // ρ v² / 2, Pa
    // Σ n·ζ of its fittings on its own pd, and the losses that need it; none
    // while a fitting lacks what its ζ needs (the upstream's size).
    std::optional<Reale> zeta_raccordi;
    std::vector<std::optional<Reale>> zeta_di_ciascuno;  // each fitting's ζ on its pd, in its order
    std::optional<Reale> dp_accidentali;                 // (Σζ + ζ raccordi) · pd, Pa
    std::optional<Reale> dp_tratto;                      // with dp_attrito, Pa
};

struct RisultatoTratto {
    Intero G = 0;                        // m³/h: its own flow and that of every section downstream
    std::optional<Intero> D;             // mm: the diameter, or the rectangle's equivalent one
    std::optional<Intero> B;             // mm: the rectangle's side B, given or chosen
    std::optional<Perdite> perdite;      // none: no air, no size found, or a formula failed
    std::optional<Reale> superficie_m2;  // m², π D L or 2 (A + B) L; none without a size
    std::optional<Reale> p_fine;         // Pa, the losses from the fan to its end; none if one lacks them
    std::optional<Reale> p_terminale;    // Pa, with its device's drop; terminals only
    std::optional<Reale> da_tarare;      // Pa, what its damper takes up; terminals, once the fan's is known
    Avvisi avvisi;
    std::optional<TipoFallimento> fallimento;  // the kind of a formula's failure, when one failed
};

struct Risultati {
    std::vector<RisultatoTratto> tratti;  // in the run's order
    dettagli::ProprietaAria aria;         // the air every section was computed in
    Intero G_ventilatore = 0;             // m³/h, the flow of the section at the fan
    // Given only when some section carries air and every one that does has
    // its losses; from those, and the surface also from the sections without
    // air whose size is given. The fan's pressure and the index run only
    // when there is a terminal.
    std::optional<Reale> p_ventilatore;                       // Pa, the highest terminal pressure
    std::optional<std::vector<std::size_t>> percorso_indice;  // fan to the index terminal, by index
    std::optional<Reale> superficie_m2;                       // summed over the run
};

// The run with the tree verificaConAlbero built for it. Linear in the
// number of sections; a size search stops at the first size that passes.
Risultati calcola(const Percorso& percorso, const Albero& albero);

// The same, checked first: throws PercorsoNonValido for a run verifica refuses.
Risultati calcola(const Percorso& percorso);

// The index run's ids from the fan: "T1 → T3 → T5"; empty without one.
std::string percorsoIndice(const Percorso& percorso, const Risultati& risultati);

}  // namespace flumetra::percorso
