#include "logic/attesa.h"

#include <algorithm>

#include "logic/finestra_in_memoria.h"
#include "logic/quantita.h"

namespace flumetra {
namespace {

// A window at its start texts that notes which fields a change reads and writes.
class FinestraOsservata : public FinestraInMemoria {
public:
    [[nodiscard]] std::string testo(Campo campo) const override {
        letti.push_back(campo);
        return FinestraInMemoria::testo(campo);
    }
    void scrivi(Campo campo, std::string_view testo) override {
        scritti.push_back(campo);
        FinestraInMemoria::scrivi(campo, testo);
    }
    void dimentica() {
        letti.clear();
        scritti.clear();
    }

    mutable std::vector<Campo> letti;
    std::vector<Campo> scritti;
};

bool contiene(const std::vector<Campo>& campi, Campo campo) {
    return std::find(campi.begin(), campi.end(), campo) != campi.end();
}

bool tenuto(Campo campo, Modo modo, Sezione sezione) {
    if (modo != Modo::SezioneCanale) return dati(modo).tiene == campo;
    return dati(sezione).tiene == campo;
}

}  // namespace

std::vector<Seguito> seguiti(Campo campo, Modo modo, Sezione sezione) {
    if (!tenuto(campo, modo, sezione)) return {};
    FinestraOsservata f;
    f.cliccaModo(modo);
    f.cliccaSezione(sezione);  // only where the radios show

    f.dimentica();
    f.calcolatore().esegui(dati(campo).immissione->routine);
    const std::vector<Campo> giaSeguiti = f.scritti;

    std::vector<Seguito> risultato;
    for (const Campo altro : allValues<Campo>()) {
        const auto& immissione = dati(altro).immissione;
        if (altro == campo || !immissione || immissione->routine == Operazione::Aggiorna_L) continue;
        FinestraOsservata prova;
        prova.cliccaModo(modo);
        prova.cliccaSezione(sezione);
        prova.dimentica();
        prova.calcolatore().esegui(immissione->routine);
        if (!contiene(prova.letti, campo) || contiene(prova.scritti, campo)) continue;
        Seguito s{altro, {}};
        for (const Campo scritto : prova.scritti) {
            if (!contiene(giaSeguiti, scritto) && !contiene(s.scritti, scritto)) s.scritti.push_back(scritto);
        }
        if (!s.scritti.empty()) risultato.push_back(std::move(s));
    }
    return risultato;
}

}  // namespace flumetra
