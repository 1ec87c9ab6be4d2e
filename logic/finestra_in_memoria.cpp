#include "logic/finestra_in_memoria.h"

#include <cstddef>

#include "logic/stato_iniziale.h"

namespace flumetra {
namespace {
template <typename Enum>
std::size_t indice(Enum e) {
    return static_cast<std::size_t>(e);
}
}  // namespace

FinestraInMemoria::FinestraInMemoria() : modo_(iniziale::modo), sezione_(iniziale::sezione) {
    for (std::size_t i = 0; i < testi_.size(); ++i) {
        testi_[i] = iniziale::testo(static_cast<Campo>(i));
    }
    for (std::size_t i = 0; i < spinnerVisibili_.size(); ++i) {
        spinnerVisibili_[i] = iniziale::spinnerVisibile(static_cast<Spinner>(i));
    }
    radioVisibili_.fill(true);
}

std::string FinestraInMemoria::testo(Campo campo) const { return testi_[indice(campo)]; }

void FinestraInMemoria::scrivi(Campo campo, std::string_view testo) { testi_[indice(campo)] = testo; }

void FinestraInMemoria::selezionaSezione(Sezione sezione) {
    sezione_ = sezione;
    switch (sezione) {
        case Sezione::A: calcolatore_.Option_A_Click(0); break;
        case Sezione::B: calcolatore_.Option_B_Click(0); break;
        case Sezione::D: calcolatore_.Option_D_Click(0); break;
    }
}

void FinestraInMemoria::mostraSpinner(Spinner spinner, bool visibile) { spinnerVisibili_[indice(spinner)] = visibile; }

void FinestraInMemoria::mostraRadioSezione(Sezione sezione, bool visibile) {
    radioVisibili_[indice(sezione)] = visibile;
}

int FinestraInMemoria::passo(Spinner spinner) const {
    return spinner == Spinner::UpDown_Y ? iniziale::passoPerdita : iniziale::passoVelocita;
}

void FinestraInMemoria::cliccaModo(Modo modo) {
    modo_ = modo;
    switch (modo) {
        case Modo::Perdita: calcolatore_.Option_Perdita_Click(); break;
        case Modo::Velocita: calcolatore_.Option_Velocità_Click(); break;
        case Modo::Portata: calcolatore_.Option_Portata_Click(); break;
        case Modo::SezioneCanale: calcolatore_.Option_SezioneCanale_Click(); break;
    }
}

void FinestraInMemoria::cliccaSezione(Sezione sezione) {
    if (radioSezioneVisibile(sezione)) selezionaSezione(sezione);
}

bool FinestraInMemoria::spinnerVisibile(Spinner spinner) const { return spinnerVisibili_[indice(spinner)]; }

bool FinestraInMemoria::radioSezioneVisibile(Sezione sezione) const { return radioVisibili_[indice(sezione)]; }

}  // namespace flumetra
