#include "logic/finestra_in_memoria.h"

#include "logic/quantita.h"

namespace flumetra {

FinestraInMemoria::FinestraInMemoria() : modo_(modoIniziale), sezione_(sezioneIniziale) {
    for (const Campo c : allValues<Campo>()) testi_[indexOf(c)] = dati(c).testoIniziale;
    for (const Spinner s : allValues<Spinner>()) {
        spinnerVisibili_[indexOf(s)] = visibileAllAvvio(s);
        valoriSpinner_[indexOf(s)] = valoreIniziale(s);
    }
    radioVisibili_.fill(true);
}

std::string FinestraInMemoria::testo(Campo campo) const { return testi_[indexOf(campo)]; }

void FinestraInMemoria::scrivi(Campo campo, std::string_view testo) { testi_[indexOf(campo)] = testo; }

void FinestraInMemoria::selezionaSezione(Sezione sezione) {
    sezione_ = sezione;
    calcolatore_.esegui(dati(sezione).click);
}

void FinestraInMemoria::mostraSpinner(Spinner spinner, bool visibile) { spinnerVisibili_[indexOf(spinner)] = visibile; }

void FinestraInMemoria::mostraRadioSezione(Sezione sezione, bool visibile) {
    radioVisibili_[indexOf(sezione)] = visibile;
}

int FinestraInMemoria::passo(Spinner spinner) const { return dati(spinner).intervallo.passo; }

void FinestraInMemoria::cliccaModo(Modo modo) {
    modo_ = modo;
    calcolatore_.esegui(dati(modo).click);
}

void FinestraInMemoria::cliccaSezione(Sezione sezione) {
    if (radioSezioneVisibile(sezione)) selezionaSezione(sezione);
}

Esito FinestraInMemoria::freccia(Spinner spinner, Verso verso) {
    if (!spinnerVisibile(spinner)) return {};
    return calcolatore_.frecciaSpinner(spinner, verso);
}

Esito FinestraInMemoria::digita(Campo campo, std::string_view testo) {
    incolla(campo, testo);
    const auto& immissione = dati(campo).immissione;
    return immissione ? calcolatore_.esegui(immissione->tastoRilasciato) : Esito{};
}

// Not a program write: a window that records those does not see it.
void FinestraInMemoria::incolla(Campo campo, std::string_view testo) { FinestraInMemoria::scrivi(campo, testo); }

bool FinestraInMemoria::spinnerVisibile(Spinner spinner) const { return spinnerVisibili_[indexOf(spinner)]; }

bool FinestraInMemoria::radioSezioneVisibile(Sezione sezione) const { return radioVisibili_[indexOf(sezione)]; }

}  // namespace flumetra
