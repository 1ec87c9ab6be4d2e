#include "ui/grafica/testi_diagramma.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <utility>

#include "calc/testo.h"
#include "dettagli/attrito.h"
#include "dettagli/dettagli.h"
#include "dettagli/materiali.h"
#include "dettagli/righe.h"
#include "ui/grafica/nomi.h"
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
Lettura lettura(const PuntoDiagramma& p, const dettagli::LeggePerdita& legge) {
    const Reale D = dettagli::diametroPerPerdita(p.G, p.Y_Pa_m, legge);
    return {D, dettagli::velocitaPerDiametro(p.G, D)};
}

QString suggerimentoDelPunto(const QString& nome, const PuntoDiagramma& p, const ContenutoDiagramma& contenuto) {
    QString testo = QStringLiteral("%1: G %2 m³/h\nY %3 Pa/m = %4 mm c.a./m")
                        .arg(nome, intero(p.G), cifre(p.Y_Pa_m), cifre(p.Y_Pa_m / dettagli::pascalPerMmca));
    if (const auto legge = leggeDelleLinee(contenuto)) {
        const Lettura l = lettura(p, *legge);
        testo += QStringLiteral("\nsul diagramma: D %1 mm, v %2 m/s").arg(intero(l.D), cifre(l.v));
    }
    return testo;
}

// "Tratto T1 (percorso indice)"; for identical sections "Tratti T2, T4 (percorso indice: T4)".
QString nomeDelPunto(const std::vector<PuntoTratto>& tratti, const std::vector<std::size_t>& punto) {
    QStringList tutti;
    QStringList indice;
    for (const std::size_t i : punto) {
        tutti << tratti[i].id;
        if (tratti[i].indice) indice << tratti[i].id;
    }
    if (tutti.size() == 1) {
        return indice.isEmpty() ? QStringLiteral("Tratto %1").arg(tutti.front())
                                : QStringLiteral("Tratto %1 (percorso indice)").arg(tutti.front());
    }
    const QString nomi = tutti.join(QStringLiteral(", "));
    return indice.isEmpty()
               ? QStringLiteral("Tratti %1").arg(nomi)
               : QStringLiteral("Tratti %1 (percorso indice: %2)").arg(nomi, indice.join(QStringLiteral(", ")));
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

QString didascaliaLinee(const ContenutoDiagramma& contenuto) {
    const QString aria = didascaliaAria(contenuto.aria, contenuto.correzione.has_value());
    return contenuto.delPercorso ? QStringLiteral("percorso: %1").arg(aria) : aria;
}

QString didascaliaMetodo(const ContenutoDiagramma& contenuto) {
    const percorso::Metodo metodo =
        contenuto.delPercorso ? contenuto.delPercorso->metodo : percorso::Metodo::Calcolatore;
    if (metodo == percorso::Metodo::Calcolatore) return QStringLiteral("metodo: %1").arg(nomeMetodo(metodo));
    return QStringLiteral("metodo: %1, %2").arg(nomeMetodo(metodo), nomeMateriale(contenuto.delPercorso->materiale));
}

QString titoloDiagramma() { return QStringLiteral("Diagramma delle perdite"); }
QString titoloDiagramma(const QString& nomeDelPercorso) {
    return QStringLiteral("%1 – percorso «%2»").arg(titoloDiagramma(), nomeDelPercorso);
}

QString etichettaDellaLinea(const dettagli::Linea& linea) {
    const QString valore = inQt(RealeInTesto(linea.valore));
    return linea.tipo == dettagli::TipoLinea::Diametro ? valore : QStringLiteral("%1 m/s").arg(valore);
}

QString suggerimentoDiagramma(const Sotto& sotto, const ContenutoDiagramma& contenuto) {
    switch (sotto.cosa) {
        case Sotto::Cosa::Condotto:
            return suggerimentoDelPunto(QStringLiteral("Condotto"), *contenuto.condotto, contenuto);
        case Sotto::Cosa::Tratto: {
            const PuntoTratto& t = contenuto.tratti[sotto.indice];
            std::vector<std::size_t> punto = {sotto.indice};
            for (std::vector<std::size_t>& uguali : puntiDeiTratti(contenuto.tratti)) {
                if (std::find(uguali.begin(), uguali.end(), sotto.indice) != uguali.end()) punto = std::move(uguali);
            }
            return suggerimentoDelPunto(nomeDelPunto(contenuto.tratti, punto), {t.G, t.Y_Pa_m}, contenuto);
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
                 didascaliaLinee(contenuto) + QStringLiteral(", ") + didascaliaMetodo(contenuto));
    if (!contenuto.condotto) {
        testo += QStringLiteral(" Nessun punto del condotto: G o Y non è un numero sopra lo zero.");
    } else if (!dettagli::dentroIlDiagramma(*contenuto.condotto)) {
        testo += QStringLiteral(" Punto del condotto: %1, fuori dal diagramma.").arg(valori(*contenuto.condotto));
    } else {
        testo += QStringLiteral(" Punto del condotto: %1").arg(valori(*contenuto.condotto));
        if (const auto legge = leggeDelleLinee(contenuto)) {
            const Lettura l = lettura(*contenuto.condotto, *legge);
            testo += QStringLiteral(", %1 e %2")
                         .arg(traLeLinee(l.D, dettagli::serieEN1506, QStringLiteral("D "), QStringLiteral("mm")),
                              traLeLinee(l.v, dettagli::velocitaDelDiagramma, QString(), QStringLiteral("m/s")));
        }
        testo += QLatin1Char('.');
    }
    if (!contenuto.tratti.empty()) {
        qsizetype indice = 0;
        for (const PuntoTratto& t : contenuto.tratti) indice += t.indice ? 1 : 0;
        const std::size_t punti = puntiDeiTratti(contenuto.tratti).size();
        const QString dove = punti < contenuto.tratti.size() ? QStringLiteral(" in %1 punti").arg(punti) : QString();
        testo +=
            QStringLiteral(" Tratti: %1%2, %3 sul percorso indice.").arg(contenuto.tratti.size()).arg(dove).arg(indice);
    }
    return testo;
}

}  // namespace flumetra
