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
    [[nodiscard]] Intero valoreSpinner(Spinner spinner) const override { return valoriSpinner_[indexOf(spinner)]; }
    void impostaValoreSpinner(Spinner spinner, Intero valore) override { valoriSpinner_[indexOf(spinner)] = valore; }

    // What a person does. A click selects the radio, then runs its
    // operation; a hidden control cannot be reached and nothing happens.
    void cliccaModo(Modo modo);
    void cliccaSezione(Sezione sezione);
    Esito freccia(Spinner spinner, Verso verso);
    // The text replaced (not a program write), then the release of a key in
    // the field, which runs its check where it has one.
    Esito digita(Campo campo, std::string_view testo);
    // The text replaced with no key at all, as a paste with the mouse.
    void incolla(Campo campo, std::string_view testo);

    // What a person sees.
    [[nodiscard]] Modo modo() const { return modo_; }
    [[nodiscard]] Sezione sezione() const { return sezione_; }
    [[nodiscard]] bool spinnerVisibile(Spinner spinner) const;
    [[nodiscard]] bool radioSezioneVisibile(Sezione sezione) const;

    Calcolatore& calcolatore() { return calcolatore_; }

private:
    std::array<std::string, countOf<Campo>> testi_;
    Modo modo_;
    Sezione sezione_;
    std::array<bool, countOf<Spinner>> spinnerVisibili_{};
    std::array<Intero, countOf<Spinner>> valoriSpinner_{};
    std::array<bool, countOf<Sezione>> radioVisibili_{};
    Calcolatore calcolatore_{*this};
};

}  // namespace flumetra
