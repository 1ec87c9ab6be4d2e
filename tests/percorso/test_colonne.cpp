// The sheet's columns without a window: what a person's text in a cell
// becomes, and what a cell shows.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <variant>

#include "percorso/calcolo.h"
#include "percorso/colonne.h"
#include "percorso/file.h"
#include "percorso/suggerimento_cella.h"
#include "riferimento.h"

namespace flumetra::percorso {
namespace {

// What a person's text in a cell becomes, or why it cannot.
TEST(CelleDelFoglio, ATextIsTheCellsValueOrTheReasonItIsNot) {
    const auto riferimento = std::get<Percorso>(leggi(testoRiferimento));
    struct Riga {
        Colonna colonna;
        std::size_t tratto;
        const char* testo;
        const char* rifiuto;  // nullptr: accepted
    };
    const Riga righe[] = {
        {Colonna::L, 2, "12000", "tratto 3 («T3»), L: 12000 è fuori dall'intervallo 0 – 10000"},
        {Colonna::BoD, 4, "5000", "tratto 5 («T5»), B o D dato: 5000 è fuori dall'intervallo 11 – 4999"},
        {Colonna::G, 1, "2,5", "«2,5» non è un numero intero"},
        {Colonna::Zeta, 1, "1.5", "«1.5»: il punto separa le migliaia; i decimali vogliono la virgola"},
        {Colonna::G, 1, "1.000", nullptr},  // a full stop that groups digits
        {Colonna::Zeta, 1, "abc", "«abc» non è un numero"},
        {Colonna::Zeta, 1, "150", "tratto 2 («T2»), Σζ: 150 è fuori dall'intervallo 0 – 100"},
        {Colonna::Ruolo, 1, "ramo", "«ramo» non è tra le scelte di ruolo"},
        {Colonna::Monte, 3, "T4", "«T4» non è tra le scelte di monte"},
        {Colonna::Monte, 2, "T5", "«T5» non è tra le scelte di monte"},  // downstream of T3
        {Colonna::Monte, 2, "(ventilatore)", "«(ventilatore)» non è tra le scelte di monte"},
        {Colonna::Id, 2, "Dorsale", nullptr},
    };
    for (const Riga& r : righe) {
        const auto esito = conTesto(r.colonna, riferimento, r.tratto, r.testo);
        if (r.rifiuto != nullptr) {
            ASSERT_TRUE(std::holds_alternative<std::string>(esito)) << r.testo;
            EXPECT_EQ(std::get<std::string>(esito), r.rifiuto);
        } else {
            EXPECT_TRUE(std::holds_alternative<Percorso>(esito)) << r.testo;
        }
    }
    const auto rinominato = std::get<Percorso>(conTesto(Colonna::Id, riferimento, 2, "Dorsale"));
    EXPECT_EQ(rinominato.tratti[3].monte, "Dorsale") << "its downstream sections follow a renamed section";
    const auto mille = std::get<Percorso>(conTesto(Colonna::G, riferimento, 1, "1.000"));
    EXPECT_EQ(mille.tratti[1].G, 1000);
}

// T3's branch without air: «—» where nothing is sized, what was given as it was.
TEST(CelleDelFoglio, ASectionWithoutAirShowsADashWhereNothingIsSized) {
    auto p = std::get<Percorso>(leggi(testoRiferimento));
    p.tratti[3].G = 0;
    p.tratti[4].G = 0;
    const Risultati r = calcola(p);
    const std::tuple<std::size_t, Colonna, const char*> celle[] = {
        {2, Colonna::Sezione, "—"},     {2, Colonna::De, "—"},         {2, Colonna::pFine, "—"},
        {4, Colonna::Sezione, "Ø 250"}, {4, Colonna::v, "—"},          {4, Colonna::Superficie, "3,14"},
        {4, Colonna::DaTarare, ""},     {1, Colonna::DaTarare, "0,0"},  // T2 the index, alone with air
    };
    for (const auto& [i, colonna, atteso] : celle) {
        EXPECT_EQ(testoDi(colonna, p, i, &r), atteso) << i << intestazione(colonna);
    }
}

// What a cell's tooltip adds, in the words and units of the calculator's
// details: R also in mm c.a./m; a rectangle's v, not a round one's, named.
TEST(CelleDelFoglio, RAndARectanglesVSpeakAsTheCalculatorsDetails) {
    const auto p = std::get<Percorso>(leggi(testoRiferimento));
    const Risultati r = calcola(p);
    const std::tuple<std::size_t, Colonna, const char*> celle[] = {
        {0, Colonna::R,
         "Perdita per attrito R in pascal: 0,677 Pa/m\nPerdita per attrito R in mm c.a.: 0,069 mmc.a./m"},
        {0, Colonna::v, "Velocità nel rettangolo A × B: 5,05 m/s"},  // T1, 300 × 550
        {4, Colonna::v, ""},                                         // T5, round: the velocity in D
        {0, Colonna::L, ""},
    };
    for (const auto& [i, colonna, atteso] : celle) {
        EXPECT_EQ(suggerimentoDi(colonna, p.tratti[i], r.tratti[i]), atteso) << i << intestazione(colonna);
    }
}

}  // namespace
}  // namespace flumetra::percorso
