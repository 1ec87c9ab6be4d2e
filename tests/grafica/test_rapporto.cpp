// The run's PDF report without a window: its text, as the pages lay it
// out, for the reference run; and the file, written whole.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "percorso/calcolo.h"
#include "percorso/file.h"
#include "riferimento.h"
#include "ui/grafica/rapporto_pdf.h"

namespace flumetra {
namespace {

TEST(Rapporto, TheReferenceRunsTextAndFile) {
    auto p = std::get<percorso::Percorso>(percorso::leggi(testoRiferimento));
    p.intestazione.di(percorso::Voce::Cliente) = "Rossi & figli";
    const percorso::Risultati r = percorso::calcola(p);
    const QString html = htmlDelRapporto(QStringLiteral("riferimento.flumetra"), p, r);
    const char* attesi[] = {
        "<h2>Percorso «riferimento.flumetra»</h2><p>Cliente: Rossi &amp; figli</p>",
        "Aria: 20 °C, quota 0 m<br>",
        "Metodo per R: formula del calcolatore; materiale: acciaio zincato (ε 0,15 mm)<br>",
        "<th>Re</th>",
        "<th>avvisi</th>",
        "<td style='white-space:nowrap'>velocità, perdita</td>",  // T5's warnings in words
        "Portata al ventilatore: 3000 m³/h<br>",
        "Pressione al ventilatore: 94,9 Pa<br>",
        "Percorso indice: T1 → T3 → T5<br>",
        "Superficie: 56,62 m²</p>",
    };
    for (const char* atteso : attesi) EXPECT_TRUE(html.contains(QString::fromUtf8(atteso))) << atteso;
    EXPECT_EQ(html.count(QStringLiteral("<tr style='font-weight:bold'>")), 3) << "the index run's rows in bold";

    QTemporaryDir cartella;
    const QString pdf = cartella.filePath(QStringLiteral("rete.pdf"));
    ASSERT_EQ(scriviRapportoPdf(pdf, QStringLiteral("rete.flumetra"), p, r), std::nullopt);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
}

}  // namespace
}  // namespace flumetra
