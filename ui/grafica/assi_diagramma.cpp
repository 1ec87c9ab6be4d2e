// The chart's axes: the flow below, the loss per metre in Pa/m at the left
// and in mm c.a./m at the right, each labelled where its labels leave one
// another whole, and their titles.

#include <QPainter>
#include <QTextOption>
#include <algorithm>

#include "ui/grafica/tela_diagramma.h"
#include "ui/grafica/testi_diagramma.h"

namespace flumetra::diagramma {
namespace {

using dettagli::Tacca;

class Assi {
public:
    explicit Assi(Tela& t) : t_(t) {}

    void assi() {
        const double tacca = 5 * t_.u();
        const double spazio = 4 * t_.u();
        t_.p.setPen(t_.penna(inchiostro, 1));
        // G below.
        Etichette sotto(spazio);
        for (const Tacca& t : tacchePortata()) {
            const double x = t_.piano.x(t.valore());
            t_.p.drawLine(QPointF(x, t_.r().bottom()),
                          QPointF(x, t_.r().bottom() + (t.etichettata() ? tacca : tacca / 2)));
        }
        for (const Tacca& t : etichettatePerPriorita(tacchePortata())) {
            QRectF box = riquadroDelTesto(t_.metriche, testo(t), QPointF(), 0);
            box.moveCenter(QPointF(t_.piano.x(t.valore()), t_.r().bottom() + tacca + spazio / 2 + t_.h() / 2));
            box.moveLeft(std::clamp(box.left(), t_.r().left() - tacca, t_.r().right() + tacca - box.width()));
            if (sotto.prendi(box)) testoDiAsse(box, testo(t), Qt::AlignCenter);
        }
        // Pa/m at the left, on the grid; mm c.a./m at the right, on marks of their own.
        asseVerticale(tacchePerdita(), 1, t_.r().left(), -1);
        asseVerticale(tacchePerditaMmca(), dettagli::pascalPerMmca, t_.r().right(), 1);

        t_.p.setPen(inchiostro);
        const QRectF titoloG(t_.r().left(), t_.r().bottom() + tacca + spazio + t_.h(), t_.r().width(), t_.h());
        t_.p.drawText(titoloG, Qt::AlignCenter,
                      t_.metriche.elidedText(titoloPortata(), Qt::ElideRight, t_.r().width()));
        titoloVerticale(
            t_.r().left() - tacca - spazio / 2 - larghezzaMassima(t_.metriche, tacchePerdita()) - spazio - t_.h() / 2,
            titoloPerditaPa());
        titoloVerticale(t_.r().right() + tacca + spazio / 2 + larghezzaMassima(t_.metriche, tacchePerditaMmca()) +
                            spazio + t_.h() / 2,
                        titoloPerditaMmca());
    }

private:
    // verso -1: marks and labels left of x; 1: right of it.
    void asseVerticale(const std::vector<Tacca>& tacche, Reale pascalPerUnita, double x, int verso) {
        const double tacca = 5 * t_.u();
        const double spazio = 4 * t_.u();
        for (const Tacca& t : tacche) {
            const double y = t_.piano.y(t.valore() * pascalPerUnita);
            t_.p.drawLine(QPointF(x, y), QPointF(x + verso * (t.etichettata() ? tacca : tacca / 2), y));
        }
        Etichette accanto(0);
        for (const Tacca& t : etichettatePerPriorita(tacche)) {
            const double y = t_.piano.y(t.valore() * pascalPerUnita);
            const double larghezza = t_.metriche.horizontalAdvance(testo(t));
            const double sinistra = verso < 0 ? x - tacca - spazio / 2 - larghezza : x + tacca + spazio / 2;
            const QRectF box(sinistra, y - t_.h() / 2, larghezza, t_.h());
            if (accanto.prendi(box)) testoDiAsse(box, testo(t), verso < 0 ? Qt::AlignRight : Qt::AlignLeft);
        }
    }

    void testoDiAsse(const QRectF& box, const QString& t, Qt::Alignment allineamento) {
        t_.p.setPen(inchiostro);
        t_.p.drawText(box, t, QTextOption(allineamento | Qt::AlignVCenter));
        t_.p.setPen(t_.penna(inchiostro, 1));
    }

    // Read from below, as a printed chart's side titles are.
    void titoloVerticale(double x, const QString& titolo) {
        t_.p.save();
        t_.p.translate(x, t_.r().center().y());
        t_.p.rotate(-90);
        t_.p.setPen(inchiostro);
        t_.p.drawText(QRectF(-t_.r().height() / 2, -t_.h() / 2, t_.r().height(), t_.h()), Qt::AlignCenter,
                      t_.metriche.elidedText(titolo, Qt::ElideRight, t_.r().height()));
        t_.p.restore();
    }

    Tela& t_;
};

}  // namespace

void disegnaAssi(Tela& tela) { Assi(tela).assi(); }

}  // namespace flumetra::diagramma
