// The fast searches against the literal scans: every input a spinner can
// reach, the boundaries, and many random inputs over and beyond the typed
// ranges. FLUMETRA_SEARCH_ROUNDS sets the rounds of random inputs, four inputs
// a round (the long run, `ctest -L long`, sets a million rounds).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>

#include "calc/conversioni.h"
#include "calc/module_calcoli.h"
#include "calc/passi.h"
#include "calc/ricerca_monotona.h"
#include "calc/scansioni.h"
#include "calc/testo.h"
#include "confronto.h"
#include "decimali.h"

namespace flumetra {
namespace {

constexpr std::int64_t scanStepCap = 3000;  // literal steps per comparison, as many as a diameter scan takes

std::int64_t randomRounds() {
    const char* valore = std::getenv("FLUMETRA_SEARCH_ROUNDS");
    return valore != nullptr ? std::atoll(valore) : 8000;
}

#define EXPECT_SAME_OUTCOME(chiamataVeloce, chiamataLetterale)                                         \
    EXPECT_EQ(outcomeOf([&] { return chiamataVeloce; }), outcomeOf([&] { return chiamataLetterale; })) \
        << #chiamataVeloce

TEST(RicercaMonotona, ExamplesOfItsHeader) {
    EXPECT_EQ(firstTrue(1, 3000, 10, [](auto n) { return n * n >= 2000; }), 45);
    EXPECT_EQ(firstTrue(1, 3000, 10, [](auto n) { return n > 5000; }), std::nullopt);
    EXPECT_EQ(firstTrue(1, 3000, 2999, [](auto n) { return n >= 1; }), 1) << "galloping down to the minimum";
}

TEST(Ricerche, EverySpinnerSideAndDiameter) {
    for (Intero S = 50; S <= 3000; S += 50) {
        for (Intero D = 25; D <= 3000; D += 25) {
            EXPECT_SAME_OUTCOME(Module_Calcoli::LatoPerDiametro(S, D), scansioni::LatoPerDiametro(S, D));
        }
    }
}

TEST(Ricerche, EverySpinnerFlowAndDiameterWithCommonLosses) {
    for (const char* perdita : {"0,0001", "0,005", "0,023", "0,1", "2", "99,99"}) {
        const Decimale Y = dec(perdita);
        for (Intero G = 50; G <= 99999; G += 50) {
            EXPECT_SAME_OUTCOME(Module_Calcoli::DiametroDaPortataPerdita(G, Y),
                                scansioni::DiametroDaPortataPerdita(G, Y));
        }
        for (std::int64_t v = 1000; v <= 300000; v += 1000) {  // 0.1 to 30 m/s
            const Decimale velocita = Decimale::daDecimillesimi(v);
            EXPECT_SAME_OUTCOME(Module_Calcoli::DiametroDaVelocitaPerdita(velocita, Y),
                                scansioni::DiametroDaVelocitaPerdita(velocita, Y));
        }
    }
    for (const char* perdita : {"0,0122", "0,023", "0,1048"}) {
        const Decimale Y = dec(perdita);
        for (Intero D = 25; D <= 3000; D += 25) {
            EXPECT_SAME_OUTCOME(Module_Calcoli::VelocitaDaPerdita(D, Y), scansioni::VelocitaDaPerdita(D, Y));
        }
    }
}

TEST(Ricerche, Boundaries) {
    // Zero, negative and tiny arguments, where the scans end or fail at once.
    for (Intero S : {-3000, -1, 0, 1}) {
        for (Intero D : {-10, -1, 0, 1, 25})
            EXPECT_SAME_OUTCOME(Module_Calcoli::LatoPerDiametro(S, D), scansioni::LatoPerDiametro(S, D));
    }
    for (Intero G : {-1, 0, 1}) {
        for (const char* y : {"-1", "0", "0,0001", "1"}) {
            EXPECT_SAME_OUTCOME(Module_Calcoli::DiametroDaPortataPerdita(G, dec(y)),
                                scansioni::DiametroDaPortataPerdita(G, dec(y)));
            EXPECT_SAME_OUTCOME(Module_Calcoli::DiametroDaVelocitaPerdita(Decimale::daDecimillesimi(G), dec(y)),
                                scansioni::DiametroDaVelocitaPerdita(Decimale::daDecimillesimi(G), dec(y)));
        }
    }
    for (Intero D : {-551, 0, 1}) {
        for (const char* y : {"-1", "0", "0,0001", "0,023"}) {
            EXPECT_SAME_OUTCOME(Module_Calcoli::VelocitaDaPerdita(D, dec(y)), scansioni::VelocitaDaPerdita(D, dec(y)));
        }
    }
    // The loss at the diameter 1 is 7.47 × v^1.85: just under it the scan ends at 1, just over it fails at 0.
    for (const char* v : {"0,5", "3,5", "10"}) {
        const Decimale velocita = dec(v);
        const Decimale aUno = RealeInDecimale(passi::perditaDaVelocita(DecimaleInReale(velocita), 1));
        for (std::int64_t scarto : {-1, 0, 1}) {
            const Decimale Y = aUno + Decimale::daDecimillesimi(scarto);
            EXPECT_SAME_OUTCOME(Module_Calcoli::DiametroDaVelocitaPerdita(velocita, Y),
                                scansioni::DiametroDaVelocitaPerdita(velocita, Y));
        }
    }
    // The last side before S × b leaves 32 bits: 715827 for S = 3000.
    const Intero oltre = Module_Calcoli::DiametroEquivalente(3000, 715827);
    for (Intero D : {oltre - 1, oltre, oltre + 1}) {
        EXPECT_SAME_OUTCOME(Module_Calcoli::LatoPerDiametro(3000, D), scansioni::LatoPerDiametro(3000, D));
    }
    EXPECT_EQ(outcomeOf([] { return Module_Calcoli::LatoPerDiametro(3000, 40000); }),
              Outcome<Intero>(TipoFallimento::Overflow));
}

TEST(Ricerche, RandomInputsOverAndBeyondTheTypedRanges) {
    std::mt19937_64 caso(551);
    auto intero = [&](std::int64_t da, std::int64_t a) {
        return static_cast<Intero>(std::uniform_int_distribution<std::int64_t>(da, a)(caso));
    };
    auto decimale = [&](double da, double a) {  // log-uniform
        const double x = std::exp(std::uniform_real_distribution<double>(std::log(da), std::log(a))(caso));
        return RealeInDecimale(x);
    };
    std::int64_t confrontati = 0;
    std::int64_t oltreIlTetto = 0;
    auto confronta = [&](auto veloce, auto letterale, auto descrivi) {
        const auto expected = outcomeWithinCap(letterale);
        if (!expected) {
            ++oltreIlTetto;
            return;
        }
        ++confrontati;
        if (outcomeOf(veloce) != *expected) ADD_FAILURE() << descrivi();
    };
    for (std::int64_t i = 0; i < randomRounds(); ++i) {
        const Intero S = i % 4 == 0 ? intero(-10, 5000) : intero(1, 3000);
        const Intero D = i % 2 == 0 ? intero(-10, 60000) : intero(-10, 2 * std::int64_t{std::max(S, 1)});
        confronta([&] { return Module_Calcoli::LatoPerDiametro(S, D); },
                  [&] { return scansioni::LatoPerDiametro(S, D, scanStepCap); },
                  [&] { return "LatoPerDiametro(" + std::to_string(S) + ", " + std::to_string(D) + ")"; });

        const Intero G = i % 8 == 0 ? intero(-10, 10) : intero(1, 900000);
        const Decimale Y = decimale(0.0001, 100);
        confronta([&] { return Module_Calcoli::DiametroDaPortataPerdita(G, Y); },
                  [&] { return scansioni::DiametroDaPortataPerdita(G, Y); },
                  [&] { return "DiametroDaPortataPerdita(" + std::to_string(G) + ", " + DecimaleInTesto(Y) + ")"; });

        const Decimale v = decimale(0.0001, 100);
        confronta([&] { return Module_Calcoli::DiametroDaVelocitaPerdita(v, Y); },
                  [&] { return scansioni::DiametroDaVelocitaPerdita(v, Y); },
                  [&] { return "DiametroDaVelocitaPerdita(" + DecimaleInTesto(v) + ", " + DecimaleInTesto(Y) + ")"; });

        const Intero Dv = intero(-10, 60000);
        confronta([&] { return Module_Calcoli::VelocitaDaPerdita(Dv, Y); },
                  [&] { return scansioni::VelocitaDaPerdita(Dv, Y, scanStepCap); },
                  [&] { return "VelocitaDaPerdita(" + std::to_string(Dv) + ", " + DecimaleInTesto(Y) + ")"; });
    }
    std::printf("compared %lld inputs; %lld more needed over %lld scan steps\n", static_cast<long long>(confrontati),
                static_cast<long long>(oltreIlTetto), static_cast<long long>(scanStepCap));
    EXPECT_GT(confrontati, 2 * randomRounds());
}

}  // namespace
}  // namespace flumetra
