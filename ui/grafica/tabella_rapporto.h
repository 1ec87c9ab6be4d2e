// The report's table of the sections on a page. Each column is as wide as
// its widest cell and the widest word of its heading, so that a heading
// breaks only between words («Δp accidentali [Pa]» on three lines, never
// «accid/entali»); while the columns are wider than the page together, the
// font steps down, to a floor; the room left is shared among them. Headings
// on grey, the index run's rows in bold, every other row lightly shaded.
//
//   TabellaRapporto t(rapporto, 7 pt, pdf, body width);
//   t.disegnaTesta(pittore, {x, y});  t.disegnaRiga(pittore, {x, y + t.altezzaTesta()}, 0);
#pragma once

#include <QFont>
#include <QPointF>
#include <QString>
#include <vector>

#include "percorso/rapporto.h"

class QPaintDevice;
class QPainter;

namespace flumetra {

class TabellaRapporto {
public:
    TabellaRapporto(const percorso::Rapporto& rapporto, const QFont& carattere, const QPaintDevice& dispositivo,
                    double larghezza);

    [[nodiscard]] double altezzaTesta() const { return altezzaTesta_; }
    [[nodiscard]] double altezzaRiga() const { return altezzaRiga_; }
    [[nodiscard]] const std::vector<double>& larghezze() const { return larghezze_; }
    [[nodiscard]] const QFont& carattere() const { return carattere_; }

    void disegnaTesta(QPainter& pittore, QPointF dove) const;
    void disegnaRiga(QPainter& pittore, QPointF dove, std::size_t riga) const;

private:
    // The columns' widths at the font's size; their sum.
    double misura(const QFont& carattere);

    const percorso::Rapporto& rapporto_;
    const QPaintDevice& dispositivo_;
    QFont carattere_, grassetto_;
    std::vector<double> larghezze_;
    double margine_ = 0, altezzaTesta_ = 0, altezzaRiga_ = 0;
};

}  // namespace flumetra
