// The computed run as CSV text for a spreadsheet set to Italian (LibreOffice
// Calc, Excel): UTF-8 with a byte-order mark, fields separated by «;», CRLF
// line ends, the decimal comma, a field quoted (RFC 4180) when it holds «;»,
// «"» or a line break. A header row with units, one row per section in the
// run's order, an empty row, then the totals as label and value. A value not
// given is an empty field, or «—» in a section without air, where nothing is
// sized; numbers as the sheet shows them (testoFisso). The columns are the
// sheet's (colonne.h) in the CSV's order, the totals totali.h's.
//
//   id;monte;ruolo;forma;A [mm];B [mm];D o De [mm];L [m];G [m³/h];v [m/s];R [Pa/m];Δp attrito [Pa];Σζ;…
//   T1;;principale;rettangolare;300;550;443;12;3000;5,05;0,68;8,1;0,5;15,4;7,7;15,8;15,8;0;;;20,40;
//   "T;""2""";T1;terminale;tondo;;;300;8;800;3,14;0,40;3,2;1,2;6,0;7,1;10,4;26,2;25;51,2;43,8;7,54;
//   …
//   Pressione al ventilatore [Pa];94,9
#pragma once

#include <string>

#include "percorso/calcolo.h"
#include "percorso/percorso.h"

namespace flumetra::percorso {

std::string csv(const Percorso& percorso, const Risultati& risultati);

// What the sheet and the CSV show for a size, loss or pressure the section
// does not have: «—» where it carries no air, so nothing is sized; else
// nothing (no size found, a formula that failed).
std::string senzaValore(const RisultatoTratto& r);

}  // namespace flumetra::percorso
