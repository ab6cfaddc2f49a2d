#include "ui/qt/status_line_slot.h"

#include <QEvent>

StatusLineSlot::StatusLineSlot(QLabel* line, QWidget* parent) : QWidget(parent), line_(line)
{
    line_->setParent(this);
    line_->installEventFilter(this);
}

void StatusLineSlot::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    line_->setGeometry(rect());
}

bool StatusLineSlot::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == line_ && (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
        updateGeometry();
    return QWidget::eventFilter(watched, event);
}
