// Why a run is refused: its kind, and a message in Italian that names what
// and where, for a person to read.
//
//   {Motivo::FuoriIntervallo, "tratto 3 («T3»), L: 12000 è fuori dall'intervallo 0 – 10000", 2}
//   {Motivo::NonJson, "il testo non è JSON valido: riga 4, colonna 17", nothing}
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

namespace flumetra::percorso {

enum class Motivo {
    NonJson,              // not JSON at all, or a number beyond every double
    Formato,              // JSON, but not a run of this format and version
    Tipo,                 // a value of the wrong kind: a text for a number, a fraction for a whole number
    ChiaveMancante,       // a key the format requires is missing
    ChiaveSconosciuta,    // a key the format does not have, or one written twice
    ParolaSconosciuta,    // a word outside its list (a method, a material, a role, a shape)
    FuoriIntervallo,      // a number outside its range
    RaccordoNonAmmesso,   // a fitting on a shape it does not go on, or needing an upstream at the fan
    IdNonValido,          // an empty id, or one that is not UTF-8
    IdRipetuto,           // two sections with one id
    MonteInesistente,     // an upstream id that no section has
    VentilatoreNonUnico,  // no section at the fan, or more than one
    Anello,               // going upstream comes back to the same section
    SenzaTratti,          // an empty list of sections
};

struct Rifiuto {
    Motivo motivo;
    std::string messaggio;
    std::optional<std::size_t> tratto;  // the section at fault (0 for the first), when there is one

    friend bool operator==(const Rifiuto&, const Rifiuto&) = default;
};

// Thrown by what needs a run that verifica accepts and was given another.
class PercorsoNonValido : public std::invalid_argument {
public:
    explicit PercorsoNonValido(const Rifiuto& r) : std::invalid_argument(r.messaggio) {}
};

}  // namespace flumetra::percorso
