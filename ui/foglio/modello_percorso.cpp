#include "ui/foglio/modello_percorso.h"

#include <QApplication>
#include <QBrush>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QStyle>
#include <utility>

#include "percorso/albero.h"
#include "percorso/avvisi.h"
#include "percorso/colonne.h"
#include "percorso/suggerimento_cella.h"
#include "ui/foglio/documento_percorso.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {
namespace {

using percorso::Colonna;

const QColor coloreAvviso(255, 222, 173);  // light amber, always with the warning icon

Colonna colonna(int posizione) { return percorso::colonneDelFoglio()[static_cast<std::size_t>(posizione)]; }

}  // namespace

ModelloPercorso::ModelloPercorso(DocumentoPercorso& documento, QObject* parent)
    : QAbstractTableModel(parent),
      documento_(documento),
      iconaAvviso_(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning)) {
    connect(&documento_, &DocumentoPercorso::cambiato, this, &ModelloPercorso::aggiorna);
    aggiorna();
}

const percorso::Percorso& ModelloPercorso::percorso() const { return documento_.percorso(); }

const std::optional<percorso::Risultati>& ModelloPercorso::risultati() const { return documento_.risultati(); }

void ModelloPercorso::aggiorna() {
    const std::optional<percorso::Risultati>& risultati = documento_.risultati();
    std::vector<bool> indice(percorso().tratti.size(), false);
    if (risultati && risultati->percorso_indice) {
        for (const std::size_t k : *risultati->percorso_indice) indice[k] = true;
    }
    const int righe = static_cast<int>(percorso().tratti.size());
    profondita_ = percorso::profondita(percorso());
    rifiutata_ = QPersistentModelIndex();
    // The same rows keep the view's current cell and selection.
    if (righe == righe_) {
        sulPercorsoIndice_ = std::move(indice);
        if (righe > 0) {
            emit dataChanged(index(0, 0), index(righe - 1, columnCount() - 1));
            emit headerDataChanged(Qt::Vertical, 0, righe - 1);
        }
        return;
    }
    beginResetModel();
    righe_ = righe;
    sulPercorsoIndice_ = std::move(indice);
    endResetModel();
}

bool ModelloPercorso::sulPercorsoIndice(int riga) const {
    return sulPercorsoIndice_.at(static_cast<std::size_t>(riga));
}

int ModelloPercorso::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : righe_; }

int ModelloPercorso::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(percorso::colonneDelFoglio().size());
}

QVariant ModelloPercorso::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto riga = static_cast<std::size_t>(index.row());
    const Colonna c = colonna(index.column());
    const percorso::Tratto& t = percorso().tratti.at(riga);
    const percorso::Risultati* tutti = risultati() ? &*risultati() : nullptr;
    const percorso::RisultatoTratto* r = tutti != nullptr ? &tutti->tratti.at(riga) : nullptr;
    const bool calcolata = percorso::dati(c).tipo == percorso::Tipo::Calcolata;
    const bool indice = sulPercorsoIndice(index.row());
    // Made only for the roles that show it.
    auto avviso = [&] { return r != nullptr ? inQt(percorso::avviso(c, percorso(), riga, *r)) : QString(); };

    switch (role) {
        case Qt::DisplayRole:
            if (c == Colonna::Indice) return indice ? QStringLiteral("▶") : QString();
            return inQt(percorso::testoDi(c, percorso(), riga, tutti));
        case Qt::AccessibleTextRole:
            if (c == Colonna::Indice) return indice ? QStringLiteral("sul percorso indice") : QStringLiteral("no");
            return inQt(percorso::testoDi(c, percorso(), riga, tutti));
        case Qt::EditRole: return inQt(percorso::testoDaModificare(c, t));
        case DaDigitareRole: return percorso::daDigitare(c, t);
        case ScelteRole: {
            QStringList scelte;
            for (const std::string& s : percorso::scelte(c, percorso(), riga)) scelte << inQt(s);
            return scelte;
        }
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            if (index == rifiutata_) return QStringLiteral("non accettato: %1").arg(perche_);
            if (r != nullptr) {
                // R also in mm c.a./m, a rectangle's v named, after a warning on the cell.
                const QString cosa = inQt(percorso::suggerimentoDi(c, t, *r));
                const QString perche = avviso();
                if (!cosa.isEmpty()) return perche.isEmpty() ? cosa : perche + QLatin1Char('\n') + cosa;
            }
            if (QString perche = avviso(); !perche.isEmpty()) return perche;
            if (c == Colonna::BoD && percorso::testoDaModificare(c, t).empty())
                return QStringLiteral("vuoto: la misura la sceglie il foglio");
            return {};
        case Qt::DecorationRole: return avviso().isEmpty() ? QVariant() : QVariant(iconaAvviso_);
        case Qt::FontRole: {
            QFont f;
            f.setBold(indice);
            f.setItalic(calcolata);
            return f;
        }
        case Qt::BackgroundRole:
            if (!avviso().isEmpty()) return QBrush(coloreAvviso);
            if (calcolata || !percorso::modificabile(c, t)) return QApplication::palette().brush(QPalette::Window);
            return {};
        case Qt::TextAlignmentRole: {
            if (c == Colonna::Indice) return QVariant(Qt::AlignCenter);
            return QVariant((percorso::aSinistra(c) ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        }
        default: return {};
    }
}

QVariant ModelloPercorso::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        const auto riga = static_cast<std::size_t>(section);
        switch (role) {
            case Qt::DisplayRole:
                return QString(static_cast<qsizetype>(2 * profondita_.at(riga)), QChar(0x2002)) +
                       inQt(percorso().tratti.at(riga).id);
            case Qt::AccessibleTextRole: return inQt(percorso().tratti.at(riga).id);
            case Qt::FontRole: {
                QFont f;
                f.setBold(sulPercorsoIndice(section));
                return f;
            }
            default: return {};
        }
    }
    const Colonna c = colonna(section);
    switch (role) {
        case Qt::DisplayRole: {
            // The unit on a line of its own, so that a column is as wide as its values.
            if (c == Colonna::Indice) return QStringLiteral("▶");
            const percorso::DatiColonna& d = percorso::dati(c);
            const QString titolo = inQt(d.titolo);
            return d.unita.empty() ? titolo : QStringLiteral("%1\n[%2]").arg(titolo, inQt(d.unita));
        }
        case Qt::AccessibleTextRole: return inQt(percorso::intestazione(c));
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole: {
            const percorso::DatiColonna& d = percorso::dati(c);
            const QString cosa = inQt(d.descrizione);
            return d.tipo == percorso::Tipo::Calcolata ? cosa + QStringLiteral(" (calcolato)") : cosa;
        }
        default: return {};
    }
}

Qt::ItemFlags ModelloPercorso::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    const Colonna c = colonna(index.column());
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (percorso::modificabile(c, percorso().tratti.at(static_cast<std::size_t>(index.row())))) f |= Qt::ItemIsEditable;
    return f;
}

bool ModelloPercorso::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    const auto riga = static_cast<std::size_t>(index.row());
    const Colonna c = colonna(index.column());
    const std::string testo = value.toString().toStdString();
    auto nuovo = percorso::conTesto(c, percorso(), riga, testo);
    if (const auto* perche = std::get_if<std::string>(&nuovo)) {
        rifiuta(index, inQt(*perche));
        return false;
    }
    // Whether it changes anything, and whether the run still holds, the
    // document decides, as for every other edit.
    const QString descrizione =
        QStringLiteral("%1 di %2").arg(inQt(percorso::dati(c).titolo), inQt(percorso().tratti[riga].id));
    if (auto perche = documento_.modifica(std::get<percorso::Percorso>(nuovo), descrizione)) {
        rifiuta(index, *perche);
        return false;
    }
    return true;
}

void ModelloPercorso::rifiuta(const QModelIndex& cella, const QString& perche) {
    rifiutata_ = cella;
    perche_ = perche;
    emit dataChanged(cella, cella, {Qt::ToolTipRole, Qt::AccessibleDescriptionRole});
    emit rifiutato(perche, cella);
}

}  // namespace flumetra
