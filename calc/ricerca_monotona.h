// Finding where a monotone test turns true, in a number of tests that grows
// with the logarithm of the distance from a first guess.
//
//   primoVero(1, 3000, 10, [](auto n) { return n * n >= 2000; })  -> 45
//   primoVero(1, 3000, 10, [](auto n) { return n > 5000; })       -> nothing
#pragma once

#include <cstdint>
#include <limits>
#include <optional>

namespace flumetra {

// The smallest k in [minimo, massimo] for which vero(k) holds, given that
// vero is false up to some k and true from there on; nothing when it holds
// nowhere in the range. The search gallops out from stima, then bisects.
template <typename Test>
std::optional<std::int64_t> primoVero(std::int64_t minimo, std::int64_t massimo, std::int64_t stima, Test vero) {
    if (minimo > massimo) return std::nullopt;
    if (stima < minimo) stima = minimo;
    if (stima > massimo) stima = massimo;

    // Invariants: every k below basso is false; alto is true (once found).
    std::int64_t basso = minimo;
    std::int64_t alto = stima;
    std::int64_t passo = 1;
    if (vero(stima)) {
        while (alto > minimo) {
            const std::int64_t one_test = alto - minimo > passo ? alto - passo : minimo;
            if (!vero(one_test)) {
                basso = one_test + 1;
                break;
            }
            alto = one_test;
            passo = passo > std::numeric_limits<std::int64_t>::max() / 2 ? passo : passo * 2;
        }
    } else {
        basso = stima + 1;
        while (true) {
            if (basso > massimo) return std::nullopt;
            const std::int64_t one_test = massimo - basso >= passo ? basso + passo - 1 : massimo;
            if (vero(one_test)) {
                alto = one_test;
                break;
            }
            if (one_test == massimo) return std::nullopt;
            basso = one_test + 1;
            passo = passo > std::numeric_limits<std::int64_t>::max() / 2 ? passo : passo * 2;
        }
    }
    while (basso < alto) {
        const std::int64_t mezzo = basso + (alto - basso) / 2;
        if (vero(mezzo)) {
            alto = mezzo;
        } else {
            basso = mezzo + 1;
        }
    }
    return alto;
}

}  // namespace flumetra
