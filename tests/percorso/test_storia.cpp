// The run's undo history: a step keeps what the edit changed, one
// continuous edit is one step, the saved run is known, and the oldest steps
// go past the budget.

#include <gtest/gtest.h>

#include <string>

#include "percorso/storia.h"

namespace flumetra::percorso {
namespace {

using namespace std::chrono_literals;

Percorso grande(std::size_t n) {
    Percorso p;
    for (std::size_t i = 0; i < n; ++i) {
        Tratto t;
        t.id = std::string(1, 'T');  // not "T" + …: GCC 12's -Wrestrict sees an overlap there at -O3
        t.id += std::to_string(i + 1);
        t.L = 10;
        p.tratti.push_back(std::move(t));
    }
    return p;
}

TEST(Storia, AStepKeepsWhatTheEditChanged) {
    const Percorso prima = grande(10000);
    Percorso dopo = prima;
    dopo.tratti[5000].L = 12;
    Percorso tolto = dopo;
    tolto.tratti.erase(tolto.tratti.begin() + 20);
    Storia s;
    s.registra(prima, dopo, "Modifica L di T5001");
    s.registra(dopo, tolto, "Elimina T21");
    EXPECT_LT(s.byte(), 2000U) << "two sections kept, not two runs of 10 000";
    EXPECT_EQ(s.descrizioneAnnulla(), "Elimina T21");
    EXPECT_FALSE(s.salvata());
    EXPECT_TRUE(s.annulla(tolto) == dopo);
    EXPECT_TRUE(s.annulla(dopo) == prima);
    EXPECT_TRUE(s.salvata());
    EXPECT_EQ(s.descrizioneRipeti(), "Modifica L di T5001");
    EXPECT_TRUE(s.ripeti(prima) == dopo);
    s.segnaSalvata();
    EXPECT_TRUE(s.annulla(dopo) == prima);
    Percorso altro = prima;
    altro.perdita_obiettivo = 0.1;
    s.registra(prima, altro, "Y° obiettivo");
    EXPECT_FALSE(s.puoRipetere());
    EXPECT_TRUE(s.annulla(altro) == prima);
    EXPECT_FALSE(s.salvata()) << "the saved run was undone and replaced: no step leads back to it";
}

TEST(Storia, OneContinuousEditIsOneStep) {
    const Storia::Orologio::time_point t0{};
    Percorso a;
    a.aria.quota = 0;
    auto quota = [](Reale z) {
        Percorso p;
        p.aria.quota = z;
        return p;
    };
    struct Riga {
        const char* caso;
        std::vector<std::pair<Reale, std::chrono::milliseconds>> passi;  // the height and when
        const char* chiave;
        std::size_t attesi;
    };
    const Riga righe[] = {
        {"an arrow held", {{10, 0ms}, {20, 150ms}, {30, 300ms}, {40, 1250ms}}, "Quota", 1},
        {"a pause of a second", {{10, 0ms}, {20, 1000ms}}, "Quota", 2},
        {"no key", {{10, 0ms}, {20, 100ms}}, "", 2},
        {"back where it started", {{10, 0ms}, {0, 100ms}}, "Quota", 0},
    };
    for (const Riga& r : righe) {
        Storia s;
        Percorso mostrato = a;
        for (const auto& [z, quando] : r.passi) {
            s.registra(mostrato, quota(z), "Quota", r.chiave, t0 + quando);
            mostrato = quota(z);
        }
        EXPECT_EQ(s.passi(), r.attesi) << r.caso;
        while (s.puoAnnullare()) mostrato = s.annulla(mostrato);
        EXPECT_TRUE(mostrato == a) << r.caso;
    }
    Storia salvata;
    salvata.registra(a, quota(10), "Quota", "Quota", t0);
    salvata.segnaSalvata();
    salvata.registra(quota(10), quota(20), "Quota", "Quota", t0 + 100ms);
    EXPECT_EQ(salvata.passi(), 2U) << "never merged across the saved run";
}

TEST(Storia, TheOldestStepsGoPastTheBudget) {
    const Percorso prima = grande(1000);
    Storia s(1'000'000);
    Percorso mostrato = prima;
    for (int i = 0; i < 100; ++i) {
        Percorso dopo = mostrato;
        dopo.tratti.front().L += 1;  // the first and the last: a step of the whole run
        dopo.tratti.back().L += 1;
        s.registra(mostrato, dopo, "Modifica");
        mostrato = std::move(dopo);
        EXPECT_LE(s.byte(), 1'000'000U);
    }
    EXPECT_LT(s.passi(), 100U);
    EXPECT_FALSE(s.salvata());
    while (s.puoAnnullare()) mostrato = s.annulla(mostrato);
    EXPECT_EQ(mostrato.tratti.front().L, 110 - static_cast<Reale>(s.passi()));
    EXPECT_FALSE(s.salvata()) << "the saved run went with the oldest steps";
}

}  // namespace
}  // namespace flumetra::percorso
