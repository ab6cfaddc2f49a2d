// A rectangle on the form: an outline (cell boxes, window frames) or a solid
// bar (timeout bars). Shapes only show; clicks go through to what lies below.
#pragma once

#include <QColor>
#include <QWidget>

class ShapeWidget : public QWidget {
public:
    // borderPixels 0 draws a solid fill; otherwise an outline of that width,
    // drawn inside the rectangle so that nothing outside it is covered.
    ShapeWidget(QWidget* parent, QColor colour, int borderPixels);

    QColor colour() const { return colour_; }
    int borderPixels() const { return borderPixels_; }
    void setColour(QColor colour);
    void setBorderPixels(int pixels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    int borderPixels_;
};
