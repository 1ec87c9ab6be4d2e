// The run sheet's table, typed into row by row: Tab and Shift+Tab visit
// only the cells a person types a section's row into
// (ModelloPercorso::DaDigitareRole), in the row's order and on to the next
// row. Enter goes on, as in a spreadsheet (F2 edits): it takes the text
// being edited and moves to the row's next such cell, from the last of a
// row to the next row's length, and on the last row asks for a new section
// (nuovaRiga). Columns widen to what they hold as the run changes. A
// refused text is told on its cell (mostraRifiuto), and its editor stays
// open with it.
#pragma once

#include <QSet>
#include <QTableView>

namespace flumetra {

class TabellaPercorso : public QTableView {
    Q_OBJECT

public:
    // primaColonna: where Enter takes a person in the next row.
    TabellaPercorso(int primaColonna, QWidget* parent);

    // Each column as wide as its heading and the rows in view need, but
    // one the person has resized, which only widens to what it holds.
    void adatta();
    // Why cella's text was refused: shown at the cell, in the open editor's
    // description for a screen reader.
    void mostraRifiuto(const QModelIndex& cella, const QString& perche);
    // The text being typed in a cell, taken before anything else is done:
    // false when refused (its editor stays, the reason beside it).
    bool prendiIlTesto();
    // Enter: on to the row's next cell to type, the next row, or a new section.
    void vaiAvanti();

signals:
    void nuovaRiga();
    // The context menu, at a point of the viewport: where the pointer is,
    // or on the current cell from the keyboard.
    void menuRichiesto(const QPoint& dove);

protected:
    QModelIndex moveCursor(CursorAction azione, Qt::KeyboardModifiers modificatori) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    [[nodiscard]] bool daDigitare(int riga, int colonna) const;
    [[nodiscard]] QModelIndex seguente(const QModelIndex& da, int verso) const;

    int primaColonna_;
    QSet<int> allargate_;  // the columns the person resized
    bool adattando_ = false;
};

}  // namespace flumetra
