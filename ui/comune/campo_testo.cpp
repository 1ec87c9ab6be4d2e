#include "ui/comune/campo_testo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <limits>

#include "ui/comune/scorciatoie.h"
#include "ui/comune/suggerimenti.h"

namespace flumetra {
namespace {

// The keypad's decimal key: "." on a US layout, "," on others.
bool tastoDecimaleDelTastierino(const QKeyEvent* evento) {
    return evento->modifiers().testFlag(Qt::KeypadModifier) &&
           (evento->key() == Qt::Key_Period || evento->key() == Qt::Key_Comma);
}

}  // namespace

CampoTesto::CampoTesto(const QString& testo, QWidget* parent) : QLineEdit(testo, parent), testoUsato_(testo) {
    filtraScorciatoie();  // the keys of a shortcut are not a field's
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaxLength(std::numeric_limits<int>::max());  // no limit on the length of a field's text
    connect(this, &QLineEdit::textChanged, this, &CampoTesto::testoCambiato);
}

void CampoTesto::scriviDalProgramma(const QString& testo) {
    scriveIlProgramma_ = true;
    setText(testo);
    scriveIlProgramma_ = false;
    testoUsato_ = testo;
}

// A change while a key of this field is down is that key's: its release
// reports it. Any other change by the person is reported once the event that
// made it is over, however many steps it took (a drop that moves text
// within the field removes, then inserts), unless a key released here first
// has reported it.
void CampoTesto::testoCambiato() {
    if (scriveIlProgramma_ || !premuti_.isEmpty() || modificaDaRiferire_) return;
    modificaDaRiferire_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!modificaDaRiferire_) return;
            modificaDaRiferire_ = false;
            emit Modificato();
        },
        Qt::QueuedConnection);
}

void CampoTesto::annota(const QString& perLOcchio, const QString& perLaVoce, bool allUscita) {
    setToolTip(perLOcchio);
    setAccessibleDescription(perLaVoce);
    notaAllUscita_ = allUscita && !perLOcchio.isEmpty();
}

// Every press is seen here, Tab included, before the focus moves on it.
bool CampoTesto::event(QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) return QLineEdit::event(evento);
    auto* tasto = static_cast<QKeyEvent*>(evento);
    premuti_.insert(tasto->key());
    const bool puntoDellaTastiera = puntoComeVirgola_ && tasto->key() == Qt::Key_Period;
    if (tastoDecimaleDelTastierino(tasto) || puntoDellaTastiera) {
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
    modificaDaRiferire_ = false;                  // this release reports any edit before it
    emit KeyUp(evento->key(), static_cast<int>(evento->modifiers()));
}

void CampoTesto::mouseReleaseEvent(QMouseEvent* evento) {
    QLineEdit::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint())) emit Click();
}

// Keys still down when the focus leaves will be released elsewhere. A note
// that asks for it is shown as the person moves on, not when a menu opens
// over the field or another window is brought forward; once the focus has
// arrived, as its arrival closes any tooltip.
void CampoTesto::focusOutEvent(QFocusEvent* evento) {
    premuti_.clear();
    QLineEdit::focusOutEvent(evento);
    const bool siPassaOltre =
        evento->reason() != Qt::PopupFocusReason && evento->reason() != Qt::ActiveWindowFocusReason;
    if (!notaAllUscita_ || !siPassaOltre) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (notaAllUscita_) suggerimenti::mostraSotto(this, toolTip());
        },
        Qt::QueuedConnection);
}

}  // namespace flumetra
