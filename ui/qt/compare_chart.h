// The comparison's chart: each configuration's transmit window (above) and
// its goodput over the last 200 ticks (below) against the tick number, one
// colour and dash per configuration, all on the same ticks.
//
// Drawn by hand rather than with Qt Charts: two or three runs are redrawn
// as they go, and a series there redraws every point it holds. Here a
// repaint reads one tick per pixel column, however long the runs are (a
// window's single-tick dips may then fall between columns; the goodput, an
// average over 200 ticks, never does). Repaints come at most ten times a
// second, whatever the speed of the clock.
//
// A click on the plot asks to rewind every configuration to that tick.
#pragma once

#include <QColor>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

class RunTrace;

class CompareChart : public QWidget {
    Q_OBJECT

public:
    static constexpr int RefreshMilliseconds = 100;

    struct Line {
        const RunTrace* trace;
        QString label;
    };

    explicit CompareChart(QWidget* parent = nullptr);

    // The runs to draw, in the comparison's order.
    void setLines(std::vector<Line> lines);
    // The runs moved on or went back: redraw soon.
    void follow();

    static QColor colour(std::size_t index);
    static Qt::PenStyle dash(std::size_t index);

    // The tick under a point of the widget, when it lies on a plot.
    std::optional<std::int32_t> tickAt(QPoint point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void rewindRequested(std::int32_t tick);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Plot {
        QRect area;
        double top; // the value at the plot's top edge
    };
    std::int32_t firstTick() const;
    std::int32_t lastTick() const;
    QRect plotsArea() const;
    void drawPlot(QPainter& painter, const QRect& area, const QString& title, double top,
                  double (*value)(const RunTrace&, std::int32_t)) const;
    void drawTickAxis(QPainter& painter, const QRect& area) const;
    void drawLegend(QPainter& painter, const QRect& area) const;

    std::vector<Line> lines_;
    QTimer refresh_;
};
