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
#include <ctime>
#include <string>
#include <vector>

#include "calc/testo.h"
#include "logic/finestra_in_memoria.h"
#include "logic/quantita.h"
#include "require.h"

using namespace flumetra;

namespace {

class FinestraControllata : public FinestraInMemoria {
public:
    void scrivi(Campo campo, std::string_view testo) override {
        // The program writes only numbers, in its own format.
        TestoInReale(testo);
        scritti.push_back(campo);
        FinestraInMemoria::scrivi(campo, testo);
    }
    std::vector<Campo> scritti;
};

constexpr std::array<const char*, 16> notableTexts = {
    "",       "0",       "-1",   "1E308", "-1E308", "1E-320", "2147483647", "2147483648", "999999999999999",
    "0,0001", "99,9999", "3000", "5000",  "abc",    ",",      "1.000.000"};

class ByteReader {
public:
    ByteReader(const std::uint8_t* dati, std::size_t lunghezza) : dati_(dati), fine_(dati + lunghezza) {}
    bool finito() const { return dati_ == fine_; }
    std::uint8_t byte() { return finito() ? 0 : *dati_++; }
    std::string testo() {
        const std::uint8_t scelta = byte();
        if (scelta < 128) return notableTexts[scelta % notableTexts.size()];
        std::string t;
        for (std::uint8_t n = byte() % 24; n > 0 && !finito(); --n) t += static_cast<char>(byte());
        return t;
    }

private:
    const std::uint8_t* dati_;
    const std::uint8_t* fine_;
};

void checkRadioInvariants(const FinestraInMemoria& f) {
    const bool a = f.radioSezioneVisibile(Sezione::A);
    require(a == f.radioSezioneVisibile(Sezione::B) && a == f.radioSezioneVisibile(Sezione::D));
    require(a == f.modoSelezionato(Modo::SezioneCanale));
    if (!a) require(f.sezione() == Sezione::A && !f.spinnerVisibile(Spinner::UpDown_A));
}

template <typename Enum, typename Condition>
std::vector<Enum> valuesWhere(Condition condition) {
    std::vector<Enum> chosen;
    for (const Enum value : allValues<Enum>()) {
        if (condition(dati(value))) chosen.push_back(value);
    }
    return chosen;
}

const std::vector<Campo> fieldsWithKeyUp =
    valuesWhere<Campo>([](const DatiCampo& d) { return d.immissione.has_value(); });
const std::vector<Spinner> boundSpinners = valuesWhere<Spinner>([](const DatiSpinner& d) { return d.legatoAlCampo; });
const std::vector<Spinner> fineSpinners = valuesWhere<Spinner>([](const DatiSpinner& d) { return !d.legatoAlCampo; });

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t lunghezza) {
    FinestraControllata f;
    ByteReader l(dati, lunghezza);
    for (int azioni = 0; azioni < 64 && !l.finito(); ++azioni) {
        f.scritti.clear();
        const std::clock_t inizio = std::clock();
        Esito esito;
        bool spinnerWritesFirst = false;  // a bound spinner writes its field before its change runs
        switch (l.byte() % 8) {
            case 0: f.cliccaModo(static_cast<Modo>(l.byte() % countOf<Modo>)); break;
            case 1: f.cliccaSezione(static_cast<Sezione>(l.byte() % countOf<Sezione>)); break;
            case 2:
            case 3: {  // typing in a field with a key-up check
                const Campo campo = fieldsWithKeyUp[l.byte() % fieldsWithKeyUp.size()];
                esito = f.digita(campo, l.testo());
                require(f.testo(campo) != "" || f.scritti.empty());
                break;
            }
            case 4: {  // an arrow of a bound spinner, where it is shown
                const Spinner spinner = boundSpinners[l.byte() % boundSpinners.size()];
                if (!f.spinnerVisibile(spinner)) break;
                spinnerWritesFirst = true;
                esito = f.freccia(spinner, l.byte() % 2 != 0 ? Verso::Su : Verso::Giu);
                break;
            }
            case 5: {  // a fine step, in any mode
                const Spinner spinner = fineSpinners[l.byte() % fineSpinners.size()];
                esito = f.calcolatore().frecciaSpinner(spinner, l.byte() % 2 != 0 ? Verso::Su : Verso::Giu);
                break;
            }
            case 6: f.incolla(Campo::Text_L, l.testo()); break;
            default: f.incolla(fieldsWithKeyUp[l.byte() % fieldsWithKeyUp.size()], l.testo()); break;
        }
        require(std::clock() - inizio < CLOCKS_PER_SEC);
        if (esito) {
            for (std::size_t k = spinnerWritesFirst ? 1 : 0; k < f.scritti.size(); ++k) {
                require(f.scritti[k] != esito->campo);
            }
            require(esito->numero >= 1 && esito->numero <= 5);
            require(!esito->nonAggiornati.empty() && esito->nonAggiornati.front() == esito->campo);
        }
        checkRadioInvariants(f);
    }
    return 0;
}
