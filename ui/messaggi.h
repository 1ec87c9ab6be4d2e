// The window's Italian texts that are not captions: tooltips, accessible
// names, and what a failed recalculation step says.
#pragma once

#include <QString>

#include "logic/esito.h"
#include "logic/finestra.h"

namespace flumetra::messaggi {

QString nomeCampo(Campo campo);   // "Sezione A", "Portata G", …
QString suggerimento(Modo modo);  // what the mode radio holds
QString suggerimento(Sezione sezione);
QString nomeSpinner(Spinner spinner);
QString passoNonRiuscito(const PassoFallito& fallito);

}  // namespace flumetra::messaggi
