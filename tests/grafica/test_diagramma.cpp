// The friction chart drawn without a window: its marks where the plane puts
// them, in their colours, on a QImage; its pictures open in other programs.

#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ui/grafica/disegno_diagramma.h"
#include "ui/grafica/esporta_diagramma.h"

namespace flumetra {
namespace {

QFont carattere() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(12);
    return f;
}

TEST(Pittore, EachMarkWherePlaneSaysInItsColour) {
    ContenutoDiagramma contenuto;
    contenuto.condotto = dettagli::PuntoDiagramma{3000, 0.226};
    contenuto.tratti = {{"T1", 1000, 0.5, true}, {"T2", 500, 1.2, false}};
    const QRectF area(0, 0, 800, 600);
    QImage immagine(area.size().toSize(), QImage::Format_RGB32);
    QPainter pittore(&immagine);
    disegnaDiagramma(pittore, area, carattere(), contenuto);
    pittore.end();

    const PianoDiagramma piano(area, QFontMetricsF(carattere(), &immagine));
    struct Riga {
        const char* cosa;
        dettagli::PuntoDiagramma dove;
        QColor colore;
    };
    const Riga righe[] = {
        {"the duct, orange", {3000, 0.226}, QColor(0xe8, 0x74, 0x00)},
        {"a section of the index run, a green square", {1000, 0.5}, QColor(0x1e, 0x7a, 0x3c)},
        {"another section, a ring on paper", {500, 1.2}, QColor(Qt::white)},
    };
    for (const Riga& r : righe) EXPECT_EQ(immagine.pixelColor(piano.punto(r.dove).toPoint()), r.colore) << r.cosa;
    EXPECT_EQ(immagine.pixelColor(1, 1), QColor(Qt::white)) << "the paper";
}

// The PNG through Qt's own reader, the PDF by its header, the SVG through
// ImageMagick's reader where this build writes one.
TEST(Pittore, ItsPicturesOpen) {
    const ContenutoDiagramma contenuto;
    QTemporaryDir cartella;
    const QString png = cartella.filePath("diagramma.png");
    const QString pdf = cartella.filePath("diagramma.pdf");
    EXPECT_EQ(esportaDiagramma(png, FormatoImmagine::Png, contenuto, carattere()), std::nullopt);
    EXPECT_EQ(QImage(png).size(), QSize(1600, 1200));
    EXPECT_EQ(esportaDiagramma(pdf, FormatoImmagine::Pdf, contenuto, carattere()), std::nullopt);
    QFile documento(pdf);
    ASSERT_TRUE(documento.open(QIODevice::ReadOnly));
    EXPECT_TRUE(documento.read(5) == "%PDF-");

    const QString senzaCartella = cartella.filePath("manca/diagramma.pdf");
    const std::optional<QString> errore = esportaDiagramma(senzaCartella, FormatoImmagine::Pdf, contenuto, carattere());
    ASSERT_TRUE(errore.has_value());
    EXPECT_TRUE(errore->startsWith("Non è stato possibile scrivere il documento PDF in «" + senzaCartella + "»: "));

#ifndef FLUMETRA_SVG
    GTEST_SKIP() << "built without Qt SVG: no SVG to write";
#endif
    const QString svg = cartella.filePath("diagramma.svg");
    EXPECT_EQ(esportaDiagramma(svg, FormatoImmagine::Svg, contenuto, carattere()), std::nullopt);

    if (QStandardPaths::findExecutable("convert").isEmpty()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    QProcess convert;
    convert.start("convert", {svg, "png:-"});
    ASSERT_TRUE(convert.waitForFinished(60000));
    EXPECT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    EXPECT_EQ(QImage::fromData(convert.readAllStandardOutput(), "PNG").size(), QSize(1600, 1200));
}

}  // namespace
}  // namespace flumetra
