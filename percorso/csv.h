// The computed run as CSV text for a spreadsheet set to Italian (LibreOffice
// Calc, Excel): UTF-8 with a byte-order mark, fields separated by «;», CRLF
// line ends, the decimal comma, a field quoted (RFC 4180) when it holds «;»,
// «"» or a line break. First the title block and the settings the run was
// sized with, a labelled line each; an empty row; a header row with units,
// one row per section in the run's order, with whether its size was given
// («data») or chosen («scelta») and whether it lies on the index run; an
// empty row, then the totals as label and value. Numbers carry every decimal
// that makes them exact (testoEsatto), a value as given stays as given; one
// not given is an empty field, or «—» in a section without air, where
// nothing is sized. The columns are the sheet's (colonne.h) in the CSV's
// order, the totals totali.h's.
//
//   Progetto;Scuola «Verdi»
//   …
//   Note;
//   Temperatura dell'aria [°C];20
//   …
//   v max terminale [m/s];3,5
//
//   id;monte;ruolo;forma;A [mm];B [mm];D o De [mm];L [m];G [m³/h];v [m/s];Re;R [Pa/m];…;misura;percorso indice;avvisi
//   T1;;principale;rettangolare;300;550;443;12;3000;5,050505050505051;159070,8…;…;scelta;sì;
//   …
//   Pressione al ventilatore [Pa];94,93410…
#pragma once

#include <string>
#include <string_view>

#include "percorso/calcolo.h"
#include "percorso/percorso.h"

namespace flumetra::percorso {

inline constexpr std::string_view titoloMisura = "misura";
inline constexpr std::string_view titoloIndice = "percorso indice";

std::string csv(const Percorso& percorso, const Risultati& risultati);

// What the sheet and the CSV show for a size, loss or pressure the section
// does not have: «—» where it carries no air, so nothing is sized; else
// nothing (no size found, a formula that failed).
std::string senzaValore(const RisultatoTratto& r);

}  // namespace flumetra::percorso
