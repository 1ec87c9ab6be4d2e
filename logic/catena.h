// A recalculation chain: steps that each read field texts, call one formula
// and write one field at once, so that the next step reads that text back.
// When a step fails, the fields written before it keep their new texts, it
// writes nothing, and no later step runs: each is only noted as not updated.
//
//   Catena c(finestra);
//   c.scrivi(Campo::Text_D, [&] { return DiametroEquivalente(c.A(), c.B()); });
//   c.scrivi(Campo::Text_v, [&] { return VelocitaDaPortata(c.D(), c.G()); });
//   return c.esito();
#pragma once

#include <concepts>
#include <string>
#include <utility>

#include "calc/decimale.h"
#include "calc/testo.h"
#include "logic/esito.h"
#include "logic/finestra.h"

namespace flumetra {

class Catena {
public:
    explicit Catena(Finestra& finestra) : finestra_(finestra) {}

    // Runs one step unless an earlier one failed, and writes its result with
    // the conversion of its kind: InteroInTesto, DecimaleInTesto, RealeInTesto.
    template <std::invocable Passo>
    void scrivi(Campo campo, Passo&& passo) {
        if (fallita_) {
            fallimento_.nonAggiornati.push_back(campo);
            return;
        }
        ++passi_;
        try {
            finestra_.scrivi(campo, inTesto(std::forward<Passo>(passo)()));
        } catch (const Fallimento& f) {
            fallimento_ = PassoFallito{passi_, campo, f.tipo(), illeggibile_, {campo}};
            fallita_ = true;
        }
    }

    // The quantities as a formula takes them, read afresh from their fields.
    Intero A() { return leggi(Campo::Text_A, TestoInIntero); }
    Intero B() { return leggi(Campo::Text_B, TestoInIntero); }
    Intero D() { return leggi(Campo::Text_D, TestoInIntero); }
    Intero G() { return leggi(Campo::Text_G, TestoInIntero); }
    Decimale v() { return leggi(Campo::Text_v, TestoInDecimale); }
    Decimale Y() { return leggi(Campo::Text_Y, TestoInDecimale); }
    // Y and L as the total loss takes them: doubles.
    Reale YReale() { return leggi(Campo::Text_Y, TestoInReale); }
    Reale L() { return leggi(Campo::Text_L, TestoInReale); }

    [[nodiscard]] Esito esito() const { return fallita_ ? Esito(fallimento_) : Esito{}; }

private:
    static std::string inTesto(Intero n) { return InteroInTesto(n); }
    static std::string inTesto(Decimale d) { return DecimaleInTesto(d); }
    static std::string inTesto(Reale r) { return RealeInTesto(r); }

    template <typename Numero>
    Numero leggi(Campo campo, Numero (*converti)(std::string_view)) {
        try {
            return converti(finestra_.testo(campo));
        } catch (const Fallimento&) {
            illeggibile_ = campo;
            throw;
        }
    }

    Finestra& finestra_;
    int passi_ = 0;
    std::optional<Campo> illeggibile_;
    // The failed step, once there is one. Not an Esito: GCC 12 sees the
    // payload of an optional as maybe uninitialized in a chain of one step.
    bool fallita_ = false;
    PassoFallito fallimento_;
};

}  // namespace flumetra
