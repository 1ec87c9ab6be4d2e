#include "ui/comune/carattere.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

namespace flumetra {
namespace {

// A field needs its frame and text margins beside and around the text.
constexpr int marginiCampo = 6;
constexpr int marginiTitolo = 16;

bool entra(const QWidget* finestra, const QFont& carattere) {
    const QFontMetrics metrica(carattere);
    for (const auto* label : finestra->findChildren<QLabel*>()) {
        if (metrica.horizontalAdvance(label->text()) > label->width()) return false;
    }
    for (const auto* campo : finestra->findChildren<QLineEdit*>()) {
        if (metrica.horizontalAdvance(campo->text()) > campo->width() - marginiCampo) return false;
        if (metrica.height() > campo->height() - 4) return false;
    }
    for (const auto* frame : finestra->findChildren<QGroupBox*>()) {
        if (metrica.horizontalAdvance(frame->title()) > frame->width() - marginiTitolo) return false;
    }
    return true;
}

}  // namespace

QFont carattereCheEntra(const QWidget* finestra) {
    // Linux desktops first, then the fonts every Windows desktop has.
    const QStringList famiglie = {QStringLiteral("Liberation Sans"),
                                  QStringLiteral("Arimo"),
                                  QStringLiteral("DejaVu Sans Condensed"),
                                  QStringLiteral("DejaVu Sans"),
                                  QStringLiteral("Segoe UI"),
                                  QStringLiteral("Tahoma"),
                                  QStringLiteral("Arial")};
    const QStringList installate = QFontDatabase::families();
    for (const QString& famiglia : famiglie) {
        if (!installate.contains(famiglia)) continue;
        for (int pixel = 12; pixel >= 8; --pixel) {
            QFont carattere(famiglia);
            carattere.setPixelSize(pixel);
            if (entra(finestra, carattere)) return carattere;
        }
    }
    QFont predefinito = finestra->font();
    predefinito.setPixelSize(9);
    return predefinito;
}

}  // namespace flumetra
