// Fittings: the tables and Crane's formulas at the sources' own points, ζ
// referred to the section's pd, a tee that follows its upstream's size,
// and the file's and the sheet's refusals.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "percorso/calcolo.h"
#include "percorso/colonne.h"
#include "percorso/file.h"
#include "percorso/formule_raccordi.h"
#include "percorso/testo_raccordo.h"
#include "percorso/zeta_raccordo.h"
#include "riferimento.h"

namespace flumetra::percorso {
namespace {

TEST(Raccordi, TablesAndFormulasAtTheSourcesPoints) {
    struct Riga {
        const char* cosa;
        std::function<Reale()> zeta;
        Reale atteso, tolleranza;
    };
    const Riga righe[] = {
        {"CD3-1 r/D 1,5 90°", [] { return zetaCurva(1.5, 90); }, 0.15, 1e-12},
        {"CD3-1 r/D 1,5 45°", [] { return zetaCurva(1.5, 45); }, 0.09, 1e-12},
        {"CD3-1 r/D 1,25: halfway", [] { return zetaCurva(1.25, 90); }, 0.185, 1e-12},
        {"CD3-1 100°: K halfway to 110°", [] { return zetaCurva(1.0, 100); }, 0.2343, 1e-12},
        {"CD3-1 r/D 0,3: held", [] { return zetaCurva(0.3, 90); }, 0.71, 1e-12},
        {"CR3-1 corner 0,25 / 0,5", [] { return zetaCurvaRettangolare(0.25, 0.5, 90); }, 1.5, 1e-12},
        {"CR3-1 corner 8 / 0,5", [] { return zetaCurvaRettangolare(8, 0.5, 90); }, 1.2, 1e-12},
        {"CR3-1 corner 0,25 / 2", [] { return zetaCurvaRettangolare(0.25, 2, 90); }, 0.20, 1e-12},
        {"CR3-1 corner 8 / 2", [] { return zetaCurvaRettangolare(8, 2, 90); }, 0.15, 1e-12},
        {"CR3-1 H/W 12: held", [] { return zetaCurvaRettangolare(12, 2, 90); }, 0.15, 1e-12},
        {"CR3-1 bilinear 0,625 / 0,875", [] { return zetaCurvaRettangolare(0.625, 0.875, 90); }, 0.37, 1e-12},
        {"Crane 7-36 branch", [] { return kDerivazione(1, 950.0 / 2465, 45); }, 0.4640, 1e-4},
        {"Crane 7-36 straight run", [] { return kDiritto(1, 950.0 / 2465); }, -0.0681, 1e-4},
        {"contraction 40°", [] { return kConico(0.5, 40, Verso::Contrazione); }, 0.20521208599540125, 1e-12},
        {"contraction 45°", [] { return kConico(0.5, 45, Verso::Contrazione); }, 0.2319802958795008, 1e-12},
        {"expansion 40°", [] { return kConico(0.5, 40, Verso::Allargamento); }, 0.5002044596137906, 1e-12},
        {"expansion 45°", [] { return kConico(0.5, 45, Verso::Allargamento); }, 0.5625, 1e-12},
    };
    // Crane prints 7-36 to four decimals, from flows it rounded: 1e-4.
    for (const Riga& r : righe) EXPECT_NEAR(r.zeta(), r.atteso, r.tolleranza) << r.cosa;
}

// Each ζ on the section's own pd: the tee's and an expansion's from the
// upstream's (here twice the section's), a contraction's from its own.
TEST(Raccordi, ReferredToTheSectionsPd) {
    const Intorno wye{.proprio = {146, 950, 10}, .monte = Sezione{146, 2465, 20}, .De_altri = 146, .G_altri = 1515};
    const Intorno diritto{.proprio = {146, 1515, 10}, .monte = Sezione{146, 2465, 20}, .De_altri = 146, .G_altri = 950};
    const Intorno stretto{.proprio = {100, 500, 10}, .monte = Sezione{200, 500, 20}};
    const Intorno largo{.proprio = {200, 500, 10}, .monte = Sezione{100, 500, 20}};
    struct Riga {
        Raccordo r;
        const Intorno& intorno;
        Reale atteso, tolleranza;
    };
    const Riga righe[] = {
        {{.tipo = TipoRaccordo::Derivazione, .angolo = 45}, wye, 2 * 0.4640, 2e-4},
        {{.tipo = TipoRaccordo::Diritto}, diritto, 2 * -0.0681, 2e-4},
        {{.tipo = TipoRaccordo::Riduzione, .angolo = 40}, stretto, 0.20521208599540125, 1e-12},
        {{.tipo = TipoRaccordo::Riduzione, .angolo = 45}, largo, 2 * 0.5625, 1e-12},
        {{.tipo = TipoRaccordo::Uscita}, largo, 1.0, 0},
    };
    for (const Riga& r : righe) EXPECT_NEAR(*zetaRaccordo(r.r, r.intorno), r.atteso, r.tolleranza) << r.atteso;
    EXPECT_EQ(zetaRaccordo({.tipo = TipoRaccordo::Derivazione, .angolo = 45}, {.proprio = {146, 950, 10}}),
              std::nullopt);
}

// T2 leaves T1 at 45°: its ζ follows T1's given size, and while T1 has no
// size (A 20 mm lets no B pass) T2's losses and the totals wait.
TEST(Raccordi, ATeeFollowsItsUpstreamsSize) {
    Percorso p = std::get<Percorso>(leggi(testoRiferimento));
    p.tratti[2].raccordi = {{.tipo = TipoRaccordo::Derivazione, .angolo = 45}};
    auto zeta = [&p](Intero A) {
        std::get<Rettangolare>(p.tratti[0].forma) = {A, 550};
        return calcola(p);
    };
    const Risultati stretto = zeta(300);
    const Risultati largo = zeta(600);
    ASSERT_TRUE(stretto.tratti[2].perdite && largo.tratti[2].perdite);
    EXPECT_NE(*stretto.tratti[2].perdite->zeta_raccordi, *largo.tratti[2].perdite->zeta_raccordi);
    EXPECT_EQ(*largo.tratti[2].perdite->dp_accidentali,
              (0.3 + *largo.tratti[2].perdite->zeta_raccordi) * largo.tratti[2].perdite->pd);

    std::get<Rettangolare>(p.tratti[0].forma) = {20, std::nullopt};
    const Risultati senza = calcola(p);
    ASSERT_FALSE(senza.tratti[0].D);
    ASSERT_TRUE(senza.tratti[2].perdite);
    EXPECT_FALSE(senza.tratti[2].perdite->zeta_raccordi);
    EXPECT_FALSE(senza.tratti[2].perdite->dp_tratto);
    EXPECT_FALSE(senza.tratti[4].p_fine);
    EXPECT_FALSE(senza.p_ventilatore);

    // A straight run's q is all that leaves the tee but itself: T1's own
    // terminal's 500 m³/h too, not only T2's 800.
    p = std::get<Percorso>(leggi(testoRiferimento));
    p.tratti[0].G = 500;
    p.tratti[2].raccordi = {{.tipo = TipoRaccordo::Diritto}};
    const Risultati r = calcola(p);
    const Perdite& monte = *r.tratti[0].perdite;
    const Perdite& diritto = *r.tratti[2].perdite;
    const Reale beta = static_cast<Reale>(*r.tratti[1].D) / static_cast<Reale>(*r.tratti[0].D);
    EXPECT_EQ(r.tratti[0].G, 3500);
    EXPECT_DOUBLE_EQ(*diritto.zeta_raccordi, kDiritto(beta, 1300.0 / 3500) * monte.pd / diritto.pd);
}

std::string conRaccordi(std::string_view tratto, std::string_view raccordi) {
    std::string s(testoRiferimento);
    const auto i = s.find(tratto);
    const auto fine = s.find('}', i);
    return s.insert(fine, ", \"raccordi\": " + std::string(raccordi));
}

TEST(Raccordi, TheFileRefusesWhole) {
    struct Riga {
        std::string_view tratto, raccordi;
        Motivo motivo;
        std::string_view messaggio;
    };
    const Riga righe[] = {
        {"\"T3\"", R"([{"tipo": "ingresso"}, {"tipo": "gomito"}])", Motivo::ParolaSconosciuta,
         "tratto 3 («T3»), raccordo 2, tipo: «gomito» non è tra curva, curva_rettangolare, derivazione, diritto, "
         "riduzione, ingresso, uscita"},
        {"\"T3\"", R"([{"tipo": "curva", "angolo": 90}])", Motivo::ChiaveMancante,
         "tratto 3 («T3»), raccordo 1 (curva): manca «r/D»"},
        {"\"T3\"", R"([{"tipo": "curva", "r_su_D": 3, "angolo": 90}])", Motivo::FuoriIntervallo,
         "tratto 3 («T3»), raccordo 1 (curva), r/D: 3 è fuori dall'intervallo 0,5 – 2,5"},
        {"\"T3\"", R"([{"tipo": "derivazione", "angolo": 10}])", Motivo::FuoriIntervallo,
         "tratto 3 («T3»), raccordo 1 (derivazione), angolo: 10 è fuori dall'intervallo 15 – 90"},
        {"\"T3\"", R"([{"tipo": "uscita", "n": 2.5}])", Motivo::Tipo,
         "tratto 3 («T3»), raccordo 1 (uscita), n: atteso un numero intero, trovato 2,5"},
        {"\"T3\"", R"([{"tipo": "uscita", "n": true}])", Motivo::Tipo,
         "tratto 3 («T3»), raccordo 1 (uscita), n: atteso un numero intero, trovato true"},
        {"\"T3\"", R"([{"tipo": "uscita", "angolo": 90}])", Motivo::ChiaveSconosciuta,
         "tratto 3 («T3»), raccordo 1 (uscita): chiave «angolo» sconosciuta"},
        {"\"T1\"", R"([{"tipo": "curva", "r_su_D": 1, "angolo": 90}])", Motivo::RaccordoNonAmmesso,
         "tratto 1 («T1»), raccordo 1 (curva): va solo su un tratto tondo"},
        {"\"T1\"", R"([{"tipo": "diritto"}])", Motivo::RaccordoNonAmmesso,
         "tratto 1 («T1»), raccordo 1 (diritto): vuole un tratto a monte, e il tratto è al ventilatore"},
    };
    for (const Riga& r : righe) {
        const auto letto = leggi(conRaccordi(r.tratto, r.raccordi));
        ASSERT_TRUE(std::holds_alternative<Rifiuto>(letto)) << r.raccordi;
        EXPECT_EQ(std::get<Rifiuto>(letto).motivo, r.motivo) << r.raccordi;
        EXPECT_EQ(std::get<Rifiuto>(letto).messaggio, r.messaggio);
    }
}

TEST(Raccordi, WrittenAsReadAndEditedThroughTheCheck) {
    const std::string testo =
        conRaccordi("\"T1\"", R"([{"tipo": "curva_rettangolare", "R_su_W": 1.5, "angolo": 90, "lato": "B", "n": 2}])");
    auto letto = leggi(conRaccordi("\"T1\"", R"([{"tipo": "curva_rettangolare", "R_su_W": 1.5, "angolo": 90, )"
                                             R"("lato": "B", "n": 2.0}])"));
    ASSERT_TRUE(std::holds_alternative<Percorso>(letto)) << std::get<Rifiuto>(letto).messaggio;
    const Percorso& p = std::get<Percorso>(letto);
    EXPECT_EQ(scrivi(p), testo);
    EXPECT_EQ(p.tratti[0].raccordi.at(0).lato, Lato::B);

    // A round T1 would leave its rectangular elbow on the wrong shape.
    const auto tondo = conTesto(Colonna::Forma, p, 0, "tondo");
    const auto rifiuto = verifica(std::get<Percorso>(tondo));
    ASSERT_TRUE(rifiuto);
    EXPECT_EQ(rifiuto->messaggio,
              "tratto 1 («T1»), raccordo 1 (curva_rettangolare): va solo su un tratto rettangolare");

    EXPECT_EQ(testoDelRaccordo({.tipo = TipoRaccordo::Curva, .rapporto = 1.5, .angolo = 90, .n = 2}, 0.15),
              "Curva circolare, r/D 1,5, angolo 90°: n 2, ζ 0,15 (tabella CD3-1)");
}

}  // namespace
}  // namespace flumetra::percorso
