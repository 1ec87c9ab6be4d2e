// The window as the calculator logic sees it.
//
// The window's controls are the calculator's state: the field texts, the
// selected radios, which spinners and section radios are shown. The logic
// keeps no copy; it reads and changes them only through this interface.
// The Qt window implements it over its widgets; FinestraInMemoria (for tests
// and tools) over plain values.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/decimale.h"

namespace flumetra {

enum class Campo { Text_A, Text_B, Text_D, Text_G, Text_v, Text_Y, Text_L, Text_Ytot };
// Texts for fields, in the order they are typed.
using TestiDeiCampi = std::vector<std::pair<Campo, std::string>>;

enum class Modo { Perdita, Velocita, Portata, SezioneCanale };
enum class Sezione { A, B, D };  // the section radios Option_A(0), Option_B(0), Option_D(0)
enum class Spinner { UpDown_A, UpDown_B, UpDown_D, UpDown_G, UpDown_v, UpDown_Y };
enum class Verso { Su, Giu };  // the upper or the lower arrow of a spinner

// How many values each enum has: its last value, plus one.
template <typename Enum>
inline constexpr std::size_t countOf = 0;
template <>
inline constexpr std::size_t countOf<Campo> = static_cast<std::size_t>(Campo::Text_Ytot) + 1;
template <>
inline constexpr std::size_t countOf<Modo> = static_cast<std::size_t>(Modo::SezioneCanale) + 1;
template <>
inline constexpr std::size_t countOf<Sezione> = static_cast<std::size_t>(Sezione::D) + 1;
template <>
inline constexpr std::size_t countOf<Spinner> = static_cast<std::size_t>(Spinner::UpDown_Y) + 1;

// An enum value as an index into an array of countOf<Enum> entries.
template <typename Enum>
constexpr std::size_t indexOf(Enum valore) {
    return static_cast<std::size_t>(valore);
}

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

    // A bound spinner's own value: the last whole number it wrote, from
    // which it steps when its field holds no number.
    [[nodiscard]] virtual Intero valoreSpinner(Spinner spinner) const = 0;
    virtual void impostaValoreSpinner(Spinner spinner, Intero valore) = 0;

protected:
    Finestra() = default;
    Finestra(const Finestra&) = default;
    Finestra& operator=(const Finestra&) = default;
};

}  // namespace flumetra
