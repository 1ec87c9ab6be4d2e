// The chart's legend, above the plot: what each kind of line and mark is,
// then whose air and method the lines are for, in as many rows as the
// picture's width needs, each item whole.

#include <QPainter>
#include <algorithm>

#include "ui/grafica/tela_diagramma.h"
#include "ui/grafica/testi_diagramma.h"

namespace flumetra::diagramma {
namespace {

constexpr double campione = 18;  // a sample's width, in units
constexpr double dopoCampione = 4;
constexpr double traVoci = 10;

}  // namespace

std::vector<VoceLegenda> vociDellaLegenda(const ContenutoDiagramma& contenuto) {
    std::vector<VoceLegenda> voci = {
        {Campione::Diametro, voceDiametri()},
        {Campione::Velocita, voceVelocita()},
        {Campione::Condotto, voceCondotto()},
    };
    if (!contenuto.tratti.empty()) {
        voci.push_back({Campione::Tratto, voceTratto()});
        voci.push_back({Campione::Indice, voceIndice()});
    }
    voci.push_back({Campione::Nessuno, didascaliaLinee(contenuto)});
    if (contenuto.correzione) voci.push_back({Campione::Nessuno, didascaliaMetodo(contenuto)});
    return voci;
}

std::vector<PostoInLegenda> disponiLegenda(const std::vector<VoceLegenda>& voci, const QFontMetricsF& metriche,
                                           double u, double larghezza) {
    std::vector<PostoInLegenda> posti;
    int riga = 0;
    double x = 0;
    for (const VoceLegenda& voce : voci) {
        const double prima = voce.campione == Campione::Nessuno ? 0 : (campione + dopoCampione) * u;
        const double lunga = prima + metriche.horizontalAdvance(voce.testo);
        if (x > 0 && x + lunga > larghezza) {
            ++riga;
            x = 0;
        }
        posti.push_back({riga, x, std::min(lunga, larghezza)});
        x += lunga + traVoci * u;
    }
    return posti;
}

void disegnaLegenda(Tela& tela, const ContenutoDiagramma& contenuto) {
    const std::vector<VoceLegenda> voci = vociDellaLegenda(contenuto);
    const QRectF& legenda = tela.piano.legenda();
    const std::vector<PostoInLegenda> posti = disponiLegenda(voci, tela.metriche, tela.u(), legenda.width());
    auto trattino = [&](QPointF c, const QPen& pen) {
        tela.p.setPen(pen);
        tela.p.drawLine(c - QPointF(campione * tela.u() / 2, 0), c + QPointF(campione * tela.u() / 2, 0));
    };
    for (std::size_t i = 0; i < voci.size(); ++i) {
        const VoceLegenda& voce = voci[i];
        const PostoInLegenda& posto = posti[i];
        const double y = legenda.top() + posto.riga * (tela.h() + interlineaLegenda(tela.u())) + tela.h() / 2;
        const QPointF c(legenda.left() + posto.x + campione * tela.u() / 2, y);
        switch (voce.campione) {
            case Campione::Diametro: trattino(c, tela.penna(coloreDiametro, 1.3)); break;
            case Campione::Velocita: trattino(c, tela.penna(coloreVelocita, 1.1, Qt::DashLine)); break;
            case Campione::Condotto: tela.segnoCondotto(c); break;
            case Campione::Tratto: tela.segnoTratto(c, false); break;
            case Campione::Indice: tela.segnoTratto(c, true); break;
            case Campione::Nessuno: break;
        }
        const double prima = voce.campione == Campione::Nessuno ? 0 : (campione + dopoCampione) * tela.u();
        const double larghezza = posto.larghezza - prima;
        tela.p.setPen(inchiostro);
        const bool intera = tela.metriche.horizontalAdvance(voce.testo) <= larghezza + tela.u() / 2;
        tela.p.drawText(QRectF(legenda.left() + posto.x + prima, y - tela.h() / 2, larghezza, tela.h()),
                        Qt::AlignLeft | Qt::AlignVCenter,
                        intera ? voce.testo : tela.metriche.elidedText(voce.testo, Qt::ElideRight, larghezza));
    }
}

}  // namespace flumetra::diagramma
