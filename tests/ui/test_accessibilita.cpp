// What a screen reader finds in the window, and Qt's own texts in Italian.

#include <QAccessible>
#include <QLabel>

#include "open_window_test.h"
#include "ui/comune/traduzione.h"

namespace flumetra {
namespace {

using Accessibilita = OpenWindowTest;

QAccessibleInterface* accessibile(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

TEST_F(Accessibilita, SpinnersAreSpinBoxesWhoseActionsAreArrowClicks) {
    for (const char* nome : {"UpDown_A", "UpDown_B", "UpDown_D", "UpDown_G", "UpDown_v", "UpDown_Y"}) {
        QAccessibleInterface* spinner = accessibile(w(nome));
        ASSERT_NE(spinner, nullptr) << nome;
        EXPECT_EQ(spinner->role(), QAccessible::SpinBox) << nome;
        const QStringList azioni = spinner->actionInterface()->actionNames();
        EXPECT_TRUE(azioni.contains(QAccessibleActionInterface::increaseAction())) << nome;
        EXPECT_TRUE(azioni.contains(QAccessibleActionInterface::decreaseAction())) << nome;
    }

    QAccessibleInterface* portata = accessibile(w("UpDown_G"));
    portata->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(t("Text_G"), "3050");
    EXPECT_EQ(t("Text_v"), "3,6") << "the change ran, as after a click";
    EXPECT_EQ(portata->text(QAccessible::Value), "3050");
    ASSERT_NE(portata->valueInterface(), nullptr);
    EXPECT_EQ(portata->valueInterface()->currentValue().toDouble(), 3050.0);
    EXPECT_EQ(portata->valueInterface()->maximumValue().toInt(), 99999);

    QAccessibleInterface* velocita = accessibile(w("UpDown_v"));
    velocita->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(t("Text_v"), "3,5");

    // A fine spinner says by how much a click moves its field.
    EXPECT_EQ(velocita->text(QAccessible::Name), "Varia la velocità v di 0,1 m/s");
    EXPECT_EQ(accessibile(w("UpDown_Y"))->text(QAccessible::Name), "Varia la perdita unitaria Y di 0,005 mmc.a./m");
    EXPECT_EQ(portata->text(QAccessible::Name), "Varia la portata G");
}

// Setting a bound spinner's value is typing that number; a fine spinner's
// value is its field's, read-only.
TEST_F(Accessibilita, SpinnerValuesAreTheFieldsNumbers) {
    accessibile(w("UpDown_G"))->valueInterface()->setCurrentValue(5000);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(t("Text_G"), "5000");
    EXPECT_EQ(t("Text_v"), "5,8") << "the change ran, as after typing";

    QAccessibleValueInterface* velocita = accessibile(w("UpDown_v"))->valueInterface();
    ASSERT_NE(velocita, nullptr);
    EXPECT_EQ(velocita->currentValue().toDouble(), 5.8);
    velocita->setCurrentValue(9);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(t("Text_v"), "5,8");
    EXPECT_DOUBLE_EQ(accessibile(w("UpDown_Y"))->valueInterface()->minimumStepSize().toDouble(), 0.005);
}

// A hidden spinner is not offered; a spinner's value is its field's number
// as the calculator used it, not a text it refused.
TEST_F(Accessibilita, HiddenSpinnersAreNotOfferedAndValuesAreThoseUsed) {
    auto offerti = [this](const char* contenitore) {
        QStringList nomi;
        QAccessibleInterface* cornice = accessibile(contenitore == finestra.objectName() ? &finestra : w(contenitore));
        for (int i = 0; i < cornice->childCount(); ++i) nomi << cornice->child(i)->object()->objectName();
        return nomi;
    };
    EXPECT_FALSE(offerti("Frame1").contains("UpDown_B")) << "B is held at start";
    EXPECT_TRUE(offerti("Frame1").contains("UpDown_A"));
    QTest::mouseClick(w("Option_Perdita"), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_TRUE(offerti("Frame1").contains("UpDown_B"));
    EXPECT_FALSE(offerti("Frame1").contains("Option_A")) << "the section radios are hidden";
    EXPECT_FALSE(offerti("Form_Principale").contains("UpDown_Y"));
    EXPECT_EQ(accessibile(w("Frame1"))->text(QAccessible::Name), "Sezione condotto [mm]");

    w("Text_G")->setFocus();
    w<QLineEdit>("Text_G")->clear();
    QTest::keyClicks(w("Text_G"), "50");  // refused: on the lower limit
    EXPECT_EQ(t("Text_G"), "50");
    EXPECT_EQ(accessibile(w("UpDown_G"))->valueInterface()->currentValue().toDouble(), 3000.0);
    EXPECT_EQ(accessibile(w("UpDown_G"))->text(QAccessible::Value), "3000");
}

// The check box's toggle, the information line's press, the read-only total.
TEST_F(Accessibilita, ReadOnlyFieldsAndButtonsAreWhatTheySeem) {
    QAccessibleInterface* check = accessibile(w(controlli::inPrimoPiano));
    check->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(finestra.inPrimoPiano()) << "a toggle is a click";

    QAccessibleInterface* informazioni = accessibile(w(controlli::informazioni));
    EXPECT_EQ(informazioni->role(), QAccessible::Button);
    EXPECT_EQ(informazioni->text(QAccessible::Name), "cliccare qui per informazioni");
    informazioni->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(t(controlli::informazioni), "www.flumetra.example");

    const QAccessible::State totale = accessibile(w("Text_Ytot"))->state();
    EXPECT_TRUE(totale.readOnly);
    EXPECT_FALSE(totale.editable);
    EXPECT_EQ(accessibile(w("Text_Ytot"))->textInterface()->text(0, 4), "0,23");
}

TEST_F(Accessibilita, EachFieldIsLabelledByItsLabel) {
    for (const DatiCampo& d : tabellaCampi) {
        QList<QObject*> etichette;  // the frame, too, labels the fields inside it
        for (const auto& [altro, relazione] : accessibile(w(d.nome))->relations(QAccessible::Label)) {
            etichette << altro->object();
        }
        EXPECT_TRUE(etichette.contains(w(d.etichetta))) << d.nome;
    }
}

TEST_F(Accessibilita, CaptionlessControlsSayWhatTheyDoOnce) {
    for (const std::string_view nome : {"Option_Perdita", "Option_Velocità", "Option_Portata", "Option_SezioneCanale",
                                        "Option_A", "Option_B", "Option_D", controlli::inPrimoPiano.data()}) {
        QAccessibleInterface* controllo = accessibile(w(nome));
        EXPECT_FALSE(controllo->text(QAccessible::Name).isEmpty()) << nome;
        EXPECT_TRUE(controllo->text(QAccessible::Description).isEmpty()) << nome;
    }
}

TEST_F(Accessibilita, QtsOwnTextsAreItalian) {
    ASSERT_TRUE(traduciTestiDiQt(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "Select All"), "Seleziona tutto");
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), "Ann&ulla");
}

}  // namespace
}  // namespace flumetra
