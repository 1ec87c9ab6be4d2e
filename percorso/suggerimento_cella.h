// What the tooltip of a computed cell of the sheet adds to its figure, in
// the words and units of the calculator's details window: R also in mm of
// water column per metre, and a rectangle's v named as the velocity in the
// rectangle, not in the round duct of its equivalent diameter, where its R
// is computed. Empty where the cell says all there is.
//
//   suggerimentoDi(Colonna::R, T1 of the reference run, its result)
//     -> "Perdita per attrito R in pascal: 0,677 Pa/m\n"
//        "Perdita per attrito R in mm c.a.: 0,069 mmc.a./m"
//   suggerimentoDi(Colonna::v, T1, …)  -> "Velocità nel rettangolo A × B: 5,05 m/s"
//   suggerimentoDi(Colonna::v, T2, …)  -> "" (a round section: the velocity in D)
#pragma once

#include <string>

#include "percorso/calcolo.h"
#include "percorso/colonne.h"
#include "percorso/percorso.h"

namespace flumetra::percorso {

std::string suggerimentoDi(Colonna c, const Tratto& t, const RisultatoTratto& r);

}  // namespace flumetra::percorso
