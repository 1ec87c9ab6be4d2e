// The report laid out on the pages of a paged device (a PDF writer, a
// printer), each page's body above its title block (cartiglio.h). The body
// flows: the run's name, the basis it was designed on, the table of the
// sections (its heading again atop each page it runs on to), the fittings
// and the totals, a heading never left alone at the foot of a page; then a
// page of its own for the friction chart with the run's sections. Sizes in
// points and millimetres, measured on the device itself: a PDF and a printer
// with the same paper give the same pages.
//
//   PagineRapporto pagine(rapportoDi(p, r), {"rete.flumetra", "09/12/2026", chart}, pdf);
//   pagine.numero()  -> 2 for a run whose table fits a page; the chart last
//   pagine.disegna(pittore, 0) … pdf.newPage() … pagine.disegna(pittore, 1)
#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "percorso/rapporto.h"
#include "ui/grafica/cartiglio.h"
#include "ui/grafica/disegno_diagramma.h"
#include "ui/grafica/tabella_rapporto.h"

class QPaintDevice;
class QPainter;

namespace flumetra {

struct DatiPagine {
    QString nome;  // the run's file name, «senza nome» for one never saved
    QString data;  // «dd/MM/yyyy»
    ContenutoDiagramma diagramma;
};

class PagineRapporto {
public:
    PagineRapporto(percorso::Rapporto rapporto, DatiPagine dati, const QPaintDevice& dispositivo);
    PagineRapporto(const PagineRapporto&) = delete;
    PagineRapporto& operator=(const PagineRapporto&) = delete;
    PagineRapporto(PagineRapporto&&) = delete;
    PagineRapporto& operator=(PagineRapporto&&) = delete;
    ~PagineRapporto() = default;

    [[nodiscard]] int numero() const { return pagine_; }
    // The sections whose rows a page shows, first and one past the last.
    [[nodiscard]] std::pair<std::size_t, std::size_t> righeSullaPagina(int pagina) const;
    // Page pagina, from 0, on a painter begun on the device.
    void disegna(QPainter& pittore, int pagina) const;

private:
    // A piece of the body, drawn at its top left, as wide as the body.
    struct Pezzo {
        double altezza = 0;
        std::function<void(QPainter&, QPointF)> disegna;
        std::optional<std::size_t> riga;  // the table's row it is
        bool conIlSeguente = false;       // a heading: on the page of what follows it
        bool paginaNuova = false;
    };
    struct Posto {
        int pagina;
        double y;
        std::size_t pezzo;
    };

    void testo(const QString& t, const QFont& f, double spazioSopra, bool conIlSeguente = false);
    void voci(const std::vector<percorso::VoceRapporto>& voci);
    void tabella();
    void diagramma();
    void impagina();
    [[nodiscard]] double millimetri(double mm) const;

    percorso::Rapporto rapporto_;
    DatiPagine dati_;
    const QPaintDevice& dispositivo_;
    QFont normale_, grassetto_, titolo_;
    Cartiglio cartiglio_;
    QRectF corpo_;  // of every page
    TabellaRapporto tabella_;
    std::vector<Pezzo> pezzi_;
    std::size_t testaTabella_ = 0;  // the table's heading among the pieces
    std::vector<Posto> posti_;
    int pagine_ = 0;
};

}  // namespace flumetra
