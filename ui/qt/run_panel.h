// The chart and log panel: a window of its own beside the main window, so
// that the main window looks exactly the same whether it is open or not.
//
// On top, the run chart with a tool bar (follow the run, zoom, whole run,
// rewind to the cursor) and a scroll bar through the run; below, the event
// log. Under the chart, the figures a class compares (what the run shown
// delivered and what it cost), taken in only when its tick changes. A click on the chart or a selected log
// entry puts the cursor on a tick; "Rewind to Cursor" and a double click on the chart ask the main window to
// rewind there.
//
// The panel follows the run only while it is open, and refreshes at most
// ten times a second however fast the clock runs: a tick costs the main
// window nothing more than noting that something changed.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "history/run_figures.h"
#include "history/run_history.h"
#include "history/run_trace.h"

class EventLogView;
class QAction;
class QBoxLayout;
class QComboBox;
class QGridLayout;
class QLabel;
class QScrollBar;
class QToolBar;
class RunChart;
class LadderTrace;

class RunPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int RefreshMilliseconds = 100;

    explicit RunPanel(const RunTrace& trace, QWidget* parent = nullptr);

    // Something may have changed in the trace; the panel refreshes soon, if open.
    void follow();
    // The trace was cut back by a rewind.
    void rewound();
    // Takes in everything now, rather than at the next refresh.
    void refreshNow();
    // A run began or was dropped: the run picker lists the runs kept, and
    // the panel shows the current one.
    void showRuns(const RunHistory& history);
    // The run the chart and log show: the current one unless another was picked.
    const RunTrace& shownTrace() const { return *trace_; }
    // The shown run's trips, when the panel has them (for its figures).
    const LadderTrace* shownLadder() const { return ladder_; }
    bool showsCurrentRun() const { return showsCurrent_; }
    QComboBox* runPicker() const { return runPicker_; }

    RunChart* chart() const { return chart_; }
    EventLogView* log() const { return log_; }
    // The figures shown under the chart (of the run shown); every cell
    // "<row title>: <figure>", named "figure_<row>".
    const RunFigures& shownFigures() const { return shownFigures_; }

signals:
    void rewindRequested(std::int32_t tick);
    void shownChanged(bool shown);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The tool bars side by side as far as they fit, then on the next row.
    void fitToolRows();
    void fitFigureColumns();
    void showRangeOnScrollBar();
    void showCursor();
    void showTrace(const RunTrace& trace, const LadderTrace* ladder, bool current);
    void showFigures();

    const RunTrace* trace_;
    RunChart* chart_;
    QScrollBar* scroll_;
    EventLogView* log_;
    QLabel* cursorLabel_;
    QComboBox* runPicker_;
    std::vector<QToolBar*> toolBars_; // in their order along the rows
    std::vector<int> toolRowOf_;      // the row each is on
    QBoxLayout* toolRows_;
    std::vector<const RunTrace*> runTraces_; // in the picker's order
    std::vector<const LadderTrace*> runLadders_;
    const LadderTrace* ladder_ = nullptr; // the shown run's trips; none until showRuns
    std::vector<QLabel*> figureCells_;    // in figures::RowTitles' order
    QGridLayout* figureGrid_ = nullptr;
    int figureColumns_ = 0;
    RunFigures shownFigures_;
    std::int32_t figuresTick_ = -1; // the tick shownFigures_ stand at; -1 to take them in again
    bool showsCurrent_ = true;
    QAction* followAction_ = nullptr;
    QAction* rewindAction_ = nullptr;
    QTimer refresh_;
    bool rewoundSinceRefresh_ = false;
    bool placed_ = false;
    bool cursorFromLog_ = false;
};
