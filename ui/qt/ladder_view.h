// The time-sequence (ladder) diagram of the current run, in a window of its
// own: the sender's axis left, the receiver's right, time downward.
//
// It draws what ladder::describe works out for the ticks in view, laid out
// and coloured by frontend/ladder_drawing.h, so it matches the exported
// drawing and the page. It follows the run while it is open (refreshing at
// most ten times a second) and scrolls; a click puts the shared cursor on a
// tick, a double click or "Rewind to Cursor" asks the main window to rewind
// there.
#pragma once

#include <QAbstractScrollArea>
#include <QTimer>
#include <cstdint>
#include <optional>

#include "frontend/ladder_drawing.h"
#include "frontend/ladder_placement.h"
#include "history/ladder_description.h"

class MainWindow;
class QAction;
class QPainter;
class RunHistory;

// Draws the description with Qt, its texts placed as every front end places
// them (frontend/ladder_placement.h): the window and the benchmark use it.
// The painter stands at the drawing's origin. Returns the placement; with
// `withKey` the key to any symbols is drawn under the ticks.
ladder::Placement paintLadder(QPainter& painter, const ladder::Description& description,
                              const ladder::Layout& layout, const ladder::Palette& palette, bool stateMarks,
                              std::optional<std::int32_t> cursor = {}, bool withKey = true);
// The key of `placement` with its top at `top`, on white.
void paintLadderKey(QPainter& painter, const ladder::Placement& placement, const ladder::Layout& layout,
                    double top);

class LadderView : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int RefreshMilliseconds = 100;

    explicit LadderView(const RunHistory& history, QWidget* parent = nullptr);

    void setZoom(int percent);
    void setSafeColours(bool on);
    void setStateMarks(bool on);
    // Keeps the latest tick in view.
    void setFollowing(bool on);
    bool following() const { return following_; }

    std::optional<std::int32_t> cursorTick() const { return cursor_; }
    // Moves the cursor (from the chart or the log), scrolling it into view.
    void setCursorTick(std::int32_t tick);

    // Takes in the run now, rather than at the next refresh.
    void refreshNow();
    const ladder::Description& shown() const { return shown_; }
    const ladder::Layout& layout() const { return layout_; }

signals:
    void shownChanged(bool shown);
    void cursorPicked(std::int32_t tick);
    void rewindRequested(std::int32_t tick);
    void pictureRequested(); // its context menu's Export Picture...

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::int32_t tickAt(const QPoint& point) const;
    void updateScrollRange();

    const RunHistory& history_;
    ladder::Layout layout_;
    ladder::Palette palette_;
    bool stateMarks_ = false;
    bool following_ = true;
    std::optional<std::int32_t> cursor_;
    ladder::Description shown_; // reused on every refresh
    QTimer refresh_;
};

// View -> Time-Sequence Diagram: shows or hides the window's diagram, built
// the first time, sharing the cursor with the chart and the log and drawn
// with the window's zoom, palette and marks. `action` follows its visibility.
void showLadderView(MainWindow& window, QAction* action, bool shown);
