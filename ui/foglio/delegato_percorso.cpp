#include "ui/foglio/delegato_percorso.h"

#include <QComboBox>

#include "ui/foglio/modello_percorso.h"

namespace flumetra {

QWidget* DelegatoPercorso::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    const QStringList scelte = index.data(ModelloPercorso::ScelteRole).toStringList();
    if (scelte.isEmpty()) return QStyledItemDelegate::createEditor(parent, option, index);
    auto* elenco = new QComboBox(parent);
    elenco->addItems(scelte);
    elenco->setAccessibleName(
        index.model()->headerData(index.column(), Qt::Horizontal, Qt::AccessibleTextRole).toString());
    return elenco;
}

void DelegatoPercorso::setEditorData(QWidget* editor, const QModelIndex& index) const {
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

}  // namespace flumetra
