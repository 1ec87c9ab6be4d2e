// The title block at the foot of every page of the report, framed as on a
// drawing: the project, the client, the designer, the revision and the date
// on its first row; the free note, the run's file and «Pagina n di N» on the
// second. An entry not given leaves its box empty; a long one is cut short
// with «…», the note wrapping onto a second line first.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

#include "percorso/rapporto.h"

class QPaintDevice;
class QPainter;

namespace flumetra {

struct DatiCartiglio {
    std::vector<percorso::VoceRapporto> voci;  // the run's title block, in its order
    QString percorso;                          // the run's file name
    QString data;                              // «dd/MM/yyyy»
};

class Cartiglio {
public:
    Cartiglio(DatiCartiglio dati, const QFont& carattere, const QPaintDevice& dispositivo);

    [[nodiscard]] double altezza() const { return primaRiga_ + secondaRiga_; }
    // At the foot of area, as wide as it is.
    void disegna(QPainter& pittore, const QRectF& area, int pagina, int pagine) const;

private:
    void casella(QPainter& pittore, const QRectF& r, const QString& etichetta, const QString& valore) const;

    DatiCartiglio dati_;
    const QPaintDevice& dispositivo_;
    QFont etichetta_, valore_;
    double margine_, righeValore_, primaRiga_, secondaRiga_;
};

}  // namespace flumetra
