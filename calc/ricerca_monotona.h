// Finding where a monotone test turns true, in a number of tests that grows
// with the logarithm of the distance from a first guess.
//
//   firstTrue(1, 3000, 10, [](auto n) { return n * n >= 2000; })  -> 45
//   firstTrue(1, 3000, 10, [](auto n) { return n > 5000; })       -> nothing
#pragma once

#include <cstdint>
#include <limits>
#include <optional>

namespace flumetra {

// The smallest k in [lowest, highest] for which test(k) holds, given that
// test is false up to some k and true from there on; nothing when it holds
// nowhere in the range. The search gallops out from guess, then bisects.
template <typename Test>
std::optional<std::int64_t> firstTrue(std::int64_t lowest, std::int64_t highest, std::int64_t guess, Test test) {
    if (lowest > highest) return std::nullopt;
    if (guess < lowest) guess = lowest;
    if (guess > highest) guess = highest;

    // Invariants: every k below low is false; high is true (once found).
    std::int64_t low = lowest;
    std::int64_t high = guess;
    std::int64_t stride = 1;
    auto doubled = [](std::int64_t n) { return n > std::numeric_limits<std::int64_t>::max() / 2 ? n : n * 2; };
    if (test(guess)) {
        while (high > lowest) {
            const std::int64_t probe = high - lowest > stride ? high - stride : lowest;
            if (!test(probe)) {
                low = probe + 1;
                break;
            }
            high = probe;
            stride = doubled(stride);
        }
    } else {
        low = guess + 1;
        while (true) {
            if (low > highest) return std::nullopt;
            const std::int64_t probe = highest - low >= stride ? low + stride - 1 : highest;
            if (test(probe)) {
                high = probe;
                break;
            }
            if (probe == highest) return std::nullopt;
            low = probe + 1;
            stride = doubled(stride);
        }
    }
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (test(middle)) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return high;
}

}  // namespace flumetra
