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
//
// Its text is set through the slot, which repaints the line only from the
// word where it changed: the tick number is in its middle, and drawing every
// glyph of a long line at a projector's zoom twenty times a second cost a
// third of a tick.
#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

class StatusLineSlot : public QWidget {
public:
    // Takes `line` as its child.
    StatusLineSlot(QLabel* line, QWidget* parent);

    void setText(const QString& text);

    QSize sizeHint() const override { return line_->sizeHint(); }
    QSize minimumSizeHint() const override { return line_->minimumSizeHint(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The label's x from which `after` can differ from `before` on screen, or
    // -1 when that cannot be told from the characters (right to left, more
    // than one line, centred).
    int changedFrom(const QString& before, const QString& after);

    QLabel* line_;
    // The width of the unchanged start last measured, kept: it stays the
    // same for many ticks and measuring it means shaping it.
    QString measuredStart_;
    int measuredWidth_ = -1; // -1: nothing measured in the label's present font
};
