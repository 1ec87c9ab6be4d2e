#include "ui/programma/posti.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <vector>

#include "ui/comune/posizione.h"

namespace flumetra {
namespace {

// The sheet asks for room for its table's columns and a score of sections;
// it scrolls for the rest.
constexpr QSize foglioVoluto(1100, 560);

constexpr std::size_t indice(Vicina v) { return static_cast<std::size_t>(v); }

// Title bar and borders: the window's own once it has shown, else the calculator's.
QMargins bordiDi(const QWidget& finestra, const QWidget& calcolatore) {
    auto bordi = [](const QWidget& w) {
        const QRect cornice = w.frameGeometry();
        const QRect cliente = w.geometry();
        return QMargins(cliente.left() - cornice.left(), cliente.top() - cornice.top(),
                        cornice.right() - cliente.right(), cornice.bottom() - cliente.bottom());
    };
    const QMargins propri = bordi(finestra);
    return propri.isNull() ? bordi(calcolatore) : propri;
}

// Moved or resized by more than a window manager's own adjustments.
bool spostata(const QRect& ora, const QRect& data) {
    constexpr int tolleranza = distanzaTraFinestre;
    return std::abs(ora.x() - data.x()) > tolleranza || std::abs(ora.y() - data.y()) > tolleranza ||
           std::abs(ora.width() - data.width()) > tolleranza || std::abs(ora.height() - data.height()) > tolleranza;
}

}  // namespace

Posti::Posti(const QWidget& calcolatore, const std::array<QWidget*, numeroVicine>& finestre)
    : calcolatore_(calcolatore), finestre_(finestre) {}

// A window of fixed size asks for that; the chart for its own size; the sheet for foglioVoluto.
Misura Posti::misuraDi(Vicina quale) const {
    QWidget& finestra = *finestre_[indice(quale)];
    if (QLayout* disposizione = finestra.layout()) disposizione->activate();
    const QMargins bordi = bordiDi(finestra, calcolatore_);
    const bool fissa = finestra.minimumSize() == finestra.maximumSize();
    const QSize minima = fissa ? finestra.minimumSize() : finestra.minimumSizeHint().expandedTo(finestra.minimumSize());
    const QSize voluta =
        fissa ? minima : (quale == Vicina::Foglio ? foglioVoluto : finestra.sizeHint()).expandedTo(minima);
    return {voluta.grownBy(bordi), minima.grownBy(bordi)};
}

void Posti::sistema(Vicina quale) {
    QWidget& finestra = *finestre_[indice(quale)];
    const std::optional<QRect>& dato = dati_[indice(quale)];
    if (finestra.isVisible() || (dato && spostata(finestra.geometry(), *dato))) return;
    const bool prima = !dato;  // its first opening: its frame not yet known
    colloca(quale);
    if (prima) {
        finestra.winId();  // its native window, to hear of its first exposure
        finestra.windowHandle()->installEventFilter(this);
    }
}

bool Posti::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() != QEvent::Expose || !static_cast<QWindow*>(oggetto)->isExposed()) return false;
    oggetto->removeEventFilter(this);
    for (std::size_t i = 0; i < numeroVicine; ++i) {
        const QWidget& finestra = *finestre_[i];
        if (finestra.windowHandle() != oggetto || !dati_[i] || spostata(finestra.geometry(), *dati_[i])) continue;
        colloca(static_cast<Vicina>(i));
    }
    return false;
}

void Posti::colloca(Vicina quale) {
    QWidget& finestra = *finestre_[indice(quale)];
    const QScreen* schermo = calcolatore_.screen();
    const QRect calcolatore = calcolatore_.frameGeometry();
    const QRect disponibile = schermo != nullptr ? schermo->availableGeometry() : calcolatore;
    std::array<Misura, numeroVicine> misure;
    Cornici aperte;
    for (std::size_t i = 0; i < numeroVicine; ++i) {
        misure[i] = misuraDi(static_cast<Vicina>(i));
        if (i != indice(quale) && finestre_[i]->isVisible()) aperte[i] = finestre_[i]->frameGeometry();
    }
    const Cornici piano = disponi(calcolatore, disponibile, misure);
    const int testata = calcolatore_.geometry().top() - calcolatore.top();
    const QRect cornice = posto(piano, quale, misure[indice(quale)], calcolatore, aperte, disponibile, testata);
    finestra.setGeometry(cornice.marginsRemoved(bordiDi(finestra, calcolatore_)));
    dati_[indice(quale)] = finestra.geometry();
}

}  // namespace flumetra
