// Every edit of a field by the person counts as typing does, once; and the
// notes a field carries stay inside the window.

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QToolTip>
#include <functional>
#include <memory>

#include "open_window_test.h"
#include "ui/comune/campo_testo.h"
#include "ui/comune/traduzione.h"

namespace flumetra {
namespace {

class Modifiche : public OpenWindowTest {
protected:
    // An entry of the field's own context menu, by Qt's English text.
    void voceDelMenu(const char* campo, const char* voce) {
        const std::unique_ptr<QMenu> menu(w<QLineEdit>(campo)->createStandardContextMenu());
        const QString cercata = QCoreApplication::translate("QLineEdit", voce);
        for (QAction* a : menu->actions()) {
            if (a->text().section(QLatin1Char('\t'), 0, 0) == cercata) a->trigger();
        }
    }
    void digita(const char* campo, const QString& testo) {
        w<QLineEdit>(campo)->selectAll();
        QTest::keyClicks(w(campo), testo);
    }
    void drop(const char* campo, const QString& testo, QPoint dove) {
        QMimeData dati;
        dati.setText(testo);
        QDropEvent lascia(dove, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject*>(w(campo))->event(&lascia);  // as the drag manager delivers it
    }
};

// Each edit, then what G and v show once the event loop has turned.
TEST_F(Modifiche, EachEditOfThePersonRecalculatesOnce) {
    struct Riga {
        const char* modifica;
        std::function<void()> fai;
        const char* G;
        const char* v;
    };
    const Riga righe[] = {
        {"typed", [this] { digita("Text_G", "5000"); }, "5000", "5,8"},
        {"menu undo", [this] { voceDelMenu("Text_G", "&Undo"); }, "3000", "3,5"},
        {"menu redo", [this] { voceDelMenu("Text_G", "&Redo"); }, "5000", "5,8"},
        {"menu delete",
         [this] {
             w<QLineEdit>("Text_G")->setSelection(3, 1);
             voceDelMenu("Text_G", "Delete");
         },
         "500", "0,6"},
        {"drop at the start", [this] { drop("Text_G", "1", QPoint(2, 8)); }, "1500", "1,7"},
        {"assistive tool",
         [this] { QAccessible::queryAccessibleInterface(w("Text_G"))->setText(QAccessible::Value, "4000"); }, "4000",
         "4,7"},
    };
    QSignalSpy controlli(w<CampoTesto>("Text_G"), &CampoTesto::Modificato);
    int attesi = 0;
    for (const Riga& riga : righe) {
        riga.fai();
        QCoreApplication::sendPostedEvents();
        if (std::string_view(riga.modifica) != "typed") ++attesi;
        EXPECT_EQ(t("Text_G"), riga.G) << riga.modifica;
        EXPECT_EQ(t("Text_v"), riga.v) << riga.modifica;
        EXPECT_EQ(controlli.count(), attesi) << riga.modifica << ": once, and never for typing";
    }
}

// The longest notes, on every row: each tooltip, as Qt draws it, stands
// inside the window.
TEST_F(Modifiche, NotesStayInsideTheWindow) {
    const QString lungo = QString(40, '9') + "x";
    QApplication::setActiveWindow(&finestra);
    for (const char* campo : {"Text_A", "Text_B", "Text_D", "Text_G", "Text_v", "Text_Y", "Text_L"}) {
        digita(campo, lungo);
        w(campo)->setFocus();
        QTest::keyClick(w(campo), Qt::Key_Tab);  // the note shows as the focus leaves
        QCoreApplication::sendPostedEvents();
        QWidget* tooltip = nullptr;
        for (QWidget* finestraDiQt : QApplication::topLevelWidgets()) {
            if (finestraDiQt->inherits("QTipLabel") && finestraDiQt->isVisible()) tooltip = finestraDiQt;
        }
        ASSERT_NE(tooltip, nullptr) << campo;
        EXPECT_TRUE(w(campo)->accessibleDescription().startsWith("«9999999999999999…» non usato")) << campo;
        EXPECT_LE(tooltip->geometry().right(), finestra.geometry().right()) << campo;
        EXPECT_GE(tooltip->geometry().left(), finestra.geometry().left()) << campo;
        QToolTip::hideText();
    }
}

}  // namespace
}  // namespace flumetra
