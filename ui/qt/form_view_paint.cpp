#include "ui/qt/form_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
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
// Drawing: the arrows and the sheet on top
// ============================================================================

void FormView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const double factor = scale_ * geometry::TwipsPerPixel;
    const double penWidth = window_layout::ArrowLinePixels * factor;
    painter.setPen(QPen(toQColor(window_layout::ArrowColour), penWidth, Qt::SolidLine, Qt::RoundCap));
    const auto point = [this](int x, int y) {
        return QPointF(origin_.x() + std::lround(x * scale_), origin_.y() + std::lround(y * scale_));
    };
    // Most repaints are the places a moving button left or reached: a line
    // they miss would be stroked (a wide pen, round caps) only to be clipped
    // away whole. The reach of the pen and its caps, and a pixel for rounding.
    const int reach = static_cast<int>(std::ceil(penWidth)) + 1;
    for (const window_layout::TwipLine& line : window_layout::ArrowLines) {
        const QLineF drawn(point(line.x1, line.y1), point(line.x2, line.y2));
        const QRect bounds = QRectF(drawn.p1(), drawn.p2())
                                 .normalized()
                                 .toAlignedRect()
                                 .adjusted(-reach, -reach, reach, reach);
        if (event->region().intersects(bounds)) painter.drawLine(drawn);
    }
}

// Focus rings, the keyboard's pick, held and lost packets: drawn over every
// control, in colours that read on the button face in either palette.
void FormView::paintSheet(QPainter& painter)
{
    const double factor = scale_ * geometry::TwipsPerPixel;
    const int ring = std::max(2, static_cast<int>(std::lround(2 * factor)));
    const QColor focusColour = toQColor(window_layout::FocusRing);
    const auto outline = [&](QRect area, QColor colour, Qt::PenStyle style, int width) {
        QPen pen(colour, width, style);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const int half = width / 2 + 1;
        painter.drawRect(area.adjusted(-half, -half, half - 1, half - 1));
    };

    // The panel's control with the focus: sliders draw no ring of their own,
    // and the button's is faint on a projector.
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && focus->parentWidget() == this && focus->isVisible())
        outline(focus->geometry(), focusColour, Qt::SolidLine, ring);
    if (hasFocus()) {
        const QRect area = placeOf({geometry::CellBoxLeft, geometry::TxFrameTop + geometry::TxFrameHeight,
                                    geometry::ClientWidth - 2 * geometry::CellBoxLeft,
                                    geometry::RxFrameTop - geometry::TxFrameTop - geometry::TxFrameHeight});
        outline(area, focusColour, Qt::DotLine, ring);
    }

    if (const int cell = markedPacket_ - form_.txOrigin(); markedPacket_ >= 0 && Form1::onStrip(cell)) {
        for (const LabelView& view : labels_) {
            if (view.model == &form_.lblTx[cell])
                outline(view.widget->geometry(), toQColor(window_layout::EventMarkColour), Qt::SolidLine,
                        ring + 1);
        }
    }

    if (stateMarks_) {
        for (const FlightView& view : flights_) {
            if (view.model->Visible && view.model->TravelMarker == colours::Held)
                outline(view.widget->geometry(), toQColor(window_layout::WindowText), Qt::SolidLine,
                        ring + 1);
        }
        QFont font = this->font();
        font.setPixelSize(fontPixels(window_layout::FlightTextPixels));
        font.setBold(true);
        painter.setFont(font);
        for (const LostMark& mark : lostMarks_) {
            const QRect area = placeOf(mark.place);
            outline(area, toQColor(window_layout::LostMarkColour), Qt::DashLine, ring);
            painter.setPen(toQColor(window_layout::LostMarkColour));
            painter.drawText(area, Qt::AlignCenter,
                             QString::fromUtf8(view_texts::LostHere.data(),
                                               static_cast<qsizetype>(view_texts::LostHere.size())));
        }
    }

    if (const FlightView* view = pickedView())
        outline(view->widget->geometry(), focusColour, Qt::SolidLine, ring + 1);
}
