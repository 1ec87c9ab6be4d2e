#include "logic/finestra_in_memoria.h"

#include "logic/quantita.h"

namespace flumetra {

FinestraInMemoria::FinestraInMemoria() : modo_(modoIniziale), sezione_(sezioneIniziale) {
    for (const Campo c : tutti<Campo>()) testi_[indice(c)] = dati(c).testoIniziale;
    for (const Spinner s : tutti<Spinner>()) {
        spinnerVisibili_[indice(s)] = dati(s).visibileAllAvvio;
        valoriSpinner_[indice(s)] = dati(s).valoreIniziale;
    }
    radioVisibili_.fill(true);
}

std::string FinestraInMemoria::testo(Campo campo) const { return testi_[indice(campo)]; }

void FinestraInMemoria::scrivi(Campo campo, std::string_view testo) { testi_[indice(campo)] = testo; }

void FinestraInMemoria::selezionaSezione(Sezione sezione) {
    sezione_ = sezione;
    calcolatore_.esegui(dati(sezione).click);
}

void FinestraInMemoria::mostraSpinner(Spinner spinner, bool visibile) { spinnerVisibili_[indice(spinner)] = visibile; }

void FinestraInMemoria::mostraRadioSezione(Sezione sezione, bool visibile) {
    radioVisibili_[indice(sezione)] = visibile;
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

bool FinestraInMemoria::spinnerVisibile(Spinner spinner) const { return spinnerVisibili_[indice(spinner)]; }

bool FinestraInMemoria::radioSezioneVisibile(Sezione sezione) const { return radioVisibili_[indice(sezione)]; }

}  // namespace flumetra
