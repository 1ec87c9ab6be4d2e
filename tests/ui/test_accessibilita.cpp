// What a screen reader finds in the window, and Qt's own texts in Italian.

#include <QAccessible>
#include <QLabel>

#include "open_window_test.h"
#include "ui/traduzione.h"

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
    EXPECT_EQ(velocita->valueInterface(), nullptr) << "a fine spinner has no value of its own";
    velocita->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(t("Text_v"), "3,5");
}

TEST_F(Accessibilita, EachFieldIsLabelledByItsLabel) {
    const std::pair<const char*, const char*> righe[] = {
        {"Label1", "Text_A"}, {"Label2", "Text_B"}, {"Label3", "Text_D"}, {"G", "Text_G"},
        {"Label6", "Text_v"}, {"Label4", "Text_Y"}, {"Label5", "Text_L"}, {"Label7", "Text_Ytot"}};
    for (const auto& [etichetta, campo] : righe) {
        QList<QObject*> etichette;  // the frame, too, labels the fields inside it
        for (const auto& [altro, relazione] : accessibile(w(campo))->relations(QAccessible::Label)) {
            etichette << altro->object();
        }
        EXPECT_TRUE(etichette.contains(w(etichetta))) << campo;
    }
}

TEST_F(Accessibilita, CaptionlessControlsSayWhatTheyDoOnce) {
    for (const char* nome : {"Option_Perdita", "Option_Velocità", "Option_Portata", "Option_SezioneCanale", "Option_A",
                             "Option_B", "Option_D", "Check1"}) {
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
