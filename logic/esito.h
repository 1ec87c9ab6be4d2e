// What an operation reports: nothing when every step completed, otherwise the
// step that could not complete, the field it was to write, why, and every
// field that kept its old text because the chain stopped there.
#pragma once

#include <optional>
#include <vector>

#include "calc/fallimento.h"
#include "logic/finestra.h"

namespace flumetra {

struct PassoFallito {
    int numero = 0;               // of the step: 1 for the first of the chain
    Campo campo = Campo::Text_A;  // the field that step was to write; it kept its text
    TipoFallimento tipo = TipoFallimento::ErroreDiCalcolo;
    std::optional<Campo> illeggibile;  // the field whose text could not be read, if that was the cause
    std::vector<Campo> nonAggiornati;  // campo, then the fields of the steps that did not run, in order

    friend bool operator==(const PassoFallito&, const PassoFallito&) = default;
};

using Esito = std::optional<PassoFallito>;

}  // namespace flumetra
