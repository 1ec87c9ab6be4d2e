// What the friction chart says in words: its titles and legend, a tooltip for
// what lies under the pointer, and the description a screen reader gives of
// the whole chart, with where the duct's point falls among the lines, which
// are the calculator's or a run's.
// Numbers with the decimal comma: G whole, D in whole mm, the rest to three
// significant digits.
//
//   descrizioneDiagramma(the start duct, G 3000 m³/h and Y 0,023 mm c.a./m)
//     -> "Perdita Y da 0,01 a 10 Pa/m secondo la portata G … Punto del
//         condotto: G 3000 m³/h, Y 0,226 Pa/m (0,023 mm c.a./m), tra D 500 e
//         D 560 mm e tra 3 e 4 m/s."
#pragma once

#include <QString>

#include "dettagli/aria.h"
#include "ui/grafica/disegno_diagramma.h"

namespace flumetra {

QString titoloPortata();      // "Portata G [m³/h]"
QString titoloPerditaPa();    // "Perdita Y [Pa/m]"
QString titoloPerditaMmca();  // "Perdita Y [mm c.a./m]"
QString voceDiametri();       // "diametro D [mm]"
QString voceVelocita();       // "velocità v [m/s]"
QString voceCondotto();       // "condotto"
QString voceTratto();         // "tratto"
QString voceIndice();         // "percorso indice"

// "aria a 20 °C, quota 0 m"; out of range, "aria fuori dai limiti: nessuna linea".
QString didascaliaAria(const dettagli::Aria& aria, bool neiLimiti);
// Whose air the lines are for: "aria a 20 °C, quota 0 m" for the
// calculator's, "percorso: aria a 20 °C, quota 0 m" for a run's.
QString didascaliaLinee(const ContenutoDiagramma& contenuto);
// How their loss is computed, in the words of the run's settings:
// "metodo: formula del calcolatore"; "metodo: Colebrook, acciaio zincato (ε 0,15 mm)".
QString didascaliaMetodo(const ContenutoDiagramma& contenuto);

// A picture's title: "Diagramma delle perdite", and for a run's lines
// "Diagramma delle perdite – percorso «nome»".
QString titoloDiagramma();
QString titoloDiagramma(const QString& nomeDelPercorso);

// "500" for a diameter, "4 m/s" for a velocity.
QString etichettaDellaLinea(const dettagli::Linea& linea);

// The tooltip of what lies under the pointer.
QString suggerimentoDiagramma(const Sotto& sotto, const ContenutoDiagramma& contenuto);

// What the chart shows and where the duct's point and the sections are.
QString descrizioneDiagramma(const ContenutoDiagramma& contenuto);

}  // namespace flumetra
