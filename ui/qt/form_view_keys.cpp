#include "ui/qt/form_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "frontend/window_layout.h"
#include "ui/qt/cell_label.h"
#include "ui/qt/control_texts.h"
#include "ui/qt/form_view_support.h"
#include "ui/qt/paint_layer.h"
#include "ui/qt/screen_units.h"
#include "ui/qt/shape_widget.h"
#include "ui/qt/zoom_style.h"

using namespace form_view_support;

// ============================================================================
// Forwarding the user's events
// ============================================================================

void FormView::onCheckBoxClicked(CheckView& view)
{
    // The box has already ticked itself; remember that, so that the mirror
    // puts it back if the model decides otherwise.
    if (view.shown) view.shown->Value = view.widget->isChecked() ? 1 : 0;
    sink_(UserEvent{EventKind::ClickCheckBox, static_cast<std::int16_t>(view.id), 0});
}

void FormView::onSliderMoved(SliderView& view, int value)
{
    view.shownValue = value;
    sink_(UserEvent{EventKind::MoveSlider, static_cast<std::int16_t>(view.id),
                    static_cast<std::int16_t>(value)});
}

void FormView::clickFlight(const FlightView& view)
{
    sink_(UserEvent{view.ack ? EventKind::ClickAck : EventKind::ClickPacket,
                    static_cast<std::int16_t>(view.slot), 0});
}

const FormView::FlightView* FormView::pickedView() const
{
    if (!picked_) return nullptr;
    for (const FlightView& view : flights_)
        if (view.ack == picked_->ack && view.slot == picked_->slot && view.model->Visible) return &view;
    return nullptr;
}

// The picking rule is every window's (frontend/flight_picking.h).
void FormView::movePick(int key)
{
    using flight_picking::Arrow;
    const Arrow arrow = key == Qt::Key_Up     ? Arrow::Up
                        : key == Qt::Key_Down ? Arrow::Down
                        : key == Qt::Key_Left ? Arrow::Left
                                              : Arrow::Right;
    const std::optional<FlightPick> next = flight_picking::next(form_, picked_, arrow);
    if (!next) return;
    picked_ = next;
    if (const FlightView* view = pickedView()) setAccessibleDescription(view->widget->accessibleName());
    sheet_->update();
}

void FormView::keyPressEvent(QKeyEvent* event)
{
    // Keys that the panel's controls leave unhandled arrive here too; only
    // the flight area's own focus plays.
    if (!hasFocus() || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        movePick(event->key());
        return;
    case Qt::Key_Space:
        if (const FlightView* view = pickedView()) clickFlight(*view);
        return;
    case Qt::Key_Delete:
        // Lost as by a double click: the second click falls within the
        // hold-off the first one starts, unless the first already removed it.
        if (const FlightView* view = pickedView()) {
            clickFlight(*view);
            if (view->model->Visible) clickFlight(*view);
        }
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool FormView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QPoint at = help->pos() - origin_;
        const QString tip = control_texts::backgroundToolTip(static_cast<int>(std::lround(at.x() / scale_)),
                                                             static_cast<int>(std::lround(at.y() / scale_)));
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) sheet_->update();
    return QWidget::event(event);
}

void FormView::noteEvent(const UserEvent& event) { notedEvent_ = event; }
