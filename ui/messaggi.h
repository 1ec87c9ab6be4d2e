// The window's Italian texts that are not captions: tooltips, accessible
// names, and what a failed recalculation step says.
#pragma once

#include <QString>
#include <QStringList>

#include "logic/esito.h"
#include "logic/finestra.h"

namespace flumetra::messaggi {

QString nomeCampo(Campo campo);   // "Sezione A [mm]", "Portata G [mc/h]", …
QString nomeBreve(Campo campo);   // "A", "G", "Ytot", …
QString suggerimento(Modo modo);  // what the mode radio holds
QString suggerimento(Sezione sezione);
QString nomeSpinner(Spinner spinner);
// "Non aggiornati: v, Y, Ytot — G non contiene un numero"
QString passoNonRiuscito(const PassoFallito& fallito);

}  // namespace flumetra::messaggi
