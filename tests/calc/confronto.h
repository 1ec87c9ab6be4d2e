// Runs a fast search and its literal scan on the same input and says
// whether they agree: the same value, or the same kind of failure.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "calc/fallimento.h"
#include "calc/scansioni.h"

namespace flumetra {

template <typename Valore>
using Risposta = std::variant<Valore, TipoFallimento>;

template <typename Funzione>
auto risposta(Funzione f) -> Risposta<decltype(f())> {
    try {
        return f();
    } catch (const Fallimento& e) {
        return e.tipo();
    }
}

// Nothing when the literal scan would need more steps than its cap.
template <typename Funzione>
auto rispostaLimitata(Funzione f) -> std::optional<Risposta<decltype(f())>> {
    try {
        return risposta(f);
    } catch (const scansioni::PassiEsauriti&) {
        return std::nullopt;
    }
}

}  // namespace flumetra
