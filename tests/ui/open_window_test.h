// A freshly opened main window, and the widgets a test reaches by name.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <string_view>

#include "logic/quantita.h"
#include "ui/calcolatore/form_principale.h"
#include "ui/calcolatore/messaggi.h"
#include "ui/programma/coordinatore.h"

namespace flumetra {

class OpenWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        finestra.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    }

    template <typename Widget = QWidget>
    Widget* w(std::string_view nome) {
        auto* trovato = finestra.findChild<Widget*>(inQt(nome));
        EXPECT_NE(trovato, nullptr) << nome;
        return trovato;
    }
    QString t(std::string_view campo) { return w<QLineEdit>(campo)->text(); }

    void freccia(std::string_view spinner, bool su) {
        QWidget* s = w(spinner);
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() / 2, su ? s->height() / 4 : s->height() * 3 / 4));
    }

    Coordinatore programma;
    Form_Principale& finestra = programma.principale();
};

}  // namespace flumetra
