// The plain-text summary for a report: every field with its unit, the mode
// and the held side, the material and the details, one value a line as
// "label<TAB>value<TAB>unit", each label once, in Italian, numbers with the
// decimal comma as the fields write them. A spreadsheet reads it as three
// columns.
#pragma once

#include <QString>

#include "dettagli/dettagli.h"

namespace flumetra {

class Form_Principale;

// The fields and details as the windows show them; a field whose text the
// calculator did not use is written "—", as the details count it.
QString riepilogo(const Form_Principale& finestra, const dettagli::Dettagli& d);

}  // namespace flumetra
