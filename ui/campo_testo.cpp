#include "ui/campo_testo.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <limits>

namespace flumetra {
namespace {

// The keypad's decimal key: "." on a US layout, "," on others.
bool tastoDecimaleDelTastierino(const QKeyEvent* evento) {
    return evento->modifiers().testFlag(Qt::KeypadModifier) &&
           (evento->key() == Qt::Key_Period || evento->key() == Qt::Key_Comma);
}

}  // namespace

CampoTesto::CampoTesto(const QString& testo, QWidget* parent) : QLineEdit(testo, parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaxLength(std::numeric_limits<int>::max());  // no limit on the length of a field's text
}

// Every press is seen here, Tab included, before the focus moves on it.
bool CampoTesto::event(QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) return QLineEdit::event(evento);
    auto* tasto = static_cast<QKeyEvent*>(evento);
    premuti_.insert(tasto->key());
    if (tastoDecimaleDelTastierino(tasto)) {
        QKeyEvent virgola(QEvent::KeyPress, Qt::Key_Comma, tasto->modifiers(), QStringLiteral(","),
                          tasto->isAutoRepeat(), static_cast<quint16>(tasto->count()));
        const bool gestito = QLineEdit::event(&virgola);
        evento->setAccepted(virgola.isAccepted());
        return gestito;
    }
    const bool conferma =
        tasto->key() == Qt::Key_Space || tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter;
    if (isReadOnly() && conferma && tasto->modifiers() == Qt::NoModifier) {
        emit Click();
        return true;
    }
    return QLineEdit::event(evento);
}

void CampoTesto::keyReleaseEvent(QKeyEvent* evento) {
    QLineEdit::keyReleaseEvent(evento);
    if (evento->isAutoRepeat()) return;
    if (!premuti_.remove(evento->key())) return;  // pressed in another control
    emit KeyUp(evento->key(), static_cast<int>(evento->modifiers()));
}

void CampoTesto::mouseReleaseEvent(QMouseEvent* evento) {
    QLineEdit::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint())) emit Click();
}

// Keys still down when the focus leaves will be released elsewhere.
void CampoTesto::focusOutEvent(QFocusEvent* evento) {
    premuti_.clear();
    QLineEdit::focusOutEvent(evento);
}

}  // namespace flumetra
