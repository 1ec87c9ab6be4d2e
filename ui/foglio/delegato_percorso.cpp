#include "ui/foglio/delegato_percorso.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPersistentModelIndex>

#include "ui/foglio/modello_percorso.h"

namespace flumetra {
namespace {

constexpr const char* proprietaCella = "cella";      // the editor's cell, a QPersistentModelIndex
constexpr const char* proprietaAvviato = "avviato";  // the editor holds the cell's text already

QString testoDi(QWidget* editor) {
    if (auto* elenco = qobject_cast<QComboBox*>(editor)) return elenco->currentText();
    if (auto* riga = qobject_cast<QLineEdit*>(editor)) return riga->text();
    return {};
}

}  // namespace

QWidget* DelegatoPercorso::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    const QStringList scelte = index.data(ModelloPercorso::ScelteRole).toStringList();
    if (scelte.isEmpty()) {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->setProperty(proprietaCella, QVariant::fromValue(QPersistentModelIndex(index)));
        return editor;
    }
    auto* elenco = new QComboBox(parent);
    elenco->setProperty(proprietaCella, QVariant::fromValue(QPersistentModelIndex(index)));
    elenco->addItems(scelte);
    elenco->setAccessibleName(
        index.model()->headerData(index.column(), Qt::Horizontal, Qt::AccessibleTextRole).toString());
    return elenco;
}

// Once: a person's text stays while the cell's other roles change (a
// refusal's note).
void DelegatoPercorso::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (editor->property(proprietaAvviato).toBool()) return;
    editor->setProperty(proprietaAvviato, true);
    if (auto* elenco = qobject_cast<QComboBox*>(editor)) {
        elenco->setCurrentText(index.data(Qt::EditRole).toString());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void DelegatoPercorso::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* elenco = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, elenco->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

bool DelegatoPercorso::prendi(QWidget* editor) const {
    const auto cella = editor->property(proprietaCella).value<QPersistentModelIndex>();
    if (!cella.isValid()) return true;
    auto* modello = const_cast<QAbstractItemModel*>(cella.model());
    return modello->data(cella, Qt::EditRole).toString() == testoDi(editor) ||
           modello->setData(cella, testoDi(editor), Qt::EditRole);
}

bool DelegatoPercorso::eventFilter(QObject* oggetto, QEvent* evento) {
    auto* editor = qobject_cast<QWidget*>(oggetto);
    if (editor == nullptr || evento->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(oggetto, evento);
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    EndEditHint dopo = NoHint;
    switch (tasto->key()) {
        case Qt::Key_Tab: dopo = EditNextItem; break;
        case Qt::Key_Backtab: dopo = EditPreviousItem; break;
        case Qt::Key_Return:
        case Qt::Key_Enter: dopo = SubmitModelCache; break;
        default: return QStyledItemDelegate::eventFilter(oggetto, evento);
    }
    if (!editor->property(proprietaCella).value<QPersistentModelIndex>().isValid())
        return QStyledItemDelegate::eventFilter(oggetto, evento);
    if (!prendi(editor)) return true;  // refused, and told: the editor stays, with the text
    // Enter's own hint would be the view's when the current row changes
    // under an editor (an arrow key): the table is told apart.
    emit closeEditor(editor, dopo == SubmitModelCache ? NoHint : dopo);
    if (dopo == SubmitModelCache) emit avanti();
    return true;
}

}  // namespace flumetra
