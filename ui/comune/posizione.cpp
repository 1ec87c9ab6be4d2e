#include "ui/comune/posizione.h"

#include <algorithm>
#include <array>

namespace flumetra {

QPoint accanto(const QRect& principale, QSize dimensione, const QRect& schermo) {
    const int d = distanzaTraFinestre;
    const std::array<QPoint, 3> candidati = {
        QPoint(principale.right() + 1 + d, principale.top()),
        QPoint(principale.left() - d - dimensione.width(), principale.top()),
        QPoint(principale.left(), principale.bottom() + 1 + d),
    };
    for (const QPoint& punto : candidati) {
        if (schermo.contains(QRect(punto, dimensione))) return punto;
    }
    // Nowhere beside it: as near to the right as the screen allows, its
    // top-left corner always inside.
    const int x = std::max(schermo.left(), std::min(candidati[0].x(), schermo.right() + 1 - dimensione.width()));
    const int y = std::max(schermo.top(), std::min(candidati[0].y(), schermo.bottom() + 1 - dimensione.height()));
    return {x, y};
}

int spazioAccanto(const QRect& principale, const QRect& schermo) {
    const int destra = schermo.right() - principale.right() - distanzaTraFinestre;
    const int sinistra = principale.left() - schermo.left() - distanzaTraFinestre;
    return std::max(0, std::max(destra, sinistra));
}

QSize dimensioneAccanto(const QRect& principale, QSize dimensione, QSize minima, const QRect& schermo) {
    const int spazio = spazioAccanto(principale, schermo);
    if (dimensione.width() <= spazio && dimensione.height() <= schermo.height()) return dimensione;
    const double scala = std::min({1.0, static_cast<double>(spazio) / dimensione.width(),
                                   static_cast<double>(schermo.height()) / dimensione.height()});
    return {std::max(minima.width(), static_cast<int>(dimensione.width() * scala)),
            std::max(minima.height(), static_cast<int>(dimensione.height() * scala))};
}

}  // namespace flumetra
