// The sheet's cells on the clipboard, for a spreadsheet and back: Ctrl+C
// copies the selected cells as tab-separated lines, as the sheet shows them
// (decimal commas); Ctrl+V puts a block of rows into the sections from the
// current cell on, as one edit. A block the sheet copied goes back to the
// columns it came from (what is computed there is left out); a
// spreadsheet's fills the inputs from the current column on, rightwards.

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QStatusBar>
#include <algorithm>

#include "percorso/colonne.h"
#include "percorso/incolla.h"
#include "ui/foglio/documento_percorso.h"
#include "ui/foglio/foglio_percorso.h"
#include "ui/foglio/modello_percorso.h"
#include "ui/foglio/tabella_percorso.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {
namespace {

// The sheet's positions of the copied columns, "3,4,5", beside the text.
const QString tipoColonne = QStringLiteral("application/x-flumetra-colonne");

percorso::Colonna colonnaIn(int posizione) { return percorso::colonneDelFoglio()[static_cast<std::size_t>(posizione)]; }

bool scritta(percorso::Colonna c) { return percorso::dati(c).tipo != percorso::Tipo::Calcolata; }

}  // namespace

void FoglioPercorso::copia() const {
    const QModelIndexList scelte = tabella_->selectionModel()->selectedIndexes();
    if (scelte.isEmpty()) return;
    int prima = scelte.first().row(), ultima = prima, sinistra = scelte.first().column(), destra = sinistra;
    for (const QModelIndex& i : scelte) {
        prima = std::min(prima, i.row());
        ultima = std::max(ultima, i.row());
        sinistra = std::min(sinistra, i.column());
        destra = std::max(destra, i.column());
    }
    QStringList righe;
    for (int r = prima; r <= ultima; ++r) {
        QStringList celle;
        for (int c = sinistra; c <= destra; ++c) {
            const QModelIndex i = modello_->index(r, c);
            const bool indice = colonnaIn(c) == percorso::Colonna::Indice;
            celle << (tabella_->selectionModel()->isSelected(i)
                          ? i.data(indice ? Qt::AccessibleTextRole : Qt::DisplayRole).toString()
                          : QString());
        }
        righe << celle.join(QLatin1Char('\t'));
    }
    QStringList posizioni;
    for (int c = sinistra; c <= destra; ++c) posizioni << QString::number(c);
    auto* dati = new QMimeData;
    dati->setText(righe.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    dati->setData(tipoColonne, posizioni.join(QLatin1Char(',')).toLatin1());
    QApplication::clipboard()->setMimeData(dati);
}

std::optional<QString> FoglioPercorso::incolla() {
    const QMimeData* dati = QApplication::clipboard()->mimeData();
    if (dati == nullptr || !dati->hasText() || percorso().tratti.empty()) return std::nullopt;
    const percorso::Blocco blocco = percorso::righeIncollate(dati->text().toStdString());
    if (blocco.empty()) return std::nullopt;
    const QModelIndex corrente = tabella_->currentIndex();
    const int riga = corrente.isValid() ? corrente.row() : 0;
    const int da = corrente.isValid() ? corrente.column() : percorso::posizioneNelFoglio(percorso::Colonna::Id);
    std::size_t larghezza = 0;
    for (const auto& r : blocco) larghezza = std::max(larghezza, r.size());

    std::vector<std::optional<percorso::Colonna>> colonne;
    const int numero = static_cast<int>(percorso::colonneDelFoglio().size());
    if (dati->hasFormat(tipoColonne)) {
        const QList<QByteArray> posizioni = dati->data(tipoColonne).split(',');
        const int origine = posizioni.first().toInt();
        for (const QByteArray& p : posizioni) {
            const int c = da + p.toInt() - origine;
            colonne.push_back(c < numero && scritta(colonnaIn(c)) ? std::optional(colonnaIn(c)) : std::nullopt);
        }
    } else {
        for (int c = da; c < numero && colonne.size() < larghezza; ++c) {
            if (scritta(colonnaIn(c))) colonne.emplace_back(colonnaIn(c));
        }
        if (colonne.size() < larghezza)
            return QStringLiteral("Il blocco incollato ha %1 colonne: da «%2» ce ne sono %3 da scrivere.")
                .arg(larghezza)
                .arg(inQt(percorso::dati(colonnaIn(da)).titolo))
                .arg(colonne.size());
    }
    auto dopo = percorso::conBlocco(percorso(), static_cast<std::size_t>(riga), colonne, blocco);
    if (const auto* perche = std::get_if<std::string>(&dopo)) {
        return QStringLiteral("Niente incollato: %1.").arg(inQt(*perche));
    }
    if (auto perche = documento_->modifica(std::get<percorso::Percorso>(dopo), QStringLiteral("Incolla"))) {
        return QStringLiteral("Niente incollato: %1").arg(*perche);
    }
    const auto righe = static_cast<int>(blocco.size());
    tabella_->selectionModel()->select(QItemSelection(modello_->index(riga, da), modello_->index(riga + righe - 1, da)),
                                       QItemSelectionModel::ClearAndSelect);
    const QString primo = inQt(percorso().tratti[static_cast<std::size_t>(riga)].id);
    statusBar()->showMessage(righe == 1 ? QStringLiteral("Incollata una riga in «%1».").arg(primo)
                                        : QStringLiteral("Incollate %1 righe da «%2» in giù.").arg(righe).arg(primo));
    return std::nullopt;
}

}  // namespace flumetra
