#include "ui/righe_dettagli.h"

#include <QStringList>

#include "calc/testo.h"
#include "logic/finestra.h"
#include "logic/quantita.h"
#include "ui/messaggi.h"

namespace flumetra {
namespace {

using dettagli::treCifre;

QString tre(std::optional<Reale> valore) { return QString::fromStdString(treCifre(valore)); }

// A series diameter as typing it into D would leave the fields, with its
// Colebrook loss: "D 500: v 4,2 m/s, Y 0,037 mmc.a./m, R 0,402 Pa/m".
QString diametroDiSerie(const std::optional<dettagli::DiametroDiSerie>& serie) {
    if (!serie) return QStringLiteral("—");
    auto esatto = [](std::optional<Reale> valore) {
        return valore ? QString::fromStdString(RealeInTesto(*valore)) : QStringLiteral("—");
    };
    return QStringLiteral("D %1: v %2 m/s, Y %3 %4, R %5 Pa/m")
        .arg(QString::number(serie->D), esatto(serie->v), esatto(serie->Y), inQt(dati(Campo::Text_Y).unita),
             tre(serie->R_Pa_m));
}

}  // namespace

std::vector<RigaDettaglio> righeDettagli(const dettagli::Dettagli& d) {
    const auto serie = [&](std::size_t lato) {
        return d.EN1506 ? diametroDiSerie((*d.EN1506)[lato]) : QStringLiteral("—");
    };
    return {
        {QStringLiteral("Perdita unitaria Y"), tre(d.Y_Pa_m), QStringLiteral("Pa/m")},
        {QStringLiteral("Perdita totale Y tot"), tre(d.Ytot_Pa), QStringLiteral("Pa")},
        {QStringLiteral("Velocità nel rettangolo A × B"), tre(d.v_rett), QStringLiteral("m/s")},
        {QStringLiteral("Rapporto dei lati"), tre(d.rapporto), QString()},
        {QStringLiteral("Velocità nel tondo D"), tre(d.v_tondo), QStringLiteral("m/s")},
        {QStringLiteral("Pressione dinamica"), tre(d.pd), QStringLiteral("Pa")},
        {QStringLiteral("Numero di Reynolds"), tre(d.Re), QString()},
        {QStringLiteral("Fattore d'attrito λ (Colebrook)"), tre(d.lambda), QString()},
        {QStringLiteral("Perdita R (Colebrook)"), tre(d.R_Pa_m), QStringLiteral("Pa/m")},
        {QStringLiteral("Perdita R (Colebrook)"), tre(d.R_mmca_m), inQt(dati(Campo::Text_Y).unita)},
        {QStringLiteral("Scarto di Y da R"), tre(d.scarto), QStringLiteral("%")},
        {QStringLiteral("EN 1506, diametro inferiore"), serie(0), QString()},
        {QStringLiteral("EN 1506, diametro superiore"), serie(1), QString()},
    };
}

QString ariaDiRiferimento() { return QStringLiteral("Aria a 20 °C e 101 325 Pa: ρ 1,2041 kg/m³, μ 1,813·10⁻⁵ Pa·s"); }

QString nomeMateriale(dettagli::Materiale materiale) {
    const dettagli::DatiMateriale& m = dettagli::dati(materiale);
    return QStringLiteral("%1 (ε %2 mm)").arg(inQt(m.descrizione), inQt(RealeInTesto(m.rugosita_mm)));
}

dettagli::TestiDelCondotto testiDelCondotto(const Finestra& finestra) {
    using enum Campo;
    return {finestra.testo(Text_A), finestra.testo(Text_B), finestra.testo(Text_D),
            finestra.testo(Text_G), finestra.testo(Text_Y), finestra.testo(Text_Ytot)};
}

QString riepilogo(const Finestra& finestra, const dettagli::Dettagli& d) {
    QStringList righe{QStringLiteral("Flumetra — dimensionamento del canale")};
    auto riga = [&](const QString& etichetta, const QString& valore, const QString& unita) {
        righe << (unita.isEmpty() ? QStringLiteral("%1\t%2").arg(etichetta, valore)
                                  : QStringLiteral("%1\t%2\t%3").arg(etichetta, valore, unita));
    };
    for (const Campo c : allValues<Campo>()) {
        riga(inQt(dati(c).descrizione), inQt(finestra.testo(c)), inQt(dati(c).unita));
    }
    for (const Modo m : allValues<Modo>()) {
        if (finestra.modoSelezionato(m)) riga(QStringLiteral("Modo"), inQt(dati(m).cosaFa), QString());
    }
    for (const Sezione s : allValues<Sezione>()) {
        if (finestra.sezioneSelezionata(s)) {
            riga(QStringLiteral("Dimensione mantenuta della sezione"), inQt(dati(s).valore), QString());
        }
    }
    riga(QStringLiteral("Materiale del condotto"), nomeMateriale(d.materiale), QString());
    righe << ariaDiRiferimento();
    for (const RigaDettaglio& r : righeDettagli(d)) riga(r.etichetta, r.valore, r.unita);
    return righe.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace flumetra
