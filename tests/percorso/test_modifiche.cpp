// The edits of the reference run that are not a cell's value: each one's
// sections as ids with their upstream, and the id a new section gets.

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "percorso/albero.h"
#include "percorso/file.h"
#include "percorso/incolla.h"
#include "percorso/modifiche.h"
#include "riferimento.h"

namespace flumetra::percorso {
namespace {

// "T4<T3": each section's id, after «<» the one upstream.
std::vector<std::string> ids(const Percorso& p) {
    std::vector<std::string> s;
    for (const Tratto& t : p.tratti) s.push_back(t.id + (t.monte ? "<" + *t.monte : ""));
    return s;
}

TEST(Modifiche, EachEditsSectionsAndTheirUpstream) {
    const Percorso p = std::get<Percorso>(leggi(testoRiferimento));
    struct Riga {
        const char* cosa;
        Percorso dopo;
        std::vector<std::string> attesi;
    };
    const Riga righe[] = {
        {"T1 deleted: T2 and T3 at the fan", senzaTratto(p, 0), {"T2", "T3", "T4<T3", "T5<T3"}},
        {"T3 deleted: T4 and T5 below T1", senzaTratto(p, 2), {"T1", "T2<T1", "T4<T1", "T5<T1"}},
        {"T5 deleted, a terminal", senzaTratto(p, 4), {"T1", "T2<T1", "T3<T1", "T4<T3"}},
        {"T3 renamed", rinominato(p, 2, "Dorsale"), {"T1", "T2<T1", "Dorsale<T1", "T4<Dorsale", "T5<Dorsale"}},
        {"T1 renamed", rinominato(p, 0, "V"), {"V", "T2<V", "T3<V", "T4<T3", "T5<T3"}},
        {"added below T3", conTrattoAggiunto(p, {}, 2).percorso, {"T1", "T2<T1", "T3<T1", "T6<T3", "T4<T3", "T5<T3"}},
        {"added below T5, the last",
         conTrattoAggiunto(p, {}, 4).percorso,
         {"T1", "T2<T1", "T3<T1", "T4<T3", "T5<T3", "T6<T5"}},
        {"going on after T1, a main: below it",
         conTrattoSeguente(p, 0).percorso,
         {"T1", "T6<T1", "T2<T1", "T3<T1", "T4<T3", "T5<T3"}},
        {"going on after T4, a terminal: beside it",
         conTrattoSeguente(p, 3).percorso,
         {"T1", "T2<T1", "T3<T1", "T4<T3", "T6<T3", "T5<T3"}},
    };
    for (const Riga& r : righe) EXPECT_EQ(ids(r.dopo), r.attesi) << r.cosa;
}

TEST(Modifiche, ANewSectionsIdRoleAndPlace) {
    Percorso p = std::get<Percorso>(leggi(testoRiferimento));
    Tratto t;
    t.id = "ignored";
    t.L = 10;
    const Aggiunto sotto = conTrattoAggiunto(p, t, 1);
    EXPECT_EQ(sotto.indice, 2U);
    EXPECT_EQ(sotto.percorso.tratti[2].id, "T6");
    EXPECT_EQ(sotto.percorso.tratti[2].ruolo, Ruolo::Terminale);
    EXPECT_EQ(sotto.percorso.tratti[2].L, 10);

    const Aggiunto primo = conTrattoAggiunto(Percorso{}, t, std::nullopt);
    EXPECT_EQ(primo.indice, 0U);
    EXPECT_EQ(primo.percorso.tratti[0].id, "T1");
    EXPECT_EQ(primo.percorso.tratti[0].monte, std::nullopt);
    EXPECT_EQ(primo.percorso.tratti[0].ruolo, Ruolo::Principale);

    // Going on as the run does: a main keeps its shape and A, a terminal its round shape.
    const Tratto dopoT1 = conTrattoSeguente(p, 0).percorso.tratti[1];
    EXPECT_EQ(dopoT1.ruolo, Ruolo::Principale);
    EXPECT_EQ(dopoT1.forma, Forma(Rettangolare{.A = 300, .B = std::nullopt}));
    EXPECT_EQ(dopoT1.L, 10);
    const Tratto dopoT4 = conTrattoSeguente(p, 3).percorso.tratti[4];
    EXPECT_EQ(dopoT4.ruolo, Ruolo::Terminale);
    EXPECT_EQ(dopoT4.forma, Forma(Tondo{}));
    EXPECT_EQ(conTrattoSeguente(Percorso{}, std::nullopt).percorso.tratti[0].forma,
              Forma(Rettangolare{.A = 500, .B = std::nullopt}));
    EXPECT_EQ(profondita(p), (std::vector<std::size_t>{0, 1, 1, 2, 2}));

    // The first free id from the count of sections plus one.
    const std::pair<std::vector<const char*>, const char*> liberi[] = {
        {{}, "T1"}, {{"A", "B"}, "T3"}, {{"T3", "B"}, "T4"}, {{"T3", "T4"}, "T5"}, {{"T1", "T3", "T4"}, "T5"}};
    for (const auto& [usati, atteso] : liberi) {
        p.tratti.clear();
        for (const char* id : usati) {
            Tratto u;
            u.id = id;
            p.tratti.push_back(u);
        }
        EXPECT_EQ(nuovoId(p), atteso) << usati.size();
    }
}

// A spreadsheet's block: rows beyond the last are new sections going on as
// the run does, the shape goes in before the sizes, and a text that is no
// value of its column refuses the whole block, naming where it is.
TEST(Modifiche, ABlockPastedFromASpreadsheet) {
    const Percorso p = std::get<Percorso>(leggi(testoRiferimento));
    EXPECT_EQ(righeIncollate("12\t800\r\n8\t\r\n"), (Blocco{{"12", "800"}, {"8", ""}}));

    const std::optional<Colonna> LeG[] = {Colonna::L, Colonna::G};
    const auto dopo = conBlocco(p, 4, LeG, righeIncollate("4\t1000\n7,5\t500"));
    ASSERT_TRUE(std::holds_alternative<Percorso>(dopo)) << std::get<std::string>(dopo);
    const Percorso& q = std::get<Percorso>(dopo);
    EXPECT_EQ(ids(q), (std::vector<std::string>{"T1", "T2<T1", "T3<T1", "T4<T3", "T5<T3", "T6<T3"}));
    EXPECT_EQ(q.tratti[5].L, 7.5);
    EXPECT_EQ(q.tratti[5].G, 500);

    const std::optional<Colonna> AeForma[] = {Colonna::A, Colonna::Forma};
    const auto rettangolo = conBlocco(p, 1, AeForma, {{"400", "rettangolare"}});
    ASSERT_TRUE(std::holds_alternative<Percorso>(rettangolo)) << std::get<std::string>(rettangolo);
    EXPECT_EQ(std::get<Percorso>(rettangolo).tratti[1].forma, Forma(Rettangolare{.A = 400, .B = std::nullopt}));

    EXPECT_EQ(std::get<std::string>(conBlocco(p, 3, LeG, {{"6", "1200"}, {"4", "mille"}})),
              "riga 5 («T5»), colonna «G proprio»: «mille» non è un numero");
}

}  // namespace
}  // namespace flumetra::percorso
