#include "ui/esporta_diagramma.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "ui/testi_diagramma.h"

namespace flumetra {
namespace {

// The window's family, large enough to read on a printed page: about 2 % of
// the picture's height.
QFont carattereDelReport(const QFont& carattere) {
    QFont grande(carattere);
    grande.setPixelSize(dimensioneEsportata.height() / 46);
    return grande;
}

QString nomeDelFormato(FormatoImmagine formato) {
    return formato == FormatoImmagine::Png ? QStringLiteral("l'immagine PNG") : QStringLiteral("il disegno SVG");
}

QByteArray svg(const ContenutoDiagramma& contenuto, const QFont& carattere) {
    QBuffer buffer;
    QSvgGenerator generatore;
    generatore.setOutputDevice(&buffer);
    generatore.setSize(dimensioneEsportata);
    generatore.setResolution(96);  // its width and height in mm, as a reader at 96 DPI turns them into 1600 × 1200
    generatore.setViewBox(QRect(QPoint(0, 0), dimensioneEsportata));
    generatore.setTitle(QStringLiteral("Diagramma delle perdite"));
    generatore.setDescription(descrizioneDiagramma(contenuto));
    QPainter pittore(&generatore);
    disegnaDiagramma(pittore, QRectF(QPointF(0, 0), dimensioneEsportata), carattereDelReport(carattere), contenuto);
    pittore.end();
    return buffer.data();
}

QImage png(const ContenutoDiagramma& contenuto, const QFont& carattere) {
    QImage immagine(dimensioneEsportata, QImage::Format_RGB32);
    QPainter pittore(&immagine);
    disegnaDiagramma(pittore, QRectF(immagine.rect()), carattereDelReport(carattere), contenuto);
    pittore.end();
    return immagine;
}

}  // namespace

std::optional<QString> esportaDiagramma(const QString& percorso, FormatoImmagine formato,
                                        const ContenutoDiagramma& contenuto, const QFont& carattere) {
    QSaveFile file(percorso);
    auto fallito = [&](const QString& perche) {
        return QStringLiteral("Non è stato possibile scrivere %1 in «%2»: %3")
            .arg(nomeDelFormato(formato), percorso, perche);
    };
    if (!file.open(QIODevice::WriteOnly)) return fallito(file.errorString());
    if (formato == FormatoImmagine::Png) {
        QImageWriter scrittore(&file, "png");
        if (!scrittore.write(png(contenuto, carattere))) {
            file.cancelWriting();
            return fallito(scrittore.errorString());
        }
    } else {
        const QByteArray dati = svg(contenuto, carattere);
        if (file.write(dati) != dati.size()) {
            file.cancelWriting();
            return fallito(file.errorString());
        }
    }
    if (!file.commit()) return fallito(file.errorString());
    return std::nullopt;
}

std::optional<FormatoImmagine> formatoDi(const QString& percorso) {
    if (percorso.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) return FormatoImmagine::Png;
    if (percorso.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) return FormatoImmagine::Svg;
    return std::nullopt;
}

}  // namespace flumetra
