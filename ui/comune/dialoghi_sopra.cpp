#include "ui/comune/dialoghi_sopra.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace flumetra {
namespace {

// Set on a dialog made transient for the calculator while it is shown.
constexpr const char* proprietaTransitorio = "transitorioDelCalcolatore";

}  // namespace

DialoghiSopra::DialoghiSopra(QWidget& calcolatore, std::function<bool()> inPrimoPiano,
                             std::function<void(bool)> restaSopra)
    : QObject(&calcolatore),
      calcolatore_(calcolatore),
      inPrimoPiano_(std::move(inPrimoPiano)),
      restaSopra_(std::move(restaSopra)) {
    qApp->installEventFilter(this);
}

// The flag is set on the native window, made but not yet on screen when
// the dialog's Show comes (QWidget::setWindowFlag would hide it).
bool DialoghiSopra::eventFilter(QObject* oggetto, QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    if (tipo != QEvent::Show && tipo != QEvent::Hide) return false;
    auto* dialogo = qobject_cast<QDialog*>(oggetto);
    if (dialogo == nullptr || !dialogo->isWindow()) return false;
    // A dialog the platform draws is shown by Qt as a window never on screen.
    const bool dellaPiattaforma = dialogo->testAttribute(Qt::WA_DontShowOnScreen);
    if (tipo == QEvent::Show && dellaPiattaforma && inPrimoPiano_()) {
        ++dialoghiDellaPiattaforma_;
        restaSopra_(false);
    } else if (tipo == QEvent::Hide && dellaPiattaforma && dialoghiDellaPiattaforma_ > 0) {
        if (--dialoghiDellaPiattaforma_ == 0) restaSopra_(true);
    } else if (tipo == QEvent::Show && !dellaPiattaforma && inPrimoPiano_()) {
        Qt::WindowFlags flags = dialogo->windowFlags();
        flags.setFlag(Qt::WindowStaysOnTopHint);
        dialogo->overrideWindowFlags(flags);
        if (QWindow* nativa = dialogo->windowHandle()) {
            nativa->setFlags(flags);
            if (dialogo->window() != &calcolatore_) {
                nativa->setTransientParent(calcolatore_.windowHandle());
                dialogo->setProperty(proprietaTransitorio, true);
            }
        }
    } else if (tipo == QEvent::Hide && dialogo->property(proprietaTransitorio).toBool()) {
        dialogo->setProperty(proprietaTransitorio, false);
        // The window manager gives the focus back to the calculator the
        // dialog was made transient for: it goes back to the window that
        // asked, once the dialog is gone.
        QPointer<QWidget> chiedeva = dialogo->parentWidget() != nullptr ? dialogo->parentWidget()->window() : nullptr;
        if (chiedeva != nullptr && chiedeva != &calcolatore_) {
            QTimer::singleShot(0, chiedeva, [chiedeva] {
                if (chiedeva != nullptr && chiedeva->isVisible()) chiedeva->activateWindow();
            });
        }
    }
    return false;
}

}  // namespace flumetra
