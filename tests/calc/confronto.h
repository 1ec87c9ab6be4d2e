// What a call gives: its value or the kind of its failure. Used to compare
// a fast search with its literal scan, and to name expected failures.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>

#include "calc/fallimento.h"
#include "calc/scansioni.h"

namespace flumetra {

template <typename Valore>
using Outcome = std::variant<Valore, TipoFallimento>;

template <typename Funzione>
auto outcomeOf(Funzione f) -> Outcome<decltype(f())> {
    try {
        return f();
    } catch (const Fallimento& e) {
        return e.tipo();
    }
}

// Nothing when the literal scan would need more steps than its cap.
template <typename Funzione>
auto outcomeWithinCap(Funzione f) -> std::optional<Outcome<decltype(f())>> {
    try {
        return outcomeOf(f);
    } catch (const scansioni::PassiEsauriti&) {
        return std::nullopt;
    }
}

// The kind of failure a call raises; a call that does not fail is a test failure.
template <typename Funzione>
TipoFallimento failureKindOf(Funzione f) {
    try {
        f();
    } catch (const Fallimento& e) {
        return e.tipo();
    }
    ADD_FAILURE() << "the call did not fail";
    return TipoFallimento::NonNumero;
}

}  // namespace flumetra
