// The friction chart as a picture for a report: a 1600 × 1200 PNG, or as
// lines that scale, a PDF page of the same proportions or (where the program
// is built with Qt SVG) an SVG of the same size, drawn by the window's own
// painter with a font sized for the page, under the content's title or
// «Diagramma delle perdite». The file is written whole or not at all: the
// old file, if any, stays as it was when anything fails.
//
//   esportaDiagramma("/tmp/d.png", Png, c)         -> nothing (written)
//   esportaDiagramma("/nessuna/cartella/d.svg", Svg, c)
//     -> "Non è stato possibile scrivere il disegno SVG in «/nessuna/cartella/d.svg»: …"
#pragma once

#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "ui/grafica/disegno_diagramma.h"

class QFont;

namespace flumetra {

enum class FormatoImmagine { Png, Svg, Pdf };

// The formats this build writes, PNG first: SVG needs Qt SVG.
std::vector<FormatoImmagine> formatiDisponibili();

// "Immagine PNG (*.png)", for a file dialog; ".png".
QString filtroDi(FormatoImmagine formato);
QString estensioneDi(FormatoImmagine formato);

inline constexpr QSize dimensioneEsportata{1600, 1200};

// What went wrong, in a sentence that names the file; nothing when written.
std::optional<QString> esportaDiagramma(const QString& percorso, FormatoImmagine formato,
                                        const ContenutoDiagramma& contenuto, const QFont& carattere);

// The format a file name asks for by its extension, if this build writes it.
std::optional<FormatoImmagine> formatoDi(const QString& percorso);

}  // namespace flumetra
