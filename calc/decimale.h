// Decimale: an exact decimal with four decimals, kept as a 64-bit signed
// count of ten-thousandths.
//
//   Decimale::daDecimillesimi(35000)          -> 3.5
//   Decimale::daDecimillesimi(1) + 0.0001     -> 0.0002 (exact, overflow-tested)
//   Decimale::massimo() + daDecimillesimi(1)  -> throws Overflow
#pragma once

#include <compare>
#include <cstdint>
#include <limits>

#include "calc/fallimento.h"

namespace flumetra {

using Intero = std::int32_t;  // A, B, D and G
using Reale = double;         // L, Ytot and all arithmetic inside the formulas

class Decimale {
public:
    static constexpr std::int64_t decimillesimiPerUnita = 10000;

    constexpr Decimale() = default;

    static constexpr Decimale daDecimillesimi(std::int64_t conteggio) {
        Decimale d;
        d.decimillesimi_ = conteggio;
        return d;
    }
    static constexpr Decimale massimo() { return daDecimillesimi(std::numeric_limits<std::int64_t>::max()); }
    static constexpr Decimale minimo() { return daDecimillesimi(std::numeric_limits<std::int64_t>::min()); }

    [[nodiscard]] constexpr std::int64_t decimillesimi() const { return decimillesimi_; }

    // clang-tidy 14 misreads a defaulted <=> as a literal 0 for a pointer.
    friend constexpr auto operator<=>(Decimale, Decimale) = default;  // NOLINT(modernize-use-nullptr)

    // Exact sum; a result outside the 64-bit count is an overflow.
    friend Decimale operator+(Decimale a, Decimale b) {
        const std::int64_t x = a.decimillesimi_;
        const std::int64_t y = b.decimillesimi_;
        constexpr auto massimo = std::numeric_limits<std::int64_t>::max();
        constexpr auto minimo = std::numeric_limits<std::int64_t>::min();
        if ((y > 0 && x > massimo - y) || (y < 0 && x < minimo - y)) {
            fallisci(TipoFallimento::Overflow, "Decimale sum out of range");
        }
        return daDecimillesimi(x + y);
    }

private:
    std::int64_t decimillesimi_ = 0;
};

}  // namespace flumetra
