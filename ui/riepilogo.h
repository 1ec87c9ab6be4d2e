// What the details window shows, line by line, and the plain-text summary for
// a report: every field with its unit, the mode and the held side, and the
// details' lines, one a line as "label<TAB>value<TAB>unit", in Italian.
#pragma once

#include <QString>
#include <vector>

#include "dettagli/dettagli.h"

namespace flumetra {

class Finestra;

struct RigaDettaglio {
    QString etichetta;  // "Perdita R (Colebrook)"
    QString valore;     // "0,249", or "—"
    QString unita;      // "Pa/m"; empty where the value has none
};

// The details' lines, in the window's order (the same for every value).
std::vector<RigaDettaglio> righeDettagli(const dettagli::Dettagli& d);

// "Aria a 20 °C e 101 325 Pa: ρ 1,2041 kg/m³, μ 1,813·10⁻⁵ Pa·s"
QString ariaDiRiferimento();

// "acciaio zincato (ε 0,15 mm)"
QString nomeMateriale(dettagli::Materiale materiale);

// The fields the details read, as they stand.
dettagli::TestiDelCondotto testiDelCondotto(const Finestra& finestra);

QString riepilogo(const Finestra& finestra, const dettagli::Dettagli& d);

}  // namespace flumetra
