#include "ui/grafica/rapporto_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QDate>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <QTextDocument>
#include <array>

#include "calc/testo.h"
#include "dettagli/righe.h"
#include "percorso/avvisi.h"
#include "percorso/colonne.h"
#include "percorso/impostazioni.h"
#include "percorso/testo_raccordo.h"
#include "percorso/totali.h"
#include "ui/grafica/errori_dei_file.h"
#include "ui/grafica/file_percorso.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {
namespace {

using percorso::Colonna;

QString html(const std::string& testo) { return inQt(testo).toHtmlEscaped(); }

// The run's settings as the report words them, a line each for the air, how
// R is found and the targets, read through their table; a setting these
// lines leave out follows on a line of its own, as the panel names it.
QString impostazioni(const percorso::Percorso& p) {
    using percorso::Impostazione;
    std::array<bool, percorso::numeroImpostazioni> dette{};
    auto v = [&](Impostazione i) {
        dette[static_cast<std::size_t>(i)] = true;
        return html(percorso::testoDi(percorso::dati(i), p));
    };
    QStringList righe;
    righe << QStringLiteral("Aria: %1 °C, quota %2 m").arg(v(Impostazione::Temperatura), v(Impostazione::Quota));
    righe << QStringLiteral("Metodo per R: %1; materiale: %2").arg(v(Impostazione::Metodo), v(Impostazione::Materiale));
    righe << QStringLiteral(
                 "Perdita obiettivo Y°: %1 %5; velocità massime: principale %2, secondario %3, terminale %4 m/s")
                 .arg(v(Impostazione::PerditaObiettivo), v(Impostazione::VelocitaPrincipale),
                      v(Impostazione::VelocitaSecondaria), v(Impostazione::VelocitaTerminale),
                      html(std::string(percorso::dati(Impostazione::PerditaObiettivo).unita)));
    for (std::size_t k = 0; k < percorso::numeroImpostazioni; ++k) {
        if (dette[k]) continue;
        const percorso::DatiImpostazione& d = percorso::tabellaImpostazioni[k];
        righe << QStringLiteral("%1: %2 %3")
                     .arg(inQt(d.etichetta).remove(QLatin1Char('&')).toHtmlEscaped(), html(percorso::testoDi(d, p)),
                          html(std::string(d.unita)))
                     .trimmed();
    }
    return righe.join(QStringLiteral("<br>"));
}

// Under the table, each section's fittings: kind, parameters, n and ζ.
QString raccordiDelRapporto(const percorso::Percorso& p, const percorso::Risultati& r) {
    QString s;
    for (std::size_t i = 0; i < p.tratti.size(); ++i) {
        const std::vector<percorso::Raccordo>& raccordi = p.tratti[i].raccordi;
        if (raccordi.empty()) continue;
        const std::vector<std::optional<Reale>> zeta = percorso::zetaDeiRaccordi(p, r, i);
        QStringList voci;
        for (std::size_t k = 0; k < raccordi.size(); ++k) {
            voci << html(percorso::testoDelRaccordo(raccordi[k], zeta.at(k)));
        }
        s += QStringLiteral("<li>%1: %2</li>").arg(html(p.tratti[i].id), voci.join(QStringLiteral("; ")));
    }
    return s.isEmpty() ? s : QStringLiteral("<p>Raccordi dei tratti:</p><ul>%1</ul>").arg(s);
}

}  // namespace

QString htmlDelRapporto(const QString& nome, const percorso::Percorso& p, const percorso::Risultati& r) {
    QString s = QStringLiteral("<h2>Percorso «%1»</h2>").arg(nome.toHtmlEscaped());
    // The title block, each line given.
    QStringList intestazione;
    for (std::size_t k = 0; k < percorso::numeroVoci; ++k) {
        if (p.intestazione.voci[k].empty()) continue;
        intestazione << QStringLiteral("%1: %2").arg(html(std::string(percorso::tabellaVoci[k].etichetta)),
                                                     html(p.intestazione.voci[k]));
    }
    if (!intestazione.isEmpty()) s += QStringLiteral("<p>%1</p>").arg(intestazione.join(QStringLiteral("<br>")));
    s += QStringLiteral("<p>Data: %1<br>").arg(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    s += impostazioni(p) + QStringLiteral("</p>");

    s += QStringLiteral("<table width='100%' border='1' cellspacing='0' cellpadding='2'><thead><tr>");
    std::vector<Colonna> colonne;
    for (const Colonna c : percorso::colonneDelFoglio()) {
        if (percorso::dati(c).nelRapporto) colonne.push_back(c);
    }
    for (const Colonna c : colonne) s += QStringLiteral("<th>%1</th>").arg(html(percorso::intestazione(c)));
    s += QStringLiteral("<th>%1</th></tr></thead>").arg(html(std::string(percorso::titoloAvvisi)));
    std::vector<bool> indice(p.tratti.size());
    if (r.percorso_indice) {
        for (const std::size_t k : *r.percorso_indice) indice[k] = true;
    }
    for (std::size_t i = 0; i < p.tratti.size(); ++i) {
        const QString grassetto = indice[i] ? QStringLiteral(" style='font-weight:bold'") : QString();
        s += QStringLiteral("<tr%1>").arg(grassetto);
        for (const Colonna c : colonne) {
            s += QStringLiteral("<td align='%1' style='white-space:nowrap'>%2</td>")
                     .arg(percorso::aSinistra(c) ? QStringLiteral("left") : QStringLiteral("right"),
                          html(percorso::testoDi(c, p, i, &r)));
        }
        s += QStringLiteral("<td style='white-space:nowrap'>%1</td></tr>")
                 .arg(html(percorso::paroleDegliAvvisi(r.tratti[i])));
    }
    s += QStringLiteral("</table>");
    s += raccordiDelRapporto(p, r);

    // Each total as «name: value unit», «—» where it is not given.
    s += QStringLiteral("<p>In grassetto i tratti del percorso indice.</p><p>");
    for (std::size_t k = 0; k < percorso::numeroTotali; ++k) {
        const percorso::DatiTotale& d = percorso::dati(percorso::totaleDi(k));
        const std::string testo = d.testo(p, r);
        s += QStringLiteral("%1: %2").arg(html(std::string(d.nome)),
                                          html(testo.empty() ? std::string(dettagli::nessunValore) : testo));
        if (!d.unita.empty()) s += QStringLiteral(" ") + html(std::string(d.unita));
        s += k + 1 < percorso::numeroTotali ? QStringLiteral("<br>") : QStringLiteral("</p>");
    }
    return s;
}

std::optional<QString> scriviRapportoPdf(const QString& percorsoFile, const QString& nomeDelPercorso,
                                         const percorso::Percorso& percorso, const percorso::Risultati& risultati) {
    QSaveFile file(percorsoFile);
    const auto nonScritto = [&] { return nonSalvato(percorsoFile, file, 0); };
    if (!file.open(QIODevice::WriteOnly)) return nonScritto();
    {
        QPdfWriter pdf(&file);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                      QPageLayout::Millimeter));
        pdf.setResolution(300);
        pdf.setTitle(QStringLiteral("Percorso «%1»").arg(nomeDelPercorso));
        pdf.setCreator(QStringLiteral("Flumetra"));

        QPainter pittore(&pdf);
        const QRect pagina = pittore.viewport();
        QFont carattere(QStringLiteral("DejaVu Sans"));
        carattere.setPointSizeF(7);
        QTextDocument documento;
        documento.documentLayout()->setPaintDevice(&pdf);
        documento.setDefaultFont(carattere);
        documento.setHtml(htmlDelRapporto(nomeDelPercorso, percorso, risultati));
        const int piede = pdf.resolution() / 4;  // a quarter inch for «Pagina n di N»
        const QSizeF corpoPagina(pagina.width(), pagina.height() - piede);
        documento.setPageSize(corpoPagina);

        const int pagine = documento.pageCount();
        pittore.setFont(QFont(carattere.family(), 7));
        for (int n = 0; n < pagine; ++n) {
            if (n > 0) pdf.newPage();
            pittore.save();
            pittore.translate(0, -n * corpoPagina.height());
            documento.drawContents(&pittore, QRectF(QPointF(0, n * corpoPagina.height()), corpoPagina));
            pittore.restore();
            const QRect fondo(0, pagina.height() - piede, pagina.width(), piede);
            pittore.drawText(fondo, Qt::AlignRight | Qt::AlignBottom,
                             QStringLiteral("Pagina %1 di %2").arg(n + 1).arg(pagine));
            pittore.drawText(fondo, Qt::AlignLeft | Qt::AlignBottom,
                             QStringLiteral("Flumetra – percorso «%1»").arg(nomeDelPercorso));
        }
        if (!pittore.end()) return nonScritto();
    }
    if (!file.commit()) return nonScritto();
    return std::nullopt;
}

}  // namespace flumetra
