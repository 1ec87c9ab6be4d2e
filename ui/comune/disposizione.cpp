#include "ui/comune/disposizione.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "ui/comune/posizione.h"

namespace flumetra {
namespace {

constexpr int d = distanzaTraFinestre;

constexpr std::size_t indice(Vicina v) { return static_cast<std::size_t>(v); }

// Past the right and the bottom edge.
int fineX(const QRect& r) { return r.x() + r.width(); }
int fineY(const QRect& r) { return r.y() + r.height(); }

enum class Lato { Destra, Sinistra };

constexpr Lato altroLato(Lato lato) { return lato == Lato::Destra ? Lato::Sinistra : Lato::Destra; }

// How wide a column of windows beside the calculator may be.
int stanza(Lato lato, const QRect& calcolatore, const QRect& schermo) {
    return lato == Lato::Destra ? fineX(schermo) - fineX(calcolatore) - d : calcolatore.x() - schermo.x() - d;
}

// A frame in the column on that side, oltre pixels further out than the
// calculator's gap, its top at y.
QRect nellaColonna(Lato lato, const QRect& calcolatore, int oltre, QSize dimensione, int y) {
    const int x =
        lato == Lato::Destra ? fineX(calcolatore) + d + oltre : calcolatore.x() - d - oltre - dimensione.width();
    return {QPoint(x, y), dimensione};
}

// Level with the calculator's top, raised as far as the screen needs.
int dallAlto(const QRect& calcolatore, const QRect& schermo, int altezza) {
    return std::max(schermo.y(), std::min(calcolatore.y(), fineY(schermo) - altezza));
}

// Its middle level with the calculator's, within the screen: two windows
// one above the other then stand both beside it.
int centrata(const QRect& calcolatore, const QRect& schermo, int altezza) {
    const int y = calcolatore.y() + (calcolatore.height() - altezza) / 2;
    return std::max(schermo.y(), std::min(y, fineY(schermo) - altezza));
}

// Its size, or as much smaller in proportion as it must to fit, not below
// its least; none where its least does not fit.
std::optional<QSize> entro(const Misura& misura, int larghezza, int altezza) {
    const double scala = std::min({1.0, static_cast<double>(larghezza) / misura.voluta.width(),
                                   static_cast<double>(altezza) / misura.voluta.height()});
    const QSize dimensione =
        QSize(static_cast<int>(misura.voluta.width() * scala), static_cast<int>(misura.voluta.height() * scala))
            .expandedTo(misura.minima);
    if (dimensione.width() > larghezza || dimensione.height() > altezza) return std::nullopt;
    return dimensione;
}

class Pianificatore {
public:
    Pianificatore(const QRect& calcolatore, const QRect& schermo, const std::array<Misura, numeroVicine>& misure)
        : c_(calcolatore), s_(schermo), misure_(misure) {}

    // The sheet and the tools in columns on each side, or on one side the
    // tools nearer; the arrangement that places the most windows, the first
    // of those.
    Cornici migliore() const {
        const Lato primo =
            stanza(Lato::Sinistra, c_, s_) > stanza(Lato::Destra, c_, s_) ? Lato::Sinistra : Lato::Destra;
        const Lato altro = altroLato(primo);
        const std::array<Cornici, 5> prove = {
            separati(primo, altro), insieme(primo), separati(altro, primo), insieme(altro), soloStrumenti(primo),
        };
        auto quanti = [](const Cornici& p) {
            return std::count_if(p.begin(), p.end(), [](const auto& r) { return r.has_value(); });
        };
        return *std::max_element(prove.begin(), prove.end(),
                                 [&](const Cornici& a, const Cornici& b) { return quanti(a) < quanti(b); });
    }

private:
    [[nodiscard]] const Misura& misura(Vicina v) const { return misure_[indice(v)]; }

    // The sheet on one side, as wide as the room there, oltre further out.
    void foglio(Cornici& piano, Lato lato, int oltre) const {
        if (auto dimensione = entroLarghezza(misura(Vicina::Foglio), stanza(lato, c_, s_) - oltre)) {
            piano[indice(Vicina::Foglio)] =
                nellaColonna(lato, c_, oltre, *dimensione, dallAlto(c_, s_, dimensione->height()));
        }
    }

    // As wide as it asks or as the room, as tall as it asks or as the screen.
    [[nodiscard]] std::optional<QSize> entroLarghezza(const Misura& m, int larghezza) const {
        const QSize dimensione(std::min(m.voluta.width(), larghezza), std::min(m.voluta.height(), s_.height()));
        if (dimensione.width() < m.minima.width() || dimensione.height() < m.minima.height()) return std::nullopt;
        return dimensione;
    }

    // The details and the chart in a column: stacked, the details above;
    // side by side where the screen is too low; else the one that fits.
    // How wide the column came to be.
    int strumenti(Cornici& piano, Lato lato, int larghezza) const {
        const Misura& dettagli = misura(Vicina::Dettagli);
        const Misura& diagramma = misura(Vicina::Diagramma);
        auto metti = [&](Vicina v, int oltre, QSize dimensione, int y) {
            piano[indice(v)] = nellaColonna(lato, c_, oltre, dimensione, y);
        };
        const auto d1 = entro(dettagli, larghezza, s_.height());
        if (!d1) {
            const auto g = entro(diagramma, larghezza, s_.height());
            if (g) metti(Vicina::Diagramma, 0, *g, dallAlto(c_, s_, g->height()));
            return g ? g->width() : 0;
        }
        if (const auto g = entro(diagramma, larghezza, s_.height() - d1->height() - d)) {
            const int y = centrata(c_, s_, d1->height() + d + g->height());
            metti(Vicina::Dettagli, 0, *d1, y);
            metti(Vicina::Diagramma, 0, *g, y + d1->height() + d);
            return std::max(d1->width(), g->width());
        }
        metti(Vicina::Dettagli, 0, *d1, dallAlto(c_, s_, d1->height()));
        if (const auto g = entro(diagramma, larghezza - d1->width() - d, s_.height())) {
            metti(Vicina::Diagramma, d1->width() + d, *g, dallAlto(c_, s_, g->height()));
            return d1->width() + d + g->width();
        }
        return d1->width();
    }

    [[nodiscard]] Cornici separati(Lato latoFoglio, Lato latoStrumenti) const {
        Cornici piano;
        foglio(piano, latoFoglio, 0);
        strumenti(piano, latoStrumenti, stanza(latoStrumenti, c_, s_));
        return piano;
    }

    // The tools nearer, leaving the sheet its least beyond them.
    [[nodiscard]] Cornici insieme(Lato lato) const {
        Cornici piano;
        const int perStrumenti = stanza(lato, c_, s_) - misura(Vicina::Foglio).minima.width() - d;
        const int larghezza = strumenti(piano, lato, std::min(perStrumenti, colonnaVoluta()));
        if (larghezza > 0) foglio(piano, lato, larghezza + d);
        return piano;
    }

    [[nodiscard]] Cornici soloStrumenti(Lato lato) const {
        Cornici piano;
        strumenti(piano, lato, stanza(lato, c_, s_));
        return piano;
    }

    // As wide as the wider of the two tools asks.
    [[nodiscard]] int colonnaVoluta() const {
        return std::max(misura(Vicina::Dettagli).voluta.width(), misura(Vicina::Diagramma).voluta.width());
    }

    QRect c_;
    QRect s_;
    std::array<Misura, numeroVicine> misure_;
};

// The places beside the calculator for a frame of that size: right of it,
// left, below, above; on each side level with its near edge first, then
// along it past the open windows, and in the right and left columns also
// beyond them; always inside the screen and alongside the calculator.
std::vector<QRect> candidati(QSize dimensione, const QRect& c, const std::vector<QRect>& aperte, const QRect& s) {
    const int w = dimensione.width();
    const int h = dimensione.height();
    std::vector<int> ys = {c.y(), fineY(c) - h};
    std::vector<int> xs = {c.x(), fineX(c) - w};
    std::vector<int> destra = {fineX(c) + d};
    std::vector<int> sinistra = {c.x() - d - w};
    std::vector<int> sotto = {fineY(c) + d};
    std::vector<int> sopra = {c.y() - d - h};
    for (const QRect& o : aperte) {
        ys.insert(ys.end(), {fineY(o) + d, o.y() - d - h});
        xs.insert(xs.end(), {fineX(o) + d, o.x() - d - w});
        if (o.x() > c.x()) destra.push_back(fineX(o) + d);
        if (o.x() < c.x()) sinistra.push_back(o.x() - d - w);
    }
    for (int& y : ys) y = std::max(s.y(), std::min(y, fineY(s) - h));
    for (int& x : xs) x = std::max(s.x(), std::min(x, fineX(s) - w));
    std::stable_sort(ys.begin(), ys.end(), [&](int a, int b) { return std::abs(a - c.y()) < std::abs(b - c.y()); });
    std::stable_sort(xs.begin(), xs.end(), [&](int a, int b) { return std::abs(a - c.x()) < std::abs(b - c.x()); });
    std::vector<QRect> posti;
    for (const auto& colonna : {destra, sinistra}) {
        for (const int x : colonna) {
            for (const int y : ys) {
                if (y < fineY(c) && y + h > c.y()) posti.emplace_back(QPoint(x, y), dimensione);
            }
        }
    }
    for (const int y : {sotto.front(), sopra.front()}) {
        for (const int x : xs) {
            if (x < fineX(c) && x + w > c.x()) posti.emplace_back(QPoint(x, y), dimensione);
        }
    }
    return posti;
}

// No room beside the calculator: as wide as the wider side's room or its
// least, right, left, below or above it, pushed inside the screen, where it
// covers the least of the calculator, then of the sheet, then of the other
// windows, open or planned.
QRect menoCoperto(const Cornici& piano, Vicina quale, const Misura& misura, const QRect& calcolatore,
                  const Cornici& aperte, const QRect& schermo, int testata) {
    const QSize dimensione =
        entro(misura, std::max(spazioAccanto(calcolatore, schermo), misura.minima.width()), schermo.height())
            .value_or(misura.minima);
    auto coperto = [](const QRect& a, const std::optional<QRect>& b) -> long long {
        if (!b) return 0;
        const QRect comune = a.intersected(*b);
        return static_cast<long long>(comune.width()) * comune.height();
    };
    // The calculator's part covered by twentieths: a pixel more of it
    // weighs less than a window covered the more.
    const long long ventesimo = std::max(1LL, coperto(calcolatore, calcolatore) / 20);
    auto costo = [&](const QRect& r) {
        std::array<long long, 3> c = {coperto(r, calcolatore) / ventesimo, 0, 0};
        for (std::size_t i = 0; i < numeroVicine; ++i) {
            if (i == indice(quale)) continue;
            c[i == indice(Vicina::Foglio) ? 1 : 2] += coperto(r, aperte[i] ? aperte[i] : piano[i]);
        }
        return c;
    };
    std::vector<QRect> dentro;
    for (const QPoint& angolo : {QPoint(fineX(calcolatore) + d, calcolatore.y()),
                                 QPoint(calcolatore.x() - d - dimensione.width(), calcolatore.y()),
                                 QPoint(calcolatore.x(), fineY(calcolatore) + d),
                                 QPoint(calcolatore.x(), calcolatore.y() - d - dimensione.height())}) {
        const int x = std::max(schermo.x(), std::min(angolo.x(), fineX(schermo) - dimensione.width()));
        const int y = std::max(schermo.y(), std::min(angolo.y(), fineY(schermo) - dimensione.height()));
        dentro.emplace_back(QPoint(x, y), dimensione);
    }
    QRect scelto = *std::min_element(dentro.begin(), dentro.end(),
                                     [&](const QRect& a, const QRect& b) { return costo(a) < costo(b); });
    // Over the calculator, it leaves its title bar in sight, to bring it
    // forward by, where it may be that much lower.
    const int sottoLaTestata = calcolatore.y() + testata;
    if (testata > 0 && scelto.intersects(calcolatore) && scelto.y() < sottoLaTestata) {
        const QRect piuBasso(scelto.x(), sottoLaTestata, scelto.width(),
                             std::min(scelto.height(), fineY(schermo) - sottoLaTestata));
        if (piuBasso.height() >= misura.minima.height()) scelto = piuBasso;
    }
    return scelto;
}

}  // namespace

Cornici disponi(const QRect& calcolatore, const QRect& schermo, const std::array<Misura, numeroVicine>& misure) {
    return Pianificatore(calcolatore, schermo, misure).migliore();
}

// First where it covers nothing, then where it covers only other windows;
// each time its place in the plan first, then beside the calculator from
// its size down to its least, by tenths of the difference.
QRect posto(const Cornici& piano, Vicina quale, const Misura& misura, const QRect& calcolatore, const Cornici& aperte,
            const QRect& schermo, int testata) {
    const std::optional<QRect>& nelPiano = piano[indice(quale)];
    std::vector<QRect> ostacoli;
    for (const auto& r : aperte) {
        if (r) ostacoli.push_back(*r);
    }
    auto fuoriDalCalcolatore = [&](const QRect& r) { return schermo.contains(r) && !r.intersects(calcolatore); };
    auto libero = [&](const QRect& r) {
        return fuoriDalCalcolatore(r) &&
               std::none_of(ostacoli.begin(), ostacoli.end(), [&](const QRect& o) { return o.intersects(r); });
    };
    constexpr int passi = 10;
    const QSize differenza = misura.voluta - misura.minima;
    for (const auto& accettabile :
         {std::function<bool(const QRect&)>(libero), std::function<bool(const QRect&)>(fuoriDalCalcolatore)}) {
        if (nelPiano && accettabile(*nelPiano)) return *nelPiano;
        for (int passo = 0; passo <= passi; ++passo) {
            const QSize dimensione = misura.voluta - differenza * passo / passi;
            for (const QRect& r : candidati(dimensione, calcolatore, ostacoli, schermo)) {
                if (accettabile(r)) return r;
            }
            if (differenza.isNull()) break;
        }
    }
    return menoCoperto(piano, quale, misura, calcolatore, aperte, schermo, testata);
}

}  // namespace flumetra
