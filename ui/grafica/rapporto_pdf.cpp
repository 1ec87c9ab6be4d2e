#include "ui/grafica/rapporto_pdf.h"

#include <QDate>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "percorso/rapporto.h"
#include "ui/grafica/disegno_diagramma.h"
#include "ui/grafica/errori_dei_file.h"
#include "ui/grafica/pagine_rapporto.h"

namespace flumetra {
namespace {

// The chart in the run's air and method, with its sections.
ContenutoDiagramma diagrammaDel(const percorso::Percorso& p, const percorso::Risultati& r) {
    ContenutoDiagramma c;
    cambiaLinee(c, p.aria, MetodoDelPercorso{p.metodo, p.materiale});
    c.tratti = puntiDelPercorso(p, r);
    return c;
}

}  // namespace

QPageLayout paginaDelRapporto() {
    return {QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter};
}

bool disegnaRapporto(QPagedPaintDevice& dispositivo, const QString& nome, const percorso::Percorso& p,
                     const percorso::Risultati& r, int prima, int ultima) {
    const PagineRapporto pagine(percorso::rapportoDi(p, r),
                                {nome, QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")), diagrammaDel(p, r)},
                                dispositivo);
    const int da = std::clamp(prima, 1, pagine.numero());
    const int a = ultima <= 0 ? pagine.numero() : std::clamp(ultima, da, pagine.numero());
    QPainter pittore;
    if (!pittore.begin(&dispositivo)) return false;
    for (int n = da; n <= a; ++n) {
        if (n > da) dispositivo.newPage();
        pagine.disegna(pittore, n - 1);
    }
    return pittore.end();
}

std::optional<QString> scriviRapportoPdf(const QString& percorsoFile, const QString& nomeDelPercorso,
                                         const percorso::Percorso& percorso, const percorso::Risultati& risultati) {
    QSaveFile file(percorsoFile);
    const auto nonScritto = [&] { return nonSalvato(percorsoFile, file, 0); };
    if (!file.open(QIODevice::WriteOnly)) return nonScritto();
    {
        QPdfWriter pdf(&file);
        pdf.setPageLayout(paginaDelRapporto());
        pdf.setResolution(300);
        pdf.setTitle(QStringLiteral("Percorso «%1»").arg(nomeDelPercorso));
        pdf.setCreator(QStringLiteral("Flumetra"));
        if (!disegnaRapporto(pdf, nomeDelPercorso, percorso, risultati)) return nonScritto();
    }
    if (!file.commit()) return nonScritto();
    return std::nullopt;
}

}  // namespace flumetra
