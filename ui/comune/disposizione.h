// Where the run sheet, the details and the chart open around the calculator,
// in frames (title bar and borders included) on the screen's available area,
// so that none covers the calculator or another. The plan keeps room for all
// three, whichever opens first: the sheet in the column beside the
// calculator with more room (the right one when they are alike), as wide as
// that column or as it asks, whichever is less; the details and the chart
// stacked in the other column, the chart smaller if it must; where one
// column is too narrow for them, both beside the calculator on one side,
// the details and the chart nearer. A window the plan finds no room for, or
// whose room another window now takes, goes in the first free place beside
// the calculator, made smaller down to its least if it can be; with no free
// place left, it covers what it must, inside the screen.
//
// The calculator in the middle of 1920 × 1080, frames of an X11 desktop:
//   disponi({850, 392, 219, 294}, {0, 0, 1920, 1080}, sheet {1102, 581} least {835, 234},
//           details {408, 543}, chart {658, 543} least {338, 290})
//     -> sheet {1077, 392, 843, 581}, details {434, 0, 408, 543},
//        chart {201, 551, 641, 529}
// At scale 2 (960 × 540, the calculator {371, 129, 219, 283}) no column
// holds the sheet nor the details: the plan has the chart alone on the
// right, {598, 129, 362, 295}; the sheet then covers the calculator but
// its title bar ({0, 139, 835, 401}, kept above it), the details the least
// of it.
#pragma once

#include <QRect>
#include <QSize>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace flumetra {

enum class Vicina { Foglio, Dettagli, Diagramma };
inline constexpr std::size_t numeroVicine = 3;

// A window's frame: the size it asks for and the least it takes, the same
// for a window of fixed size.
struct Misura {
    QSize voluta;
    QSize minima;
};

// A frame for each window, by Vicina, or none.
using Cornici = std::array<std::optional<QRect>, numeroVicine>;

// The plan: a place for each window; none for one it has no room for
// beside the calculator.
Cornici disponi(const QRect& calcolatore, const QRect& schermo, const std::array<Misura, numeroVicine>& misure);

// Where one window goes, given the plan and the windows open now: its place
// in the plan if no open window lies there; else the first free place
// beside the calculator, at its size or smaller; else the same covering
// only other windows; else beside the calculator pushed inside the screen,
// covering as little as it can of the calculator, then of the sheet, then
// of the others, and below the calculator's title bar (testata, its
// height) where its least height allows.
QRect posto(const Cornici& piano, Vicina quale, const Misura& misura, const QRect& calcolatore, const Cornici& aperte,
            const QRect& schermo, int testata = 0);

}  // namespace flumetra
