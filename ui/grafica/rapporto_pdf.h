// The run as an A4 landscape report in PDF, with Qt's own writer: the
// file's name and the date, the air, the method, the material and the
// limits, the table as the sheet shows it (the index run's rows in bold, the
// warnings in words), the fan's totals and the index run, and «Pagina n di
// N» at the foot of every page. Written whole or not at all.
#pragma once

#include <QString>
#include <optional>

#include "percorso/calcolo.h"
#include "percorso/percorso.h"

namespace flumetra {

// The report's text, as the PDF lays it out on its pages.
QString htmlDelRapporto(const QString& nomeDelPercorso, const percorso::Percorso& percorso,
                        const percorso::Risultati& risultati);

// Nothing when written; else why not, naming the file.
std::optional<QString> scriviRapportoPdf(const QString& percorsoFile, const QString& nomeDelPercorso,
                                         const percorso::Percorso& percorso, const percorso::Risultati& risultati);

}  // namespace flumetra
