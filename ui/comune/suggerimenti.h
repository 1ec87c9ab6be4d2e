// Tooltips: a caption-less control's hint, shown to the eye only, and the
// note a failed recalculation step leaves on the fields it did not update.
#pragma once

#include <QString>

class QFontMetrics;
class QWidget;

namespace flumetra::suggerimenti {

// The hint shown when the pointer rests on the control. It is not the
// control's accessible description, so a screen reader, which already says
// the same words as the control's name, does not say them twice.
void mostraAllOcchio(QWidget* controllo, const QString& testo);

// The text broken at spaces into lines no wider than larghezza pixels; a
// single word wider than that is cut where a line ends.
QString wrappedToWidth(const QString& testo, const QFontMetrics& metrica, int larghezza);

// The widest a line of a tooltip over finestra may be, so that the tooltip
// with its frame is no wider than the window.
int larghezzaRiga(const QWidget* finestra);

// Shows testo as a tooltip just below campo, from the left edge of the
// window. If a mouse button is down (a spinner click), it waits for the
// release, which would otherwise close it at once.
void mostraSotto(QWidget* campo, const QString& testo);

}  // namespace flumetra::suggerimenti
