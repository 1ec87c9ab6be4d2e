// The editors of the run sheet's cells: a list for a cell that picks a word
// (upstream, role, shape), Qt's line edit for the others. What the editor
// holds goes to the table as text, which checks it.
#pragma once

#include <QStyledItemDelegate>

namespace flumetra {

class DelegatoPercorso : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

}  // namespace flumetra
