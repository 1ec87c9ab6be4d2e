// Any sequence of user actions on the calculator: radio clicks, texts typed
// (garbage and extreme numbers included), spinner steps, fine steps and
// edits of L. Nothing crashes; every text the program writes reads back as
// a number; a reported failure names a field the action did not write; the
// radios keep their invariants; and every action takes under one second
// of processor time. Natively an action takes microseconds (at most four
// formula steps, each search a few hundred evaluations); the bound leaves
// room for the sanitizers' own pauses, which went past 100 ms twice in
// half a million inputs, and still fails on any literal scan of a hostile
// input (LatoPerDiametro(10, 10700) alone scans for 7 s natively).

#include <array>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "calc/testo.h"
#include "logic/finestra_in_memoria.h"
#include "logic/passo_spinner.h"

using namespace flumetra;

namespace {

void esigi(bool condizione) {
    if (!condizione) std::abort();
}

class FinestraControllata : public FinestraInMemoria {
public:
    void scrivi(Campo campo, std::string_view testo) override {
        // The program writes only numbers, in its own format.
        TestoInReale(testo);
        scritti.push_back(campo);
        FinestraInMemoria::scrivi(campo, testo);
    }
    void digita(Campo campo, std::string testo) { FinestraInMemoria::scrivi(campo, testo); }
    std::vector<Campo> scritti;
};

constexpr std::array<const char*, 16> testiNotevoli = {
    "",       "0",       "-1",   "1E308", "-1E308", "1E-320", "2147483647", "2147483648", "999999999999999",
    "0,0001", "99,9999", "3000", "5000",  "abc",    ",",      "1.000.000"};

class Lettore {
public:
    Lettore(const std::uint8_t* dati, std::size_t lunghezza) : dati_(dati), fine_(dati + lunghezza) {}
    bool finito() const { return dati_ == fine_; }
    std::uint8_t byte() { return finito() ? 0 : *dati_++; }
    std::string testo() {
        const std::uint8_t scelta = byte();
        if (scelta < 128) return testiNotevoli[scelta % testiNotevoli.size()];
        std::string t;
        for (std::uint8_t n = byte() % 24; n > 0 && !finito(); --n) t += static_cast<char>(byte());
        return t;
    }

private:
    const std::uint8_t* dati_;
    const std::uint8_t* fine_;
};

void controllaRadio(const FinestraInMemoria& f) {
    const bool a = f.radioSezioneVisibile(Sezione::A);
    esigi(a == f.radioSezioneVisibile(Sezione::B) && a == f.radioSezioneVisibile(Sezione::D));
    esigi(a == f.modoSelezionato(Modo::SezioneCanale));
    if (!a) esigi(f.sezione() == Sezione::A && !f.spinnerVisibile(Spinner::UpDown_A));
}

constexpr std::array<Campo, 6> campiConTasto = {Campo::Text_A, Campo::Text_B, Campo::Text_D,
                                                Campo::Text_G, Campo::Text_v, Campo::Text_Y};
constexpr std::array<IntervalloSpinner, 4> intervalli = {
    IntervalloSpinner{50, 3000, 50}, IntervalloSpinner{50, 3000, 50}, IntervalloSpinner{25, 3000, 25},
    IntervalloSpinner{50, 99999, 50}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t lunghezza) {
    FinestraControllata f;
    Calcolatore& c = f.calcolatore();
    Lettore l(dati, lunghezza);
    std::array<Intero, 4> ultimi = {500, 500, 551, 3000};
    for (int azioni = 0; azioni < 64 && !l.finito(); ++azioni) {
        f.scritti.clear();
        const std::clock_t inizio = std::clock();
        Esito esito;
        const std::uint8_t scelta = l.byte();
        switch (scelta % 8) {
            case 0: f.cliccaModo(static_cast<Modo>(l.byte() % 4)); break;
            case 1: f.cliccaSezione(static_cast<Sezione>(l.byte() % 3)); break;
            case 2:
            case 3: {  // typing in a field with a key-up handler
                const Campo campo = campiConTasto[l.byte() % campiConTasto.size()];
                f.digita(campo, l.testo());
                f.scritti.clear();
                switch (campo) {
                    case Campo::Text_A: esito = c.Text_A_KeyUp(); break;
                    case Campo::Text_B: esito = c.Text_B_KeyUp(); break;
                    case Campo::Text_D: esito = c.Text_D_KeyUp(); break;
                    case Campo::Text_G: esito = c.Text_G_KeyUp(); break;
                    case Campo::Text_v: esito = c.Text_v_KeyUp(); break;
                    default: esito = c.Text_Y_KeyUp(); break;
                }
                esigi(f.testo(campo) != "" || f.scritti.empty());
                break;
            }
            case 4: {  // a bound spinner's arrow, where it is shown
                const std::size_t k = l.byte() % 4;
                const Spinner spinner = static_cast<Spinner>(k);
                const Campo campo = campiConTasto[k];
                if (!f.spinnerVisibile(spinner)) break;
                const auto nuovo =
                    passoSpinner(f.testo(campo), intervalli[k], ultimi[k], l.byte() % 2 ? Verso::Su : Verso::Giu);
                if (!nuovo) break;
                ultimi[k] = *nuovo;
                f.digita(campo, InteroInTesto(*nuovo));
                esito = k == 0   ? c.UpDown_A_Change()
                        : k == 1 ? c.UpDown_B_Change()
                        : k == 2 ? c.UpDown_D_Change()
                                 : c.UpDown_G_Change();
                break;
            }
            case 5: {  // fine steps
                switch (l.byte() % 4) {
                    case 0: esito = c.UpDown_v_DownClick(); break;
                    case 1: esito = c.UpDown_v_UpClick(); break;
                    case 2: esito = c.UpDown_Y_DownClick(); break;
                    default: esito = c.UpDown_Y_UpClick(); break;
                }
                break;
            }
            case 6: f.digita(Campo::Text_L, l.testo()); break;
            default: f.digita(campiConTasto[l.byte() % campiConTasto.size()], l.testo()); break;  // a paste
        }
        esigi(std::clock() - inizio < CLOCKS_PER_SEC);
        if (esito) {
            for (Campo scritto : f.scritti) esigi(scritto != esito->campo);
            esigi(esito->passo >= 1 && esito->passo <= 5);
        }
        controllaRadio(f);
    }
    return 0;
}
