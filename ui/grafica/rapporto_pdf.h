// The run's report a designer hands in, as A4 landscape pages (pagine_rapporto.h):
// the title block on every page with the date and «n di N», the basis the
// run was designed on, the table of the sections, the fittings and the
// totals, then the friction chart with the run's sections on the last page.
// The same drawing goes to a PDF, written whole or not at all, and to a
// printer.
#pragma once

#include <QPageLayout>
#include <QString>
#include <optional>

#include "percorso/calcolo.h"
#include "percorso/percorso.h"

class QPagedPaintDevice;

namespace flumetra {

// A4 landscape with 12 mm margins: the PDF's, and what a printer is offered.
QPageLayout paginaDelRapporto();

// The pages from prima to ultima (from 1, both included; 0 for the last) on
// the device as it is laid out; false when the device would not paint.
bool disegnaRapporto(QPagedPaintDevice& dispositivo, const QString& nomeDelPercorso, const percorso::Percorso& percorso,
                     const percorso::Risultati& risultati, int prima = 1, int ultima = 0);

// Nothing when written; else why not, naming the file.
std::optional<QString> scriviRapportoPdf(const QString& percorsoFile, const QString& nomeDelPercorso,
                                         const percorso::Percorso& percorso, const percorso::Risultati& risultati);

}  // namespace flumetra
