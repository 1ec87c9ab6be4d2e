// What an assistive technology sees of a spinner: a spin box whose increase
// and decrease actions are one click on its upper or lower arrow, and whose
// value, for a spinner bound to its field, is that field's number.
#pragma once

class QObject;

namespace flumetra {

// Registers the spinner's accessible interface with Qt; once is enough,
// later calls do nothing.
void rendiAccessibileUpDown();

// Tells assistive technologies that the spinner's value has changed.
void annunciaValore(QObject* spinner);

}  // namespace flumetra
