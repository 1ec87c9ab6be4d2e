#include "ui/comune/primo_piano.h"

#include <QWidget>
#include <QWindow>

namespace flumetra {

void mettiInPrimoPiano(QWidget& finestra, bool attivo) {
    Qt::WindowFlags flags = finestra.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, attivo);
    finestra.overrideWindowFlags(flags);
    if (QWindow* nativa = finestra.windowHandle()) nativa->setFlags(flags);
}

bool inPrimoPiano(const QWidget& finestra) {
    const QWindow* nativa = finestra.windowHandle();
    return (nativa != nullptr ? nativa->flags() : finestra.windowFlags()).testFlag(Qt::WindowStaysOnTopHint);
}

}  // namespace flumetra
