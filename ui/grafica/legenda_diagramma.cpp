// The chart's legend, above the plot: what each kind of line and mark is,
// then the air, as many as the width holds.

#include <QPainter>

#include "ui/grafica/tela_diagramma.h"
#include "ui/grafica/testi_diagramma.h"

namespace flumetra::diagramma {

void disegnaLegenda(Tela& tela, const ContenutoDiagramma& contenuto) {
    const double y = tela.r().top() - 8 * tela.u() - tela.h() / 2;
    const double campione = 18 * tela.u();
    const double spazio = 10 * tela.u();
    double x = tela.r().left();
    auto voce = [&](const QString& t, auto&& disegnaCampione) {
        const double larghezza = campione + tela.u() * 4 + tela.metriche.horizontalAdvance(t);
        if (x + larghezza > tela.r().right()) return false;
        disegnaCampione(QPointF(x + campione / 2, y));
        tela.p.setPen(inchiostro);
        tela.p.drawText(QRectF(x + campione + 4 * tela.u(), y - tela.h() / 2, larghezza, tela.h()),
                        Qt::AlignLeft | Qt::AlignVCenter, t);
        x += larghezza + spazio;
        return true;
    };
    auto trattino = [&](const QPen& pen) {
        return [&tela, pen, campione](QPointF c) {
            tela.p.setPen(pen);
            tela.p.drawLine(c - QPointF(campione / 2, 0), c + QPointF(campione / 2, 0));
        };
    };
    const bool tutte =
        voce(voceDiametri(), trattino(tela.penna(coloreDiametro, 1.3))) &&
        voce(voceVelocita(), trattino(tela.penna(coloreVelocita, 1.1, Qt::DashLine))) &&
        voce(voceCondotto(), [&](QPointF c) { tela.segnoCondotto(c); }) &&
        (contenuto.tratti.empty() || (voce(voceTratto(), [&](QPointF c) { tela.segnoTratto(c, false); }) &&
                                      voce(voceIndice(), [&](QPointF c) { tela.segnoTratto(c, true); })));
    const QString aria = didascaliaAria(contenuto.aria, contenuto.correzione.has_value());
    const double larghezzaAria = tela.metriche.horizontalAdvance(aria);
    if (tutte && x + larghezzaAria <= tela.r().right() + spazio) {
        tela.p.setPen(inchiostro);
        tela.p.drawText(QRectF(tela.r().right() - larghezzaAria, y - tela.h() / 2, larghezzaAria, tela.h()),
                        Qt::AlignRight | Qt::AlignVCenter, aria);
    }
}

}  // namespace flumetra::diagramma
