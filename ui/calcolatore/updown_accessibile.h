// What an assistive technology sees of a spinner: a spin box whose increase
// and decrease actions are one click on its upper or lower arrow, and whose
// value is its field's number: settable on a spinner bound to its field (as
// typing it), read-only on the fine spinners of v and Y.
#pragma once

class QObject;

namespace flumetra {

// Registers the spinner's accessible interface with Qt; once is enough,
// later calls do nothing.
void rendiAccessibileUpDown();

// Tells assistive technologies that the spinner's value has changed.
void annunciaValore(QObject* spinner);

}  // namespace flumetra
