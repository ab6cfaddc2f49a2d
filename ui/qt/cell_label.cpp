#include "ui/qt/cell_label.h"

#include <QPainter>

void CellLabel::setMark(const QString& mark, int pixels)
{
    if (mark == mark_ && pixels == markPixels_) return;
    mark_ = mark;
    markPixels_ = pixels;
    update();
}

void CellLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (mark_.isEmpty()) return;
    QPainter painter(this);
    QFont markFont = font();
    markFont.setPixelSize(markPixels_);
    markFont.setBold(true);
    painter.setFont(markFont);
    painter.setPen(palette().color(QPalette::WindowText));
    // The corner beside the number: two digits leave a seventh of the width free on each side.
    painter.drawText(rect().adjusted(0, -1, 0, 0), Qt::AlignRight | Qt::AlignTop, mark_);
}
