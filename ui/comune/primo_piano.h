// A window kept above the others, or not, without hiding it: the flag is
// changed on the native window, which keeps its place, size and identity
// (QWidget::setWindowFlag would hide it and create a new one).
#pragma once

class QWidget;

namespace flumetra {

void mettiInPrimoPiano(QWidget& finestra, bool attivo);
[[nodiscard]] bool inPrimoPiano(const QWidget& finestra);

}  // namespace flumetra
