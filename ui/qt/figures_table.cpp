#include "ui/qt/figures_table.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QSignalBlocker>
#include <QStyleOptionViewItem>

FiguresTable::FiguresTable(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent) {}

QSize FiguresTable::cellSizeHint(int row, int column) const
{
    // What the table itself asks of the delegate when it sizes a row or a column.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex index = model()->index(row, column);
    return itemDelegateForIndex(index)->sizeHint(option, index);
}

void FiguresTable::setTexts(const std::vector<std::vector<QString>>& columns)
{
    std::vector<QTableWidgetItem*> changed;
    {
        // Quietly: a change told on its own has every cell measured again.
        const QSignalBlocker quiet(model());
        for (std::size_t column = 0; column < columns.size(); ++column) {
            for (std::size_t row = 0; row < columns[column].size(); ++row) {
                QTableWidgetItem* cell = item(static_cast<int>(row), static_cast<int>(column));
                if (cell->text() == columns[column][row]) continue;
                cell->setText(columns[column][row]);
                changed.push_back(cell);
            }
        }
    }
    if (changed.empty()) return;

    const auto place = [this](int row, int column) { return std::size_t(row) * columnCount() + column; };
    bool sameSizes = measured_.size() == std::size_t(rowCount()) * columnCount();
    for (std::size_t k = 0; sameSizes && k < changed.size(); ++k)
        sameSizes = cellSizeHint(changed[k]->row(), changed[k]->column()) ==
                    measured_[place(changed[k]->row(), changed[k]->column())];
    if (sameSizes) {
        // The rows and columns keep their sizes: only the changed cells are drawn again.
        for (QTableWidgetItem* cell : changed)
            viewport()->update(visualItemRect(cell));
        return;
    }
    emit model()->dataChanged(model()->index(0, 0), model()->index(rowCount() - 1, columnCount() - 1),
                              {Qt::DisplayRole, Qt::EditRole});
    measured_.resize(std::size_t(rowCount()) * columnCount());
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column)
            measured_[place(row, column)] = cellSizeHint(row, column);
    }
}

// A new font or style sizes every cell anew.
void FiguresTable::changeEvent(QEvent* event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange ||
        event->type() == QEvent::PaletteChange)
        measured_.clear();
}
