#include "ui/grafica/pagine_rapporto.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "ui/grafica/testo_qt.h"

namespace flumetra {
namespace {

constexpr double puntiTesto = 8;    // the body's text, pt
constexpr double puntiTabella = 7;  // the table's, at most
constexpr double puntiTitolo = 13;
constexpr int aCapo = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

QFont carattere(double punti, bool grassetto) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

}  // namespace

PagineRapporto::PagineRapporto(percorso::Rapporto rapporto, DatiPagine dati, const QPaintDevice& dispositivo)
    : rapporto_(std::move(rapporto)),
      dati_(std::move(dati)),
      dispositivo_(dispositivo),
      normale_(carattere(puntiTesto, false)),
      grassetto_(carattere(puntiTesto, true)),
      titolo_(carattere(puntiTitolo, true)),
      cartiglio_({rapporto_.intestazione, dati_.nome, dati_.data}, normale_, dispositivo),
      corpo_(0, 0, dispositivo.width(), dispositivo.height() - cartiglio_.altezza() - millimetri(4)),
      tabella_(rapporto_, carattere(puntiTabella, false), dispositivo, corpo_.width()) {
    testo(QStringLiteral("Percorso «%1»").arg(dati_.nome), titolo_, 0);
    testo(QStringLiteral("Dati di progetto"), grassetto_, millimetri(4), true);
    voci(rapporto_.base);
    testo(QStringLiteral("Tratti"), grassetto_, millimetri(4), true);
    tabella();
    testo(QStringLiteral("In grassetto i tratti del percorso indice."), normale_, millimetri(1.5));
    if (!rapporto_.raccordi.empty()) {
        testo(QStringLiteral("Raccordi dei tratti"), grassetto_, millimetri(4), true);
        voci(rapporto_.raccordi);
    }
    testo(QStringLiteral("Risultati"), grassetto_, millimetri(4), true);
    voci(rapporto_.totali);
    diagramma();
    impagina();
}

double PagineRapporto::millimetri(double mm) const { return dispositivo_.logicalDpiY() * mm / 25.4; }

void PagineRapporto::testo(const QString& t, const QFont& f, double spazioSopra, bool conIlSeguente) {
    const double alto = QFontMetricsF(f, &dispositivo_).boundingRect(corpo_, aCapo, t).height();
    pezzi_.push_back({.altezza = spazioSopra + alto,
                      .disegna =
                          [this, t, f, spazioSopra](QPainter& p, QPointF dove) {
                              p.setFont(f);
                              p.drawText(QRectF(dove + QPointF(0, spazioSopra), corpo_.size()), aCapo, t);
                          },
                      .riga = std::nullopt,
                      .conIlSeguente = conIlSeguente});
}

// Each a line: its name in bold in a column of its own, its value beside it,
// wrapping within the rest of the body.
void PagineRapporto::voci(const std::vector<percorso::VoceRapporto>& voci) {
    const QFontMetricsF g(grassetto_, &dispositivo_), n(normale_, &dispositivo_);
    double colonna = 0;
    for (const percorso::VoceRapporto& v : voci) {
        colonna = std::max(colonna, g.horizontalAdvance(inQt(v.nome) + QLatin1Char(':')));
    }
    colonna += millimetri(3);
    const double spazio = millimetri(0.6);
    for (const percorso::VoceRapporto& v : voci) {
        const QString nome = inQt(v.nome) + QLatin1Char(':');
        const QString valore = inQt(v.valore);
        const QRectF resto(0, 0, corpo_.width() - colonna, corpo_.height());
        const double alto = std::max(g.height(), n.boundingRect(resto, aCapo, valore).height());
        pezzi_.push_back(
            {.altezza = alto + spazio,
             .disegna =
                 [this, nome, valore, colonna, spazio](QPainter& p, QPointF d) {
                     p.setFont(grassetto_);
                     p.drawText(QRectF(d + QPointF(0, spazio), QSizeF(colonna, corpo_.height())), aCapo, nome);
                     p.setFont(normale_);
                     p.drawText(QRectF(d + QPointF(colonna, spazio), QSizeF(corpo_.width() - colonna, corpo_.height())),
                                aCapo, valore);
                 },
             .riga = std::nullopt});
    }
}

void PagineRapporto::tabella() {
    testaTabella_ = pezzi_.size();
    pezzi_.push_back({.altezza = tabella_.altezzaTesta(),
                      .disegna = [this](QPainter& p, QPointF d) { tabella_.disegnaTesta(p, d); },
                      .riga = std::nullopt,
                      .conIlSeguente = true});
    for (std::size_t i = 0; i < rapporto_.tratti.size(); ++i) {
        pezzi_.push_back({.altezza = tabella_.altezzaRiga(),
                          .disegna = [this, i](QPainter& p, QPointF d) { tabella_.disegnaRiga(p, d, i); },
                          .riga = i});
    }
}

// The whole body of the last page: its heading, the chart below.
void PagineRapporto::diagramma() {
    const QString titolo = QStringLiteral("Diagramma delle perdite per attrito, con i tratti del percorso");
    pezzi_.push_back({.altezza = corpo_.height(),
                      .disegna =
                          [this, titolo](QPainter& p, QPointF d) {
                              p.setFont(grassetto_);
                              const double alto = QFontMetricsF(grassetto_, &dispositivo_).height();
                              p.drawText(QRectF(d, QSizeF(corpo_.width(), alto)), aCapo, titolo);
                              const QRectF area(d + QPointF(0, alto + millimetri(2)),
                                                QSizeF(corpo_.width(), corpo_.height() - alto - millimetri(2)));
                              p.save();
                              disegnaDiagramma(p, area, carattere(puntiTabella, false), dati_.diagramma);
                              p.restore();
                          },
                      .riga = std::nullopt,
                      .conIlSeguente = false,
                      .paginaNuova = true});
}

// Each piece on the page it fits on whole; a row that starts a page has the
// table's heading above it again.
void PagineRapporto::impagina() {
    int pagina = 0;
    double y = 0;
    for (std::size_t k = 0; k < pezzi_.size(); ++k) {
        const Pezzo& pezzo = pezzi_[k];
        double serve = pezzo.altezza;
        if (pezzo.conIlSeguente && k + 1 < pezzi_.size()) serve += pezzi_[k + 1].altezza;
        if (y > 0 && (pezzo.paginaNuova || y + serve > corpo_.height())) {
            ++pagina;
            y = 0;
            if (pezzo.riga && *pezzo.riga > 0) {
                posti_.push_back({pagina, y, testaTabella_});
                y += pezzi_[testaTabella_].altezza;
            }
        }
        posti_.push_back({pagina, y, k});
        y += pezzo.altezza;
    }
    pagine_ = pagina + 1;
}

std::pair<std::size_t, std::size_t> PagineRapporto::righeSullaPagina(int pagina) const {
    std::size_t prima = rapporto_.tratti.size(), dopo = 0;
    for (const Posto& posto : posti_) {
        const std::optional<std::size_t>& riga = pezzi_[posto.pezzo].riga;
        if (posto.pagina != pagina || !riga) continue;
        prima = std::min(prima, *riga);
        dopo = std::max(dopo, *riga + 1);
    }
    return prima < dopo ? std::pair(prima, dopo) : std::pair<std::size_t, std::size_t>(0, 0);
}

void PagineRapporto::disegna(QPainter& pittore, int pagina) const {
    pittore.save();
    pittore.setPen(Qt::black);
    for (const Posto& posto : posti_) {
        if (posto.pagina == pagina) pezzi_[posto.pezzo].disegna(pittore, QPointF(0, posto.y));
    }
    cartiglio_.disegna(pittore, QRectF(0, 0, dispositivo_.width(), dispositivo_.height()), pagina + 1, pagine_);
    pittore.restore();
}

}  // namespace flumetra
