// A calculator in its start state on an in-memory window that records which
// fields the program writes, in order.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "logic/finestra_in_memoria.h"

namespace flumetra {

class FinestraRegistrata : public FinestraInMemoria {
public:
    void scrivi(Campo campo, std::string_view testo) override {
        scritti.push_back(campo);
        FinestraInMemoria::scrivi(campo, testo);
    }
    std::vector<Campo> scritti;
};

class CalculatorTest : public ::testing::Test {
protected:
    // What a person does: the text is replaced (not a program write), then
    // the key-up check of that field runs, if it has one.
    Esito digita(Campo campo, const std::string& testo) { return f.digita(campo, testo); }
    void paste(Campo campo, const std::string& testo) { f.incolla(campo, testo); }
    std::string t(Campo campo) const { return f.testo(campo); }

    void expectTexts(std::initializer_list<std::pair<Campo, const char*>> testi) {
        for (const auto& [campo, testo] : testi) {
            EXPECT_EQ(t(campo), testo) << "field " << static_cast<int>(campo);
        }
    }

    FinestraRegistrata f;
    Calcolatore& c = f.calcolatore();
};

}  // namespace flumetra
