#include "ui/foglio/tabella_percorso.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QToolTip>

#include "ui/foglio/delegato_percorso.h"
#include "ui/foglio/modello_percorso.h"

namespace flumetra {
namespace {

constexpr int tempoDelRifiuto = 10000;  // ms the reason stays by the cell

}  // namespace

TabellaPercorso::TabellaPercorso(int primaColonna, QWidget* parent) : QTableView(parent), primaColonna_(primaColonna) {
    // adatta runs after every edit: it measures the rows in view, not a
    // thousand of a long run's.
    horizontalHeader()->setResizeContentsPrecision(0);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int colonna) {
        if (!adattando_) allargate_.insert(colonna);
    });
}

bool TabellaPercorso::daDigitare(int riga, int colonna) const {
    return model()->index(riga, colonna).data(ModelloPercorso::DaDigitareRole).toBool();
}

// The next (verso 1) or previous (-1) cell to type, in the rows' order;
// da itself at either end of the table.
QModelIndex TabellaPercorso::seguente(const QModelIndex& da, int verso) const {
    const int colonne = model()->columnCount();
    const int righe = model()->rowCount();
    int riga = da.row();
    int colonna = da.column();
    for (;;) {
        colonna += verso;
        if (colonna < 0 || colonna >= colonne) {
            riga += verso;
            if (riga < 0 || riga >= righe) return da;
            colonna = verso > 0 ? 0 : colonne - 1;
        }
        if (!isColumnHidden(colonna) && daDigitare(riga, colonna)) return model()->index(riga, colonna);
    }
}

QModelIndex TabellaPercorso::moveCursor(CursorAction azione, Qt::KeyboardModifiers modificatori) {
    const QModelIndex corrente = currentIndex();
    if (!corrente.isValid() || (azione != MoveNext && azione != MovePrevious))
        return QTableView::moveCursor(azione, modificatori);
    return seguente(corrente, azione == MoveNext ? 1 : -1);
}

// After Enter: the next cell of the row to type, else the next row's
// first, else a new section.
void TabellaPercorso::vaiAvanti() {
    const QModelIndex corrente = currentIndex();
    if (!corrente.isValid()) return;
    const QModelIndex dopo = seguente(corrente, 1);
    if (dopo != corrente && dopo.row() == corrente.row()) {
        setCurrentIndex(dopo);
    } else if (corrente.row() + 1 < model()->rowCount()) {
        setCurrentIndex(model()->index(corrente.row() + 1, primaColonna_));
    } else {
        emit nuovaRiga();
    }
}

bool TabellaPercorso::prendiIlTesto() {
    QWidget* editor = QApplication::focusWidget();
    auto* delegato = qobject_cast<DelegatoPercorso*>(itemDelegate());
    if (state() != EditingState || editor == nullptr || delegato == nullptr || !viewport()->isAncestorOf(editor))
        return true;
    if (!delegato->prendi(editor)) return false;
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

void TabellaPercorso::keyPressEvent(QKeyEvent* evento) {
    const bool invio = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
    if (invio && evento->modifiers() == Qt::NoModifier && state() != EditingState && currentIndex().isValid()) {
        vaiAvanti();
        return;
    }
    QTableView::keyPressEvent(evento);
}

void TabellaPercorso::contextMenuEvent(QContextMenuEvent* evento) {
    const QRect corrente = visualRect(currentIndex());
    const bool daTastiera = evento->reason() == QContextMenuEvent::Keyboard && corrente.isValid();
    emit menuRichiesto(daTastiera ? corrente.center() : evento->pos());
    evento->accept();
}

void TabellaPercorso::adatta() {
    adattando_ = true;
    QHeaderView* testata = horizontalHeader();
    for (int c = 0; c < model()->columnCount(); ++c) {
        const int serve = std::max(sizeHintForColumn(c), testata->sectionSizeHint(c));
        if (serve > columnWidth(c) || (serve < columnWidth(c) && !allargate_.contains(c))) setColumnWidth(c, serve);
    }
    adattando_ = false;
}

void TabellaPercorso::mostraRifiuto(const QModelIndex& cella, const QString& perche) {
    const QRect dove = visualRect(cella);
    QToolTip::showText(viewport()->mapToGlobal(dove.bottomLeft()), perche, viewport(), dove, tempoDelRifiuto);
    QWidget* editore = QApplication::focusWidget();
    if (editore != nullptr && isAncestorOf(editore) && editore != this) {
        editore->setAccessibleDescription(perche);
        QAccessibleEvent evento(editore, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&evento);
    }
}

}  // namespace flumetra
