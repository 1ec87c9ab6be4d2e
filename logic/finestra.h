// The window as the calculator logic sees it.
//
// The window's controls are the calculator's state: the field texts, the
// selected radios, which spinners and section radios are shown. The logic
// keeps no copy; it reads and changes them only through this interface.
// The Qt window implements it over its widgets; FinestraInMemoria (for tests
// and tools) over plain values.
#pragma once

#include <string>
#include <string_view>

namespace flumetra {

enum class Campo { Text_A, Text_B, Text_D, Text_G, Text_v, Text_Y, Text_L, Text_Ytot };
enum class Modo { Perdita, Velocita, Portata, SezioneCanale };
enum class Sezione { A, B, D };  // the section radios Option_A(0), Option_B(0), Option_D(0)
enum class Spinner { UpDown_A, UpDown_B, UpDown_D, UpDown_G, UpDown_v, UpDown_Y };
enum class Verso { Su, Giu };  // the upper or the lower arrow of a spinner

class Finestra {
public:
    virtual ~Finestra() = default;

    [[nodiscard]] virtual std::string testo(Campo campo) const = 0;
    // Replacing a text from the program starts no operation.
    virtual void scrivi(Campo campo, std::string_view testo) = 0;

    [[nodiscard]] virtual bool modoSelezionato(Modo modo) const = 0;
    [[nodiscard]] virtual bool sezioneSelezionata(Sezione sezione) const = 0;
    // Deselects the other section radios, then runs the radio's click
    // operation exactly as a click by the user would.
    virtual void selezionaSezione(Sezione sezione) = 0;

    virtual void mostraSpinner(Spinner spinner, bool visibile) = 0;
    virtual void mostraRadioSezione(Sezione sezione, bool visibile) = 0;

    // The whole-number step of the fine spinners UpDown_v and UpDown_Y.
    [[nodiscard]] virtual int passo(Spinner spinner) const = 0;

protected:
    Finestra() = default;
    Finestra(const Finestra&) = default;
    Finestra& operator=(const Finestra&) = default;
};

}  // namespace flumetra
