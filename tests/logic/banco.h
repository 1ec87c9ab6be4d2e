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

class Banco : public ::testing::Test {
protected:
    // What a person does: the text is replaced (not a program write), then
    // the key-up handler of that field runs, if it has one.
    Esito digita(Campo campo, const std::string& testo) {
        f.FinestraInMemoria::scrivi(campo, testo);
        switch (campo) {
            case Campo::Text_A: return c.Text_A_KeyUp();
            case Campo::Text_B: return c.Text_B_KeyUp();
            case Campo::Text_D: return c.Text_D_KeyUp();
            case Campo::Text_G: return c.Text_G_KeyUp();
            case Campo::Text_v: return c.Text_v_KeyUp();
            case Campo::Text_Y: return c.Text_Y_KeyUp();
            default: return {};
        }
    }
    void imposta(Campo campo, const std::string& testo) { f.FinestraInMemoria::scrivi(campo, testo); }
    std::string t(Campo campo) const { return f.testo(campo); }

    void attesi(std::initializer_list<std::pair<Campo, const char*>> testi) {
        for (const auto& [campo, testo] : testi) {
            EXPECT_EQ(t(campo), testo) << "field " << static_cast<int>(campo);
        }
    }

    FinestraRegistrata f;
    Calcolatore& c = f.calcolatore();
};

}  // namespace flumetra
