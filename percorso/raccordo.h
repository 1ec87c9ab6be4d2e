// A fitting of a section: its kind, its parameters and how many of it the
// section has. What each kind is called, which parameters it takes and
// where its ζ comes from is the catalogue's (raccordi.h).
//
//   Raccordo{.tipo = TipoRaccordo::Curva, .rapporto = 1.5, .angolo = 90, .n = 2}
//       -> two round elbows, r/D 1,5, turning 90°
//   Raccordo{.tipo = TipoRaccordo::Ingresso}  -> one sharp entry
#pragma once

#include <array>

#include "calc/decimale.h"

// In the catalogue's order, the file's words in raccordi.h.
// clang-format off
#define FLUMETRA_RACCORDI(X) \
    X(Curva) X(CurvaRettangolare) X(Derivazione) X(Diritto) X(Riduzione) X(Ingresso) X(Uscita)
// clang-format on

namespace flumetra::percorso {

#define FLUMETRA_VALORE(nome) nome,
enum class TipoRaccordo { FLUMETRA_RACCORDI(FLUMETRA_VALORE) };
#undef FLUMETRA_VALORE
#define FLUMETRA_NOME(nome) #nome,
inline constexpr std::array nomiTipiRaccordo = {FLUMETRA_RACCORDI(FLUMETRA_NOME)};  // "Curva": as the enum names it
#undef FLUMETRA_NOME

// The side of a rectangle that lies in the plane of an elbow's turn (W).
enum class Lato { A, B };

// Only the parameters its kind takes count; the others stay as they are
// by default, so that two equal fittings compare equal.
struct Raccordo {
    TipoRaccordo tipo = TipoRaccordo::Ingresso;
    Reale rapporto = 0;   // r/D of a round elbow, R/W of a rectangular one
    Reale angolo = 0;     // degrees: an elbow's turn, a branch's angle, a transition's included angle
    Lato lato = Lato::A;  // a rectangular elbow's W
    Intero n = 1;         // how many, 1 – 20

    friend bool operator==(const Raccordo&, const Raccordo&) = default;
};

}  // namespace flumetra::percorso
