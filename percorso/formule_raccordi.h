// The loss coefficients of the catalogue's fittings, each referred to the
// velocity pressure its source names: the elbows' tables (CD3-1, CR3-1,
// interpolated linearly and held at their ends) and Crane TP-410's tee
// and transition formulas, with their strict inequalities.
//
//   zetaCurva(1.5, 90)                 -> 0.15
//   zetaCurvaRettangolare(0.25, 0.5, 90) -> 1.5   (H/W, R/W, θ)
//   kDerivazione(1, 950.0 / 2465, 45)  -> 0.4640  (Crane's example 7-36, upstream's pd)
//   kDiritto(1, 950.0 / 2465)          -> -0.0681 (the same wye's straight run)
//   kConico(0.5, 30, Verso::Contrazione) -> 0.155 (referred to the smaller section's pd)
#pragma once

#include "calc/decimale.h"

namespace flumetra::percorso {

// An elbow's angle factor K(θ), θ in degrees.
Reale fattoreAngolo(Reale angolo);

// A smooth round elbow: ζ90(r/D) × K(θ).
Reale zetaCurva(Reale r_su_D, Reale angolo);

// A smooth rectangular elbow without vanes: the table at (H/W, R/W),
// bilinear (along H/W in each row, then along R/W), × K(θ).
Reale zetaCurvaRettangolare(Reale H_su_W, Reale R_su_W, Reale angolo);

// A diverging tee's branch: β = its D / the upstream's, q = its flow / the
// upstream's, θ its angle; referred to the upstream's pd.
Reale kDerivazione(Reale beta, Reale q, Reale angolo);

// A diverging tee's straight run: β = the largest branch's D / the
// upstream's, q = the branches' flow / the upstream's; referred to the
// upstream's pd. Negative where the run regains pressure.
Reale kDiritto(Reale beta, Reale q);

enum class Verso { Contrazione, Allargamento };

// A conical transition: β = smaller D / larger D, θ its included angle;
// referred to the smaller section's pd.
Reale kConico(Reale beta, Reale angolo, Verso verso);

}  // namespace flumetra::percorso
