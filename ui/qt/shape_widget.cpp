#include "ui/qt/shape_widget.h"

#include <QPainter>

ShapeWidget::ShapeWidget(QWidget* parent, QColor colour, int borderPixels)
    : QWidget(parent), colour_(colour), borderPixels_(borderPixels)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    if (borderPixels_ == 0) {
        painter.fillRect(area, colour_);
        return;
    }
    // Four strips rather than a wide pen: a pen is centred on the edge and
    // would spill half its width outside the rectangle.
    const int b = borderPixels_;
    painter.fillRect(QRect(area.left(), area.top(), area.width(), b), colour_);
    painter.fillRect(QRect(area.left(), area.bottom() - b + 1, area.width(), b), colour_);
    painter.fillRect(QRect(area.left(), area.top(), b, area.height()), colour_);
    painter.fillRect(QRect(area.right() - b + 1, area.top(), b, area.height()), colour_);
}

void ShapeWidget::setColour(QColor colour)
{
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void ShapeWidget::setBorderPixels(int pixels)
{
    if (pixels == borderPixels_) return;
    borderPixels_ = pixels;
    update();
}
