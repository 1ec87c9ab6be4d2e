// The run's title block, edited in a dialog of the sheet («Intestazione…»):
// one line each for the project, the client, the designer and the
// revision, a few for the note. The title block the person confirmed, or
// nothing when they cancelled.
#pragma once

#include <optional>

#include "percorso/intestazione.h"

class QWidget;

namespace flumetra {

std::optional<percorso::Intestazione> chiediIntestazione(QWidget* finestra, const percorso::Intestazione& attuale);

}  // namespace flumetra
