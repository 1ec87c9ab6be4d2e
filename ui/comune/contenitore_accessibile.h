// What an assistive technology finds inside the main window and its frame:
// only the controls that are shown. A hidden spinner or section radio is
// not offered (Qt's own interface lists it, marked invisible), and a
// control that is hidden or shown again is announced as gone or come.
#pragma once

class QWidget;

namespace flumetra {

// Call once the container exists and before it is shown; its interface
// lists only its shown children.
void offriSoloIVisibili(QWidget* contenitore);

// Tells assistive technologies that the control is gone from, or back in,
// its container's children.
void annunciaVisibilita(QWidget* controllo, bool visibile);

}  // namespace flumetra
