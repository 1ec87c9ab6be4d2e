#include "percorso/formule_raccordi.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <span>

#include "dettagli/trigonometria.h"

namespace flumetra::percorso {
namespace {

// Linear between the points of xs (ascending), held at the ends.
Reale interpola(std::span<const Reale> xs, std::span<const Reale> ys, Reale x) {
    if (x <= xs.front()) return ys.front();
    if (x >= xs.back()) return ys.back();
    const auto dopo = std::upper_bound(xs.begin(), xs.end(), x);
    const auto k = static_cast<std::size_t>(dopo - xs.begin());
    const Reale t = (x - xs[k - 1]) / (xs[k] - xs[k - 1]);
    return ys[k - 1] + t * (ys[k] - ys[k - 1]);
}

constexpr std::array<Reale, 11> angoli = {0, 20, 30, 45, 60, 75, 90, 110, 130, 150, 180};
constexpr std::array<Reale, 11> fattori = {0, 0.31, 0.45, 0.60, 0.78, 0.90, 1.00, 1.13, 1.20, 1.28, 1.40};

// CD3-1.
constexpr std::array<Reale, 6> rSuD = {0.5, 0.75, 1.0, 1.5, 2.0, 2.5};
constexpr std::array<Reale, 6> zeta90Tonda = {0.71, 0.33, 0.22, 0.15, 0.13, 0.12};

// CR3-1: rows R/W, columns H/W.
constexpr std::array<Reale, 11> hSuW = {0.25, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0, 5.0, 6.0, 8.0};
constexpr std::array<Reale, 5> RSuW = {0.5, 0.75, 1.0, 1.5, 2.0};
constexpr std::array<std::array<Reale, 11>, 5> zeta90Rettangolare = {{
    {1.5, 1.4, 1.3, 1.2, 1.1, 1.0, 1.0, 1.1, 1.1, 1.2, 1.2},
    {0.57, 0.52, 0.48, 0.44, 0.40, 0.39, 0.39, 0.40, 0.42, 0.43, 0.44},
    {0.27, 0.25, 0.23, 0.21, 0.19, 0.18, 0.18, 0.19, 0.20, 0.20, 0.21},
    {0.22, 0.20, 0.19, 0.17, 0.15, 0.14, 0.14, 0.15, 0.16, 0.17, 0.17},
    {0.20, 0.18, 0.16, 0.15, 0.14, 0.13, 0.13, 0.14, 0.14, 0.15, 0.15},
}};

}  // namespace

Reale fattoreAngolo(Reale angolo) { return interpola(angoli, fattori, angolo); }

Reale zetaCurva(Reale r_su_D, Reale angolo) { return interpola(rSuD, zeta90Tonda, r_su_D) * fattoreAngolo(angolo); }

Reale zetaCurvaRettangolare(Reale H_su_W, Reale R_su_W, Reale angolo) {
    std::array<Reale, RSuW.size()> righe{};
    for (std::size_t i = 0; i < righe.size(); ++i) righe[i] = interpola(hSuW, zeta90Rettangolare[i], H_su_W);
    return interpola(RSuW, righe, R_su_W) * fattoreAngolo(angolo);
}

Reale kDerivazione(Reale beta, Reale q, Reale angolo) {
    const Reale beta2 = beta * beta;
    const bool pieno = angolo < 60 || beta <= 2.0 / 3;
    const Reale H = pieno ? 1 : 0.3;
    const Reale J = pieno ? 2 : 0;
    Reale Gp = 0;
    if (angolo < 75) {
        if (beta2 <= 0.35) {
            Gp = q <= 0.4 ? 1.1 - 0.7 * q : 0.85;
        } else {
            Gp = q <= 0.6 ? 1.0 - 0.6 * q : 0.6;
        }
    } else {
        Gp = beta2 <= 2.0 / 3 ? 1 : 1 + 0.3 * q * q;
    }
    const Reale x = q / beta2;
    return Gp * (1 + H * x * x - J * x * dettagli::cosenoGradi(angolo));
}

Reale kDiritto(Reale beta, Reale q) {
    Reale M = 0;
    if (beta * beta <= 0.4) {
        M = 0.4;
    } else {
        M = q <= 0.5 ? 2 * (2 * q - 1) : 0.3 * (2 * q - 1);
    }
    return M * q * q;
}

Reale kConico(Reale beta, Reale angolo, Verso verso) {
    const Reale s = dettagli::senoGradi(angolo / 2);
    const Reale a = 1 - beta * beta;
    if (verso == Verso::Contrazione) return angolo < 45 ? 0.8 * s * a : 0.5 * std::sqrt(s) * a;
    return angolo < 45 ? 2.6 * s * a * a : a * a;
}

}  // namespace flumetra::percorso
