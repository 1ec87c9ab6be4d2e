// A window without a toolkit: the calculator's state as plain values, with
// the start state of the real window. Tests, benchmarks and fuzz targets
// drive the calculator through it as a person would through the real one.
#pragma once

#include <array>
#include <string>

#include "logic/calcolatore.h"
#include "logic/finestra.h"

namespace flumetra {

class FinestraInMemoria : public Finestra {
public:
    FinestraInMemoria();

    // Finestra
    [[nodiscard]] std::string testo(Campo campo) const override;
    void scrivi(Campo campo, std::string_view testo) override;
    [[nodiscard]] bool modoSelezionato(Modo modo) const override { return modo_ == modo; }
    [[nodiscard]] bool sezioneSelezionata(Sezione sezione) const override { return sezione_ == sezione; }
    void selezionaSezione(Sezione sezione) override;
    void mostraSpinner(Spinner spinner, bool visibile) override;
    void mostraRadioSezione(Sezione sezione, bool visibile) override;
    [[nodiscard]] int passo(Spinner spinner) const override;

    // What a person does and sees. A click selects the radio, then runs its
    // operation; a hidden control cannot be clicked.
    void cliccaModo(Modo modo);
    void cliccaSezione(Sezione sezione);
    [[nodiscard]] Modo modo() const { return modo_; }
    [[nodiscard]] Sezione sezione() const { return sezione_; }
    [[nodiscard]] bool spinnerVisibile(Spinner spinner) const;
    [[nodiscard]] bool radioSezioneVisibile(Sezione sezione) const;

    Calcolatore& calcolatore() { return calcolatore_; }

private:
    std::array<std::string, 8> testi_;
    Modo modo_;
    Sezione sezione_;
    std::array<bool, 6> spinnerVisibili_{};
    std::array<bool, 3> radioVisibili_{};
    Calcolatore calcolatore_{*this};
};

}  // namespace flumetra
