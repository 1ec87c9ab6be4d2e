// The run computed: the reference run section by section, and the cases its
// tree does not reach (no size found, no flow, Colebrook, another air, a
// tie between terminals), and the sections each may hang from.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <variant>

#include "percorso/albero.h"
#include "percorso/calcolo.h"
#include "percorso/file.h"
#include "riferimento.h"

namespace flumetra::percorso {
namespace {

Percorso riferimento() { return std::get<Percorso>(leggi(testoRiferimento)); }

Tratto tondo(const char* id, const char* monte, Intero G, std::optional<Intero> D, Ruolo ruolo = Ruolo::Terminale) {
    Tratto t;
    t.id = id;
    if (monte != nullptr) t.monte = monte;
    t.L = 10;
    t.G = G;
    t.ruolo = ruolo;
    t.forma = Tondo{D};
    return t;
}

TEST(Calcolo, TheReferenceRun) {
    const Risultati r = calcola(riferimento());
    struct Riga {
        Intero G, D;
        std::optional<Intero> B;
        Reale v, R, p_fine;
        std::optional<Reale> da_tarare;
    };
    const Riga righe[] = {
        {3000, 443, 550, 5.05050505050505, 0.67665885, 15.798331870849914, std::nullopt},
        {800, 300, std::nullopt, 3.143801345025093, 0.40207265, 26.155337014443226, 43.778766077517595},
        {2200, 400, std::nullopt, 4.863067705585691, 0.6472389, 29.778356720407903, std::nullopt},
        {1200, 355, std::nullopt, 3.3676903914174776, 0.38245935, 42.315192151719216, 22.618910940241605},
        {1000, 250, std::nullopt, 5.6588424210451675, 1.55925735, 64.93410309196082, 0},
    };
    ASSERT_EQ(r.tratti.size(), std::size(righe));
    for (std::size_t i = 0; i < std::size(righe); ++i) {
        const RisultatoTratto& t = r.tratti[i];
        const Riga& atteso = righe[i];
        ASSERT_TRUE(t.perdite) << i;
        EXPECT_EQ(t.G, atteso.G) << i;
        EXPECT_EQ(t.D, atteso.D) << i;
        EXPECT_EQ(t.B, atteso.B) << i;
        EXPECT_NEAR(t.perdite->v, atteso.v, 1e-12) << i;
        EXPECT_NEAR(t.perdite->R_Pa_m, atteso.R, 1e-12) << i;
        EXPECT_NEAR(*t.p_fine, atteso.p_fine, 1e-9) << i;
        EXPECT_EQ(t.da_tarare.has_value(), atteso.da_tarare.has_value()) << i;
        if (atteso.da_tarare) {
            EXPECT_NEAR(*t.da_tarare, *atteso.da_tarare, 1e-9) << i;
        }
        EXPECT_EQ(t.avvisi, (Avvisi{i == 4, i == 4, false, false, false})) << i;
    }
    EXPECT_NEAR(*r.tratti[1].perdite->dp_tratto, 3.2165812 + 1.2 * 5.950353286327761, 1e-9) << "R L + Σζ pd";
    EXPECT_NEAR(*r.tratti[4].p_terminale, 64.93410309196082 + 30, 1e-9);
    EXPECT_EQ(r.G_ventilatore, 3000);
    EXPECT_NEAR(*r.p_ventilatore, 94.93410309196082, 1e-9);
    EXPECT_EQ(r.percorso_indice, (std::vector<std::size_t>{0, 2, 4}));
    EXPECT_NEAR(*r.superficie_m2, 56.622563295890316, 1e-9);
}

TEST(Calcolo, WhatTheReferenceRunDoesNotReach) {
    {  // No diameter of the series keeps 900 000 m³/h under 3,5 m/s: no losses, no totals.
        Percorso p;
        p.tratti = {tondo("T1", nullptr, 900000, std::nullopt)};
        const Risultati r = calcola(p);
        EXPECT_EQ(r.tratti[0].avvisi, (Avvisi{false, false, true, false, false}));
        EXPECT_FALSE(r.tratti[0].D || r.tratti[0].perdite || r.tratti[0].p_fine || r.p_ventilatore ||
                     r.percorso_indice || r.superficie_m2);
        EXPECT_EQ(r.G_ventilatore, 900000);
    }
    {  // A branch without air sizes nothing: what was given stays, and counts in the surface
       // when the size is whole (T5 400 × 200, not T3). Two equal terminals: the first.
        Percorso p;
        p.tratti = {tondo("T1", nullptr, 0, 500, Ruolo::Principale), tondo("T2", "T1", 300, 200),
                    tondo("T3", "T1", 0, std::nullopt), tondo("T4", "T1", 300, 200),
                    tondo("T5", "T3", 0, std::nullopt)};
        p.tratti[4].forma = Rettangolare{400, 200};
        const Risultati r = calcola(p);
        EXPECT_EQ(r.tratti[2].avvisi, (Avvisi{false, false, false, true, true})) << "a terminal with T5 downstream";
        EXPECT_EQ(r.tratti[1].avvisi, Avvisi{});
        EXPECT_FALSE(r.tratti[2].D || r.tratti[2].B || r.tratti[2].perdite || r.tratti[2].p_fine ||
                     r.tratti[2].superficie_m2);
        EXPECT_EQ(r.tratti[4].D, 308) << "400 × 200's equivalent diameter";
        EXPECT_EQ(r.tratti[4].B, 200);
        EXPECT_FALSE(r.tratti[4].perdite || r.tratti[4].p_fine);
        EXPECT_EQ(r.percorso_indice, (std::vector<std::size_t>{0, 1}));
        EXPECT_EQ(r.tratti[3].da_tarare, 0);
        EXPECT_NEAR(*r.superficie_m2, 40.27433388230814, 1e-12) << "π (0,5 + 0,2 + 0,2) × 10 + 2 (0,4 + 0,2) × 10";
        for (Tratto& t : p.tratti) t.G = 0;  // no air anywhere: no totals, though four sizes are given
        const Risultati nessuna = calcola(p);
        EXPECT_EQ(nessuna.G_ventilatore, 0);
        EXPECT_FALSE(nessuna.p_ventilatore || nessuna.percorso_indice || nessuna.superficie_m2);
    }
    {  // Colebrook against the independent values; a rectangle's own velocity, its equivalent diameter.
        Percorso p;
        p.metodo = Metodo::Colebrook;
        p.tratti = {tondo("T1", nullptr, 3000, 500)};
        EXPECT_NEAR(calcola(p).tratti[0].perdite->R_Pa_m, 0.401745547, 1e-9);
        p.tratti[0].forma = Rettangolare{500, 500};
        const RisultatoTratto r = calcola(p).tratti[0];
        EXPECT_EQ(r.D, 551);
        EXPECT_NEAR(r.perdite->v, 3.333333333, 1e-9);
        EXPECT_NEAR(r.perdite->R_Pa_m, 0.248677431, 1e-9) << "the round duct of 551 mm";
        p.materiale = dettagli::Materiale::Spiralato;
        p.tratti[0].forma = Tondo{500};
        EXPECT_NEAR(calcola(p).tratti[0].perdite->R_Pa_m, 0.387598849, 1e-9);
    }
    {  // The calculator's Y (0,024 at 3000 m³/h in 551 mm) corrected for air at 35 °C, 1500 m: K 0,815540.
        Percorso p;
        p.aria = {35, 1500};
        p.tratti = {tondo("T1", nullptr, 3000, 551)};
        EXPECT_NEAR(calcola(p).tratti[0].perdite->R_Pa_m, 0.024 * 0.815540 * 9.80665, 2e-7);  // K to six digits
        p.tratti.push_back(tondo("T1", nullptr, 0, 551));
        EXPECT_THROW(calcola(p), PercorsoNonValido);
    }
}

// What a section may hang from in the reference run (T2, T3 from T1; T4, T5 from T3).
TEST(Calcolo, UpstreamChoicesMakeNoLoop) {
    const Percorso p = riferimento();
    const std::vector<std::size_t> attesi[] = {{}, {0, 2, 3, 4}, {0, 1}, {0, 1, 2, 4}, {0, 1, 2, 3}};
    for (std::size_t i = 0; i < std::size(attesi); ++i) EXPECT_EQ(montiPossibili(p, i), attesi[i]) << i;
}

}  // namespace
}  // namespace flumetra::percorso
