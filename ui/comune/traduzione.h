// Qt's own texts in Italian (the fields' right-click menu: "Annulla" …
// "Seleziona tutto"), whatever the system's language: the window speaks
// Italian only.
#pragma once

class QCoreApplication;

namespace flumetra {

// Loads Qt's Italian translation into the application. Returns false, and
// leaves Qt's English texts, when the translation is not installed.
bool traduciTestiDiQt(QCoreApplication& app);

}  // namespace flumetra
