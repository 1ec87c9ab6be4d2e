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
#include "ui/grafica/tela_diagramma.h"

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
    contenuto.tratti = {{"T1", 1000, 0.5, true}, {"T2", 500, 1.2, false}, {"T9", 3000, 0.226, true}};
    const QRectF area(0, 0, 800, 600);
    QImage immagine(area.size().toSize(), QImage::Format_RGB32);
    QPainter pittore(&immagine);
    disegnaDiagramma(pittore, area, carattere(), contenuto);
    pittore.end();

    const PianoDiagramma piano(area, QFontMetricsF(carattere(), &immagine), contenuto);
    struct Riga {
        const char* cosa;
        dettagli::PuntoDiagramma dove;
        QColor colore;
    };
    const Riga righe[] = {
        {"the duct, orange, over a section at its point", {3000, 0.226}, QColor(0xe8, 0x74, 0x00)},
        {"a section of the index run, a green square", {1000, 0.5}, QColor(0x1e, 0x7a, 0x3c)},
        {"another section, a ring on paper", {500, 1.2}, QColor(Qt::white)},
    };
    for (const Riga& r : righe) EXPECT_EQ(immagine.pixelColor(piano.punto(r.dove).toPoint()), r.colore) << r.cosa;
    EXPECT_EQ(immagine.pixelColor(1, 1), QColor(Qt::white)) << "the paper";
}

// Identical sections are one point; the legend takes the rows a narrow
// picture needs (a window at scale 2 is about 350 pixels wide), its items
// side by side inside each row, below a picture's title.
TEST(Pittore, IdenticalSectionsAreOnePointAndTheLegendWraps) {
    ContenutoDiagramma contenuto;
    contenuto.tratti = {{"T2", 800, 0.7, false}, {"T4", 800, 0.7, true}, {"T3", 2200, 0.5, true}};
    EXPECT_EQ(puntiDeiTratti(contenuto.tratti), (std::vector<std::vector<std::size_t>>{{0, 1}, {2}}));
    cambiaLinee(contenuto, {20, 0}, MetodoDelPercorso{percorso::Metodo::Colebrook, dettagli::Materiale::Zincato});

    QImage immagine(QSize(10, 10), QImage::Format_RGB32);
    const QFontMetricsF metriche(carattere(), &immagine);
    contenuto.titolo = QStringLiteral("Diagramma delle perdite");
    const PianoDiagramma piano(QRectF(0, 0, 340, 400), metriche, contenuto);
    const double u = piano.unita();
    const std::vector<diagramma::VoceLegenda> voci = diagramma::vociDellaLegenda(contenuto);
    ASSERT_EQ(voci.size(), 7U);
    EXPECT_EQ(voci[5].testo, "percorso: aria a 20 °C, quota 0 m");
    EXPECT_EQ(voci[6].testo, "metodo: Colebrook, acciaio zincato (ε 0,15 mm)");
    const std::pair<double, int> righe[] = {{1600, 1}, {640, 2}, {340, 4}};
    for (const auto& [larghezza, attese] : righe) {
        const auto posti = diagramma::disponiLegenda(voci, metriche, u, larghezza);
        EXPECT_EQ(posti.back().riga + 1, attese) << larghezza;
        for (std::size_t i = 0; i < posti.size(); ++i) {
            EXPECT_LE(posti[i].x + posti[i].larghezza, larghezza) << larghezza << ' ' << i;
            EXPECT_GE(posti[i].larghezza, metriche.horizontalAdvance(voci[i].testo))
                << "whole: " << voci[i].testo.toStdString();
            if (i > 0 && posti[i].riga == posti[i - 1].riga) {
                EXPECT_GT(posti[i].x, posti[i - 1].x + posti[i - 1].larghezza) << larghezza << ' ' << i;
            }
        }
    }
    EXPECT_LT(piano.titolo().bottom(), piano.legenda().top());
    EXPECT_NEAR(piano.legenda().height(), 4 * metriche.height() + 3 * 3 * u, 1e-9) << "four rows";
    EXPECT_LT(piano.legenda().bottom(), piano.riquadro().top());
}

// The PNG through Qt's own reader, the PDF by its header, the SVG through
// ImageMagick's reader where this build writes one.
TEST(Pittore, ItsPicturesOpen) {
    const ContenutoDiagramma contenuto;
    QTemporaryDir cartella;
    const QString png = cartella.filePath("diagramma.png");
    const QString pdf = cartella.filePath("diagramma.pdf");
    EXPECT_EQ(esportaDiagramma(png, FormatoImmagine::Png, contenuto, carattere()), std::nullopt);
    const QImage immagine(png);
    EXPECT_EQ(immagine.size(), QSize(1600, 1200));
    // Under a title: the legend's first sample, the diameters' blue, a row lower.
    QFont grande = carattere();
    grande.setPixelSize(1200 / 46);
    ContenutoDiagramma conTitolo = contenuto;
    conTitolo.titolo = QStringLiteral("Diagramma delle perdite");
    const PianoDiagramma piano(QRectF(immagine.rect()), QFontMetricsF(grande, &immagine), conTitolo);
    // Searched over the legend's start, whose glyphs fall a little apart
    // where the system's fonts differ (Windows).
    const QRect legenda = piano.legenda().toAlignedRect().intersected(immagine.rect());
    bool blu = false;
    for (int y = legenda.top(); y <= legenda.bottom() && !blu; ++y) {
        for (int x = legenda.left(); x <= legenda.left() + static_cast<int>(20 * piano.unita()) && !blu; ++x) {
            const QColor c = immagine.pixelColor(x, y);
            blu = c.blue() > c.red() + 60;
        }
    }
    EXPECT_TRUE(blu) << "the diameters' sample below the title";
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
