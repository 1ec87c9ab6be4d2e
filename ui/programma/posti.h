// Where the run sheet, the details and the chart open beside the calculator
// (ui/comune/disposizione.h): placed at each opening, since the calculator
// may have moved, unless a person has moved or resized the window since the
// program placed it, which then opens where they left it. A window already
// open keeps its place. A frame not yet known (the window never shown) is
// taken to be the calculator's; once the window is first on screen and its
// own is known, it is placed again with it, unless it was moved.
#pragma once

#include <QObject>
#include <QRect>
#include <array>
#include <optional>

#include "ui/comune/disposizione.h"

class QWidget;

namespace flumetra {

class Posti : public QObject {
public:
    // finestre by Vicina: the sheet, the details, the chart.
    Posti(const QWidget& calcolatore, const std::array<QWidget*, numeroVicine>& finestre);

    // Before the window shows.
    void sistema(Vicina quale);

protected:
    // A window's first exposure, when its frame is known.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    [[nodiscard]] Misura misuraDi(Vicina quale) const;
    void colloca(Vicina quale);

    const QWidget& calcolatore_;
    std::array<QWidget*, numeroVicine> finestre_;
    std::array<std::optional<QRect>, numeroVicine> dati_;  // where each was last placed, its client area
};

}  // namespace flumetra
