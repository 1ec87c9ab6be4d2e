#include "ui/campo_testo.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <limits>

namespace flumetra {

CampoTesto::CampoTesto(const QString& testo, QWidget* genitore) : QLineEdit(testo, genitore) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaxLength(std::numeric_limits<int>::max());  // no limit on the length of a field's text
}

void CampoTesto::keyReleaseEvent(QKeyEvent* evento) {
    QLineEdit::keyReleaseEvent(evento);
    if (!evento->isAutoRepeat()) emit KeyUp(evento->key(), static_cast<int>(evento->modifiers()));
}

void CampoTesto::mouseReleaseEvent(QMouseEvent* evento) {
    QLineEdit::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint())) emit Click();
}

}  // namespace flumetra
