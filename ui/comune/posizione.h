// Where a window opened beside the main one goes: right of it where it fits
// within the screen's available area, else left of it, else below it, else
// as near to the right as it can inside the screen. Rectangles are frames,
// title bar and borders included.
//
//   accanto({0, 0, 300, 400}, {200, 300}, {0, 0, 1920, 1080})     -> (308, 0)    right
//   accanto({1700, 0, 200, 400}, {200, 300}, {0, 0, 1920, 1080})  -> (1492, 0)   left
//   accanto({0, 0, 1800, 400}, {200, 300}, {0, 0, 1920, 1080})     -> (0, 408)    below
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace flumetra {

inline constexpr int distanzaTraFinestre = 8;  // pixels between two frames

QPoint accanto(const QRect& principale, QSize dimensione, const QRect& schermo);

// The size a resizable window gets beside principale: its own where it fits
// right or left of it, else as wide as the wider side's room, its
// proportions kept, never below minima nor taller than the screen.
//
//   dimensioneAccanto({500, 260, 219, 285}, {660, 540}, {340, 300}, {0, 0, 1280, 800})  -> (553, 452)
//   dimensioneAccanto({0, 0, 219, 285}, {660, 540}, {340, 300}, {0, 0, 1920, 1080})     -> (660, 540)
QSize dimensioneAccanto(const QRect& principale, QSize dimensione, QSize minima, const QRect& schermo);

// The widest frame that fits right or left of principale within the screen:
//   spazioAccanto({800, 0, 300, 400}, {0, 0, 1920, 1080}) -> 812 (right: 1920 − 1100 − 8)
int spazioAccanto(const QRect& principale, const QRect& schermo);

}  // namespace flumetra
