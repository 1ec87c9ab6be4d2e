// The program's shortcuts that work in every one of its windows.
#pragma once

#include <Qt>

namespace flumetra::tasti {

inline constexpr QKeyCombination dettagli = Qt::Key_F2;       // the duct's details
inline constexpr QKeyCombination percorso = Qt::Key_F3;       // the run sheet
inline constexpr QKeyCombination diagramma = Qt::Key_F4;      // the friction chart
inline constexpr QKeyCombination altraFinestra = Qt::Key_F6;  // between the calculator and the details
inline constexpr QKeyCombination riepilogo = Qt::CTRL | Qt::SHIFT | Qt::Key_C;  // the summary for a report

}  // namespace flumetra::tasti
