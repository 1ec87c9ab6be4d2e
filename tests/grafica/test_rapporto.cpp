// The run's report without a window: its pages as a PDF writer lays them
// out, for the reference run and for one too long for a page, the table's
// headings whole on narrow paper, and the file, written whole.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "percorso/calcolo.h"
#include "percorso/file.h"
#include "percorso/rapporto.h"
#include "riferimento.h"
#include "ui/grafica/pagine_rapporto.h"
#include "ui/grafica/rapporto_pdf.h"
#include "ui/grafica/tabella_rapporto.h"

namespace flumetra {
namespace {

percorso::Percorso riferimento() { return std::get<percorso::Percorso>(percorso::leggi(testoRiferimento)); }

// The reference run with n more terminals under T3.
percorso::Percorso conTerminali(int n) {
    percorso::Percorso p = riferimento();
    for (int k = 0; k < n; ++k) {
        percorso::Tratto t;
        t.id = std::string(1, 'U');  // not "U" + …: GCC 12's -Wrestrict sees an overlap there at -O3
        t.id += std::to_string(k);
        t.monte = "T3";
        t.L = 2;
        t.G = 100;
        t.ruolo = percorso::Ruolo::Terminale;
        p.tratti.push_back(t);
    }
    return p;
}

// Every section's row once, in order, the pages' rows following one another;
// the chart's page last, alone.
TEST(Rapporto, TheTableFlowsOntoPagesAndTheChartComesLast) {
    const struct {
        int aggiunti;
        int pagine;  // 0: more than two
    } casi[] = {{0, 2}, {80, 0}};
    for (const auto& caso : casi) {
        const percorso::Percorso p = conTerminali(caso.aggiunti);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(paginaDelRapporto());
        pdf.setResolution(300);
        const PagineRapporto pagine(percorso::rapportoDi(p, percorso::calcola(p)), {}, pdf);
        if (caso.pagine > 0) {
            EXPECT_EQ(pagine.numero(), caso.pagine);
        } else {
            EXPECT_GT(pagine.numero(), 3);
        }
        std::size_t dopo = 0;
        for (int n = 0; n + 1 < pagine.numero(); ++n) {
            const auto [prima, fine] = pagine.righeSullaPagina(n);
            if (fine == 0) continue;  // a page of what follows the table
            EXPECT_EQ(prima, dopo) << "page " << n;
            dopo = fine;
        }
        EXPECT_EQ(dopo, p.tratti.size()) << caso.aggiunti;
        EXPECT_EQ(pagine.righeSullaPagina(pagine.numero() - 1).second, 0U) << "no row beside the chart";
    }
}

// On A4 upright the font steps down; each heading's words and its unit still fit
// their column, so that no heading breaks inside one.
TEST(Rapporto, HeadingsBreakOnlyBetweenWords) {
    const percorso::Percorso p = riferimento();
    const percorso::Rapporto rapporto = percorso::rapportoDi(p, percorso::calcola(p));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12)));
    pdf.setResolution(300);
    QFont carattere(QStringLiteral("DejaVu Sans"));
    carattere.setPointSizeF(7);
    const TabellaRapporto tabella(rapporto, carattere, pdf, pdf.width());
    EXPECT_LT(tabella.carattere().pointSizeF(), 7) << "stepped down to fit";
    QFont grassetto = tabella.carattere();
    grassetto.setBold(true);
    const QFontMetricsF m(grassetto, &pdf);
    for (std::size_t c = 0; c < rapporto.colonne.size(); ++c) {
        const QString titolo = QString::fromStdString(rapporto.colonne[c].titolo);
        QStringList parole = titolo.left(titolo.indexOf(QLatin1Char('['))).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (titolo.contains(QLatin1Char('['))) parole << titolo.mid(titolo.indexOf(QLatin1Char('[')));
        for (const QString& parola : parole) {
            EXPECT_LE(m.horizontalAdvance(parola), tabella.larghezze().at(c)) << parola.toStdString();
        }
    }
}

TEST(Rapporto, TheFileIsAPdfOfItsPages) {
    const percorso::Percorso p = riferimento();
    QTemporaryDir cartella;
    const QString pdf = cartella.filePath(QStringLiteral("rete.pdf"));
    ASSERT_EQ(scriviRapportoPdf(pdf, QStringLiteral("rete.flumetra"), p, percorso::calcola(p)), std::nullopt);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray dati = file.readAll();
    EXPECT_TRUE(dati.startsWith("%PDF-"));
    EXPECT_EQ(dati.count("/Type /Page\n"), 2);

    const auto errore = scriviRapportoPdf(cartella.filePath(QStringLiteral("manca/rete.pdf")),
                                          QStringLiteral("rete.flumetra"), p, percorso::calcola(p));
    ASSERT_TRUE(errore.has_value());
    EXPECT_TRUE(errore->contains(QStringLiteral("rete.pdf"))) << errore->toStdString();
}

}  // namespace
}  // namespace flumetra
