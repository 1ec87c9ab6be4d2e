// The editors of the run sheet's cells: a list for a cell that picks a word
// (upstream, role, shape), Qt's line edit for the others. What the editor
// holds goes to the table as text, which checks it. Tab, Shift+Tab and
// Enter give it to the table first: a text the table refuses keeps its
// editor open, for the person to mend.
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

    // The editor's text given to the table, as Tab gives it: false when
    // the table refuses it (and says why).
    bool prendi(QWidget* editor) const;

signals:
    // Enter took the editor's text: the table goes on.
    void avanti();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
};

}  // namespace flumetra
