// The event log: every commentary message either side posted, and every user
// action, with its tick; filterable by side. Selecting an entry reports its
// tick, which the panel turns into the chart's cursor.
//
// The model reads the run trace's log in place and only ever announces rows
// added at the end, so a tick costs as little as the entries it logged. A
// rewind rewrites the tail of the log; the model is then reset as a whole.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "history/run_trace.h"

class QCheckBox;
class QTreeView;

class EventLogModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { TickColumn, SideColumn, TextColumn, ColumnCount };
    static constexpr int SourceRole = Qt::UserRole; // the entry's LogSource, as an int
    static constexpr int TickRole = Qt::UserRole + 1;

    explicit EventLogModel(const std::vector<LogEntry>& log, QObject* parent = nullptr);

    // Announces the entries logged since the last call.
    void follow();
    // The log was rewritten (a rewind): show it afresh.
    void reset();
    // Shows another run's log.
    void setLog(const std::vector<LogEntry>& log);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const std::vector<LogEntry>* log_;
    int rows_ = 0;
};

// Lets through the entries of the sides that are switched on.
class LogSideFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setSideShown(LogSource side, bool shown);
    bool sideShown(LogSource side) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    unsigned shown_ = 0b111; // a bit per LogSource
};

class EventLogView : public QWidget {
    Q_OBJECT

public:
    explicit EventLogView(const RunTrace& trace, QWidget* parent = nullptr);

    void follow();
    void reset();
    // Shows another run's log.
    void setTrace(const RunTrace& trace);

    void setSideShown(LogSource side, bool shown);
    // Rows shown after filtering.
    int visibleRows() const;
    // Selects the shown row `row` (as a user's click would).
    void selectRow(int row);
    // The shown row that is selected, or -1.
    int selectedRow() const;
    // Selects the first shown entry at `tick` or later, without reporting it back.
    void selectTick(std::int32_t tick);
    // The tick of the shown row `row`.
    std::int32_t tickOfRow(int row) const;
    LogSource sideOfRow(int row) const;
    QString textOfRow(int row) const;

signals:
    void tickSelected(std::int32_t tick);

protected:
    void changeEvent(QEvent* event) override;

private:
    // The tick and side columns as wide as their widest text in the font now shown.
    void fitColumns();

    const RunTrace* trace_;
    EventLogModel model_;
    LogSideFilter filter_;
    QTreeView* view_;
    bool selectingFromChart_ = false;
};
