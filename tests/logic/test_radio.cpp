// Modes and section locks: what each click shows, hides and selects.

#include <functional>
#include <string>
#include <vector>

#include "calculator_test.h"
#include "logic/quantita.h"

namespace flumetra {
namespace {

using enum Spinner;

// Visibility of UpDown_A, _B, _D, _G, _v, _Y, then of the section radios A, B, D.
std::string visibili(const FinestraInMemoria& f) {
    std::string s;
    for (Spinner sp : {UpDown_A, UpDown_B, UpDown_D, UpDown_G, UpDown_v, UpDown_Y}) {
        s += f.spinnerVisibile(sp) ? '1' : '0';
    }
    s += ' ';
    for (Sezione se : {Sezione::A, Sezione::B, Sezione::D}) s += f.radioSezioneVisibile(se) ? '1' : '0';
    return s;
}

using Radio = CalculatorTest;

TEST_F(Radio, StartState) {
    EXPECT_EQ(f.modo(), Modo::SezioneCanale);
    EXPECT_EQ(f.sezione(), Sezione::B);
    EXPECT_EQ(visibili(f), "101111 111");
    expectTexts({{Campo::Text_A, "500"},
                 {Campo::Text_B, "500"},
                 {Campo::Text_D, "551"},
                 {Campo::Text_G, "3000"},
                 {Campo::Text_v, "3,5"},
                 {Campo::Text_Y, "0,023"},
                 {Campo::Text_L, "10"},
                 {Campo::Text_Ytot, "0,23"}});  // L × Y, not the old "0,023"
}

// Whatever two radios were clicked, a spinner shows exactly when neither the
// mode nor the held side holds its field, the section radios show only while
// the mode holds the section, and no click writes a field.
TEST_F(Radio, ASpinnerShowsUnlessItsFieldIsHeld) {
    std::vector<std::function<void(FinestraInMemoria&)>> clic;
    for (const Modo m : allValues<Modo>()) clic.emplace_back([m](FinestraInMemoria& w) { w.cliccaModo(m); });
    for (const Sezione z : allValues<Sezione>()) clic.emplace_back([z](FinestraInMemoria& w) { w.cliccaSezione(z); });
    for (std::size_t primo = 0; primo < clic.size(); ++primo) {
        for (std::size_t secondo = 0; secondo < clic.size(); ++secondo) {
            FinestraRegistrata w;
            clic[primo](w);
            clic[secondo](w);
            const std::string caso = std::to_string(primo) + ", then " + std::to_string(secondo);
            for (const Spinner s : allValues<Spinner>()) {
                const Campo campo = dati(s).campo;
                const bool tenuto = dati(w.modo()).tiene == campo || dati(w.sezione()).tiene == campo;
                EXPECT_EQ(w.spinnerVisibile(s), !tenuto) << dati(s).nome << " after clicks " << caso;
            }
            for (const Sezione z : allValues<Sezione>()) {
                EXPECT_EQ(w.radioSezioneVisibile(z), w.modo() == Modo::SezioneCanale) << caso;
            }
            EXPECT_TRUE(w.scritti.empty()) << "a radio click wrote a field: " << caso;
        }
    }
}

// A mode that holds a quantity holds the side A with it, and keeps it when
// the mode goes back to the section.
TEST_F(Radio, AModeHoldsTheSideA) {
    f.cliccaModo(Modo::Perdita);
    EXPECT_EQ(f.sezione(), Sezione::A);
    f.cliccaModo(Modo::SezioneCanale);
    EXPECT_EQ(f.sezione(), Sezione::A);
    EXPECT_EQ(visibili(f), "011111 111");
}

TEST_F(Radio, HiddenSectionRadiosCannotBeClicked) {
    f.cliccaModo(Modo::Portata);
    f.cliccaSezione(Sezione::D);
    EXPECT_EQ(f.sezione(), Sezione::A);
}

}  // namespace
}  // namespace flumetra
