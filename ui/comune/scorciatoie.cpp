#include "ui/comune/scorciatoie.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>

#include "ui/comune/campo_testo.h"

namespace flumetra {
namespace {

class FiltroScorciatoie : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::ShortcutOverride && qobject_cast<QAbstractItemView*>(oggetto) != nullptr) {
            const auto* tasto = static_cast<QKeyEvent*>(evento);
            if (tasto->key() == Qt::Key_F2 && tasto->modifiers() == Qt::NoModifier) {
                evento->accept();
                return true;
            }
        }
        if (evento->type() == QEvent::Shortcut) {
            if (auto* campo = qobject_cast<CampoTesto*>(QApplication::focusWidget())) campo->dimenticaITasti();
        }
        return QObject::eventFilter(oggetto, evento);
    }
};

}  // namespace

void filtraScorciatoie() {
    static const bool filtrato = [] {
        QCoreApplication::instance()->installEventFilter(new FiltroScorciatoie(QCoreApplication::instance()));
        return true;
    }();
    (void)filtrato;
}

}  // namespace flumetra
