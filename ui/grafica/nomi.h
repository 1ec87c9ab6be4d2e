// How the windows, the summary and the report name a duct material and a
// way of computing R.
//
//   nomeMateriale(Materiale::Zincato)  -> "acciaio zincato (ε 0,15 mm)"
//   nomeMetodo(Metodo::Calcolatore)    -> "formula del calcolatore"
#pragma once

#include <QString>

#include "dettagli/materiali.h"
#include "percorso/percorso.h"

namespace flumetra {

QString nomeMateriale(dettagli::Materiale materiale);
QString nomeMetodo(percorso::Metodo metodo);

}  // namespace flumetra
