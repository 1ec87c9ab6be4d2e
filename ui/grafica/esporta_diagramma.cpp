#include "ui/grafica/esporta_diagramma.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#ifdef FLUMETRA_SVG
#include <QSvgGenerator>
#endif

#include "ui/grafica/errori_dei_file.h"
#include "ui/grafica/testi_diagramma.h"

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
    switch (formato) {
        case FormatoImmagine::Png: return QStringLiteral("l'immagine PNG");
        case FormatoImmagine::Svg: return QStringLiteral("il disegno SVG");
        case FormatoImmagine::Pdf: break;
    }
    return QStringLiteral("il documento PDF");
}

// One page of the picture's proportions, 1600 × 1200 at 96 dots an inch.
QByteArray pdf(const ContenutoDiagramma& contenuto, const QFont& carattere) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter scrittore(&buffer);
    constexpr double millimetriPerPunto = 25.4 / 96;
    scrittore.setPageLayout(QPageLayout(QPageSize(QSizeF(dimensioneEsportata) * millimetriPerPunto,
                                                  QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                                        QPageLayout::Portrait, QMarginsF()));
    scrittore.setResolution(96);
    scrittore.setTitle(contenuto.titolo);
    scrittore.setCreator(QStringLiteral("Flumetra"));
    QPainter pittore(&scrittore);
    disegnaDiagramma(pittore, QRectF(QPointF(0, 0), QSizeF(scrittore.width(), scrittore.height())),
                     carattereDelReport(carattere), contenuto);
    pittore.end();
    return buffer.data();
}

#ifdef FLUMETRA_SVG
QByteArray svg(const ContenutoDiagramma& contenuto, const QFont& carattere) {
    QBuffer buffer;
    QSvgGenerator generatore;
    generatore.setOutputDevice(&buffer);
    generatore.setSize(dimensioneEsportata);
    generatore.setResolution(96);  // its width and height in mm, as a reader at 96 DPI turns them into 1600 × 1200
    generatore.setViewBox(QRect(QPoint(0, 0), dimensioneEsportata));
    generatore.setTitle(contenuto.titolo);
    generatore.setDescription(descrizioneDiagramma(contenuto));
    QPainter pittore(&generatore);
    disegnaDiagramma(pittore, QRectF(QPointF(0, 0), dimensioneEsportata), carattereDelReport(carattere), contenuto);
    pittore.end();
    return buffer.data();
}
#endif

QImage png(const ContenutoDiagramma& contenuto, const QFont& carattere) {
    QImage immagine(dimensioneEsportata, QImage::Format_RGB32);
    QPainter pittore(&immagine);
    disegnaDiagramma(pittore, QRectF(immagine.rect()), carattereDelReport(carattere), contenuto);
    pittore.end();
    return immagine;
}

}  // namespace

std::optional<QString> esportaDiagramma(const QString& percorso, FormatoImmagine formato,
                                        const ContenutoDiagramma& contenutoDellaFinestra, const QFont& carattere) {
    ContenutoDiagramma contenuto = contenutoDellaFinestra;
    if (contenuto.titolo.isEmpty()) contenuto.titolo = titoloDiagramma();
    QSaveFile file(percorso);
    auto fallito = [&](const QString& perche) {
        return QStringLiteral("Non è stato possibile scrivere %1 in «%2»: %3")
            .arg(nomeDelFormato(formato), percorso, perche);
    };
    auto perDelSistema = [&] { return perche(circostanze(percorso, file, true)); };
    if (!file.open(QIODevice::WriteOnly)) return fallito(perDelSistema());
    if (formato == FormatoImmagine::Png) {
        QImageWriter scrittore(&file, "png");
        if (!scrittore.write(png(contenuto, carattere))) {
            file.cancelWriting();
            return fallito(perDelSistema());
        }
    } else {
        const QByteArray dati = formato == FormatoImmagine::Pdf ? pdf(contenuto, carattere)
#ifdef FLUMETRA_SVG
                                                                : svg(contenuto, carattere);
#else
                                                                : QByteArray();
#endif
        if (dati.isEmpty() || file.write(dati) != dati.size()) {
            file.cancelWriting();
            return fallito(perDelSistema());
        }
    }
    if (!file.commit()) return fallito(perDelSistema());
    return std::nullopt;
}

std::vector<FormatoImmagine> formatiDisponibili() {
#ifdef FLUMETRA_SVG
    return {FormatoImmagine::Png, FormatoImmagine::Svg, FormatoImmagine::Pdf};
#else
    return {FormatoImmagine::Png, FormatoImmagine::Pdf};
#endif
}

QString estensioneDi(FormatoImmagine formato) {
    switch (formato) {
        case FormatoImmagine::Png: return QStringLiteral(".png");
        case FormatoImmagine::Svg: return QStringLiteral(".svg");
        case FormatoImmagine::Pdf: break;
    }
    return QStringLiteral(".pdf");
}

QString filtroDi(FormatoImmagine formato) {
    switch (formato) {
        case FormatoImmagine::Png: return QStringLiteral("Immagine PNG (*.png)");
        case FormatoImmagine::Svg: return QStringLiteral("Disegno SVG (*.svg)");
        case FormatoImmagine::Pdf: break;
    }
    return QStringLiteral("Documento PDF (*.pdf)");
}

std::optional<FormatoImmagine> formatoDi(const QString& percorso) {
    for (const FormatoImmagine formato : formatiDisponibili()) {
        if (percorso.endsWith(estensioneDi(formato), Qt::CaseInsensitive)) return formato;
    }
    return std::nullopt;
}

}  // namespace flumetra
