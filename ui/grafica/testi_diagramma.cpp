#include "ui/grafica/testi_diagramma.h"

#include <cmath>

#include "calc/testo.h"
#include "dettagli/attrito.h"
#include "dettagli/dettagli.h"
#include "dettagli/materiali.h"
#include "dettagli/righe.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {
namespace {

using dettagli::PuntoDiagramma;

QString cifre(Reale valore) { return inQt(dettagli::cifreSignificative(valore, 3)); }
QString intero(Reale valore) { return QString::number(std::llround(valore)); }

// Where a value falls among the values of a kind of line, lowest first:
// "tra D 500 e D 560 mm", "su D 500 mm", "sotto D 80 mm", "oltre D 1250 mm".
template <typename Serie>
QString traLeLinee(Reale valore, const Serie& serie, const QString& prima, const QString& unita) {
    auto nome = [&](Reale v) { return prima + inQt(RealeInTesto(v)); };
    for (std::size_t i = 0; i < serie.size(); ++i) {
        const auto linea = static_cast<Reale>(serie[i]);
        if (std::abs(valore / linea - 1) < 0.002) return QStringLiteral("su %1 %2").arg(nome(linea), unita);
        if (valore < linea) {
            if (i == 0) return QStringLiteral("sotto %1 %2").arg(nome(linea), unita);
            return QStringLiteral("tra %1 e %2 %3").arg(nome(static_cast<Reale>(serie[i - 1])), nome(linea), unita);
        }
    }
    return QStringLiteral("oltre %1 %2").arg(nome(static_cast<Reale>(serie.back())), unita);
}

// "G 3000 m³/h, Y 0,226 Pa/m (0,023 mm c.a./m)"
QString valori(const PuntoDiagramma& p) {
    return QStringLiteral("G %1 m³/h, Y %2 Pa/m (%3 mm c.a./m)")
        .arg(intero(p.G), cifre(p.Y_Pa_m), cifre(p.Y_Pa_m / dettagli::pascalPerMmca));
}

// The diameter and velocity the chart's lines give the point.
struct Lettura {
    Reale D, v;
};
Lettura lettura(const PuntoDiagramma& p, Reale K) {
    const Reale D = dettagli::diametroPerPerdita(p.G, p.Y_Pa_m, K);
    return {D, dettagli::velocitaPerDiametro(p.G, D)};
}

QString suggerimentoDelPunto(const QString& nome, const PuntoDiagramma& p, std::optional<Reale> K) {
    QString testo = QStringLiteral("%1: G %2 m³/h\nY %3 Pa/m = %4 mm c.a./m")
                        .arg(nome, intero(p.G), cifre(p.Y_Pa_m), cifre(p.Y_Pa_m / dettagli::pascalPerMmca));
    if (K) {
        const Lettura l = lettura(p, *K);
        testo += QStringLiteral("\nsul diagramma: D %1 mm, v %2 m/s").arg(intero(l.D), cifre(l.v));
    }
    return testo;
}

}  // namespace

QString titoloPortata() { return QStringLiteral("Portata G [m³/h]"); }
QString titoloPerditaPa() { return QStringLiteral("Perdita Y [Pa/m]"); }
QString titoloPerditaMmca() { return QStringLiteral("Perdita Y [mm c.a./m]"); }
QString voceDiametri() { return QStringLiteral("diametro D [mm]"); }
QString voceVelocita() { return QStringLiteral("velocità v [m/s]"); }
QString voceCondotto() { return QStringLiteral("condotto"); }
QString voceTratto() { return QStringLiteral("tratto"); }
QString voceIndice() { return QStringLiteral("percorso indice"); }

QString didascaliaAria(const dettagli::Aria& aria, bool neiLimiti) {
    if (!neiLimiti) return QStringLiteral("aria fuori dai limiti: nessuna linea");
    return QStringLiteral("aria a %1 °C, quota %2 m")
        .arg(inQt(RealeInTesto(aria.temperatura)), inQt(RealeInTesto(aria.quota)));
}

QString etichettaDellaLinea(const dettagli::Linea& linea) {
    const QString valore = inQt(RealeInTesto(linea.valore));
    return linea.tipo == dettagli::TipoLinea::Diametro ? valore : QStringLiteral("%1 m/s").arg(valore);
}

QString suggerimentoDiagramma(const Sotto& sotto, const ContenutoDiagramma& contenuto) {
    switch (sotto.cosa) {
        case Sotto::Cosa::Condotto:
            return suggerimentoDelPunto(QStringLiteral("Condotto"), *contenuto.condotto, contenuto.correzione);
        case Sotto::Cosa::Tratto: {
            const PuntoTratto& t = contenuto.tratti[sotto.indice];
            const QString nome = t.indice ? QStringLiteral("Tratto %1 (percorso indice)").arg(t.id)
                                          : QStringLiteral("Tratto %1").arg(t.id);
            return suggerimentoDelPunto(nome, {t.G, t.Y_Pa_m}, contenuto.correzione);
        }
        case Sotto::Cosa::Linea: {
            const dettagli::Linea& l = contenuto.linee[sotto.indice];
            const QString valore = inQt(RealeInTesto(l.valore));
            return l.tipo == dettagli::TipoLinea::Diametro ? QStringLiteral("Diametro D %1 mm").arg(valore)
                                                           : QStringLiteral("Velocità v %1 m/s").arg(valore);
        }
    }
    return {};
}

QString descrizioneDiagramma(const ContenutoDiagramma& contenuto) {
    using namespace dettagli;
    auto numero = [](Reale v) { return inQt(RealeInTesto(v)); };
    QString testo =
        QStringLiteral(
            "Perdita Y da %1 a %2 Pa/m secondo la portata G da %3 a %4 m³/h, su scale logaritmiche, "
            "con le linee dei diametri EN 1506 e delle velocità da %5 a %6 m/s; %7.")
            .arg(numero(perditaMinima), numero(perditaMassima), numero(portataMinima), numero(portataMassima),
                 numero(velocitaDelDiagramma.front()), numero(velocitaDelDiagramma.back()),
                 didascaliaAria(contenuto.aria, contenuto.correzione.has_value()));
    if (!contenuto.condotto) {
        testo += QStringLiteral(" Nessun punto del condotto: G o Y non è un numero sopra lo zero.");
    } else if (!dettagli::dentroIlDiagramma(*contenuto.condotto)) {
        testo += QStringLiteral(" Punto del condotto: %1, fuori dal diagramma.").arg(valori(*contenuto.condotto));
    } else {
        testo += QStringLiteral(" Punto del condotto: %1").arg(valori(*contenuto.condotto));
        if (contenuto.correzione) {
            const Lettura l = lettura(*contenuto.condotto, *contenuto.correzione);
            testo += QStringLiteral(", %1 e %2")
                         .arg(traLeLinee(l.D, dettagli::serieEN1506, QStringLiteral("D "), QStringLiteral("mm")),
                              traLeLinee(l.v, dettagli::velocitaDelDiagramma, QString(), QStringLiteral("m/s")));
        }
        testo += QLatin1Char('.');
    }
    if (!contenuto.tratti.empty()) {
        qsizetype indice = 0;
        for (const PuntoTratto& t : contenuto.tratti) indice += t.indice ? 1 : 0;
        testo += QStringLiteral(" Tratti: %1, %2 sul percorso indice.").arg(contenuto.tratti.size()).arg(indice);
    }
    return testo;
}

}  // namespace flumetra
