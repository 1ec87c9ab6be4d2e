// Huge and hostile input in the window: nothing crashes, nothing hangs, and
// what cannot be computed is said on the field that was not updated.

#include "open_window_test.h"

namespace flumetra {
namespace {

class HostileInput : public OpenWindowTest {
protected:
    void replaceText(const char* campo, const QString& testo) { w<QLineEdit>(campo)->setText(testo); }
    // End pressed and released: the text stays, the release runs the field's check.
    void releaseKeyIn(const char* campo) { QTest::keyClick(w(campo), Qt::Key_End); }
};

TEST_F(HostileInput, AMegabyteOfDigits) {
    replaceText("Text_G", QString(1'000'000, '9'));
    releaseKeyIn("Text_G");  // far beyond the range: ignored
    EXPECT_EQ(t("Text_v"), "3,5");
    EXPECT_EQ(t("Text_G").size(), 1'000'000);

    replaceText("Text_A", QString(1'000'000, '0') + "550");  // 550 after a million zeros: inside the range
    releaseKeyIn("Text_A");
    EXPECT_EQ(t("Text_D"), "577");
    EXPECT_EQ(t("Text_v"), "3,5") << "G holds no 32-bit number: the chain stops at v";
    EXPECT_EQ(w("Text_v")->accessibleDescription(), "Non aggiornati: v, Y, Ytot — G è fuori dall'intervallo ammesso");
}

TEST_F(HostileInput, ExtremeLengths) {
    replaceText("Text_L", "1E308");
    releaseKeyIn("Text_L");  // the total loss follows L at once
    EXPECT_EQ(t("Text_Ytot"), "2,3E+306");
    w<QLineEdit>("Text_G")->setText("3100");
    releaseKeyIn("Text_G");
    EXPECT_EQ(t("Text_Ytot"), "2,5E+306");  // Y = 0,025 at 3100 m³/h, times 10^308

    replaceText("Text_L", "1,8E308");  // beyond every double
    w<QLineEdit>("Text_G")->setText("3000");
    releaseKeyIn("Text_G");
    EXPECT_EQ(t("Text_Ytot"), "2,5E+306");
    EXPECT_FALSE(w("Text_Ytot")->toolTip().isEmpty());
}

TEST_F(HostileInput, HundredsOfFineStepsInARow) {
    for (int i = 0; i < 300; ++i) freccia("UpDown_Y", false);
    EXPECT_EQ(t("Text_Y"), "0,003") << "steps to zero or below are refused";
    EXPECT_EQ(t("Text_v"), "1,1");  // the velocity at that loss
    for (int i = 0; i < 300; ++i) freccia("UpDown_v", true);
    EXPECT_EQ(t("Text_v"), "31,1");
    EXPECT_TRUE(w("Text_v")->toolTip().isEmpty());
}

TEST_F(HostileInput, EmptiedFieldsAndGarbage) {
    for (const char* campo : {"Text_A", "Text_B", "Text_D", "Text_G", "Text_v", "Text_Y"}) {
        replaceText(campo, "");
        releaseKeyIn(campo);
        replaceText(campo, "-,E+");
        releaseKeyIn(campo);
    }
    freccia("UpDown_A", true);  // the spinner starts from its last value
    EXPECT_EQ(t("Text_A"), "550");
    freccia("UpDown_v", true);  // no number to step: nothing happens
    EXPECT_EQ(t("Text_v"), "-,E+");
}

}  // namespace
}  // namespace flumetra
