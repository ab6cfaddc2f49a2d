// The Compare window's table of figures: one row per figure, one column per
// configuration, its rows and columns sized to their contents.
//
// The figures change five times a second while a run animates, a few cells
// at a time. Told to the table as a change of its data, every change had
// the headers measure every cell again and the whole table repainted: a
// refresh cost millions of instructions for a handful of digits. Here a
// new text is set quietly and only its cell repainted, as long as the cell
// still asks for the size it asked for before (a number of as many digits,
// in a font whose digits are all as wide); when one asks for another size,
// the table hears of the change as a whole and sizes itself again.
#pragma once

#include <QTableWidget>
#include <vector>

class FiguresTable : public QTableWidget {
public:
    FiguresTable(int rows, int columns, QWidget* parent);

    // The texts column by column, each of `rowCount()` rows.
    void setTexts(const std::vector<std::vector<QString>>& columns);

protected:
    void changeEvent(QEvent* event) override;

private:
    QSize cellSizeHint(int row, int column) const;

    // The size each cell asked for when the table last sized itself; empty
    // when it has to size itself at the next change.
    std::vector<QSize> measured_;
};
