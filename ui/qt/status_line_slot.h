// A place in a status bar for a label whose text changes all the time (the
// tick number in the status line), kept out of the bar's layout.
//
// A label in a layout asks for the whole window to be laid out again at
// every change of its text, and the layout measures the text each time: at
// twenty ticks a second that cost as much as drawing the line. The line's
// place does not depend on its text (the window's fixed width cuts a long
// one), so the slot takes the bar's place for it and hands the label its
// whole size; it asks for a new layout only when the label's font or style
// changes (a zoom), with the label's own size hints.
#pragma once

#include <QLabel>
#include <QWidget>

class StatusLineSlot : public QWidget {
public:
    // Takes `line` as its child.
    StatusLineSlot(QLabel* line, QWidget* parent);

    QSize sizeHint() const override { return line_->sizeHint(); }
    QSize minimumSizeHint() const override { return line_->minimumSizeHint(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* line_;
};
