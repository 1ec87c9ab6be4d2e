// Modes and section locks: what each click shows, hides and selects.

#include "calculator_test.h"

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

TEST_F(Radio, ModesHoldAAndHideTheirOwnSpinner) {
    struct Riga {
        Modo modo;
        const char* visibili;
    };
    //                                   A B D G v Y   radios
    for (const Riga& r :
         {Riga{Modo::Perdita, "011110 000"}, Riga{Modo::Velocita, "011101 000"}, Riga{Modo::Portata, "011011 000"}}) {
        FinestraRegistrata nuova;
        nuova.cliccaModo(r.modo);
        EXPECT_EQ(nuova.sezione(), Sezione::A);
        EXPECT_EQ(visibili(nuova), r.visibili) << static_cast<int>(r.modo);
        EXPECT_TRUE(nuova.scritti.empty()) << "a radio click wrote a field";
    }
}

TEST_F(Radio, FromModeToModeAndBack) {
    f.cliccaModo(Modo::Perdita);
    f.cliccaModo(Modo::Velocita);
    EXPECT_EQ(visibili(f), "011101 000");
    f.cliccaModo(Modo::SezioneCanale);
    EXPECT_EQ(f.sezione(), Sezione::A);  // still held
    EXPECT_EQ(visibili(f), "011111 111");
    EXPECT_TRUE(f.scritti.empty());
}

TEST_F(Radio, SectionRadios) {
    f.cliccaSezione(Sezione::D);
    EXPECT_EQ(visibili(f), "110111 111");
    f.cliccaSezione(Sezione::D);  // again: the same state
    EXPECT_EQ(visibili(f), "110111 111");
    f.cliccaSezione(Sezione::A);
    EXPECT_EQ(visibili(f), "011111 111");
    EXPECT_EQ(f.modo(), Modo::SezioneCanale);
    EXPECT_TRUE(f.scritti.empty());
}

TEST_F(Radio, HiddenSectionRadiosCannotBeClicked) {
    f.cliccaModo(Modo::Portata);
    f.cliccaSezione(Sezione::D);
    EXPECT_EQ(f.sezione(), Sezione::A);
}

}  // namespace
}  // namespace flumetra
