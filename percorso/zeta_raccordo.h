// A fitting's ζ referred to its own section's velocity pressure, from what
// the run around it gives: ζ = K × pd of K's reference / pd of the section.
// De is the whole mm the sheet shows in D (a rectangle's equivalent one).
//
//   a round elbow r/D 1,5, 90°                          -> 0.15
//   a 45° branch, De 146 from De 146, 950 of 2465 m³/h,
//   pd equal to the upstream's                          -> 0.4640 (Crane 7-36)
//   a branch whose upstream has no size (monte empty)   -> nothing
#pragma once

#include <optional>

#include "calc/decimale.h"
#include "percorso/raccordo.h"

namespace flumetra::percorso {

// A section as a fitting's ζ needs it.
struct Sezione {
    Intero De = 0;  // mm
    Intero G = 0;   // m³/h, all it carries
    Reale pd = 0;   // Pa
};

struct Intorno {
    Sezione proprio;
    Intero A = 0;  // a rectangle's sides, mm, for its elbow; 0 for a round section
    Intero B = 0;
    std::optional<Sezione> monte{};  // none at the fan, or while the upstream has no size or pd
    Intero De_altri = 0;  // the largest De of the other sections from the same upstream that have one; 0 for none
    Intero G_altri = 0;   // all the upstream's flow but this section's: the other sections' and its own terminal's
};

// Nothing where the fitting needs the upstream and monte is empty, or a
// flow or pd it divides by is not positive.
std::optional<Reale> zetaRaccordo(const Raccordo& r, const Intorno& intorno);

}  // namespace flumetra::percorso
