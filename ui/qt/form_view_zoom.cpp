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
// Zoom and view options
// ============================================================================

QRect FormView::placeOf(const TwipRect& place) const
{
    // Edges, not sizes, are rounded: neighbours that share an edge in twips
    // share it on screen at every zoom.
    const auto x = [this](int twips) { return origin_.x() + static_cast<int>(std::lround(twips * scale_)); };
    const auto y = [this](int twips) { return origin_.y() + static_cast<int>(std::lround(twips * scale_)); };
    const int left = x(place.left);
    const int top = y(place.top);
    return {left, top, x(place.left + place.width) - left, y(place.top + place.height) - top};
}

int FormView::fontPixels(int nominal) const
{
    return std::max(1, static_cast<int>(std::lround(nominal * scale_ * geometry::TwipsPerPixel)));
}

void FormView::setZoom(int percent)
{
    zoom_ = std::clamp(percent, smallestZoom_, MaximumZoom);
    if (fit_) return;
    const double scale = zoom_ / 100.0 / geometry::TwipsPerPixel;
    const QSize size(static_cast<int>(std::lround(geometry::ClientWidth * scale)),
                     static_cast<int>(std::lround(geometry::ClientHeight * scale)));
    setFixedSize(size);
    applyScale(scale, QPoint());
}

void FormView::setFitToSize(bool fit)
{
    if (fit == fit_) return;
    fit_ = fit;
    if (fit_) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resizeEvent(nullptr);
    } else {
        setZoom(zoom_);
    }
}

void FormView::resizeEvent(QResizeEvent*)
{
    if (sheet_ != nullptr) sheet_->setGeometry(rect());
    if (!fit_) return;
    const double scale = std::min(static_cast<double>(width()) / geometry::ClientWidth,
                                  static_cast<double>(height()) / geometry::ClientHeight);
    const QPoint origin(static_cast<int>(std::lround((width() - geometry::ClientWidth * scale) / 2)),
                        static_cast<int>(std::lround((height() - geometry::ClientHeight * scale) / 2)));
    applyScale(scale, origin);
}

void FormView::applyScale(double scale, QPoint origin)
{
    if (scale == scale_ && origin == origin_) return;
    scale_ = scale;
    origin_ = origin;
    const double factor = scale_ * geometry::TwipsPerPixel;
    // The first zoom gives every control the scaling style; a window that
    // stays at 100 % never pays for it at start-up.
    if (style_ == nullptr && factor != 1.0) {
        style_ = new ZoomStyle;
        style_->setParent(this);
        for (const StaticPlace& place : places_)
            place.widget->setStyle(style_);
    }
    if (style_ != nullptr) style_->setFactor(factor);
    for (const StaticPlace& place : places_) {
        place.widget->setGeometry(placeOf(place.place));
        if (place.fontPixels > 0) place.widget->setFont(demoFont(fontPixels(place.fontPixels), place.bold));
        if (place.borderPixels > 0) {
            auto* shape = static_cast<ShapeWidget*>(place.widget);
            shape->setBorderPixels(std::max(1, static_cast<int>(std::lround(place.borderPixels * factor))));
        }
        // The style's sizes changed under the widget.
        place.widget->updateGeometry();
        place.widget->update();
    }
    // Whatever the model places is placed again at the new scale.
    forgetShown();
    showModel();
    update();
}

void FormView::forgetShown()
{
    for (LabelView& view : labels_)
        view.shown.reset();
    for (FlightView& view : flights_)
        view.shown.reset();
    for (BarView& view : bars_)
        view.shownWidth.reset();
    for (FrameView& view : frames_)
        view.shown.reset();
}

void FormView::setSafeColours(bool on)
{
    if (on == safeColours_) return;
    safeColours_ = on;
    for (BarView& view : bars_)
        view.widget->setColour(barColour());
    forgetShown();
    showModel();
}

void FormView::setStateMarks(bool on)
{
    if (on == stateMarks_) return;
    stateMarks_ = on;
    forgetShown();
    showModel();
    sheet_->update();
}

void FormView::setMarkedPacket(int packet)
{
    if (packet == markedPacket_) return;
    markedPacket_ = packet;
    sheet_->update();
}

QColor FormView::drawnColour(Colour model, std::optional<cell_states::Strip> strip) const
{
    if (safeColours_ && strip) {
        if (const cell_states::CellState* state = cell_states::find(*strip, model))
            return toQColor(state->safe);
    }
    return toQColor(model);
}

QColor FormView::barColour() const
{
    return toQColor(safeColours_ ? cell_states::SafeTimeoutBar : colours::TimeoutBar);
}

std::vector<window_layout::TwipRect> FormView::lostMarks() const
{
    std::vector<TwipRect> places;
    for (const LostMark& mark : lostMarks_)
        places.push_back(mark.place);
    return places;
}

void FormView::dropExpiredLostMarks()
{
    const qint64 now = lostClock_.elapsed();
    std::erase_if(lostMarks_, [now](const LostMark& mark) { return mark.shownUntil <= now; });
    if (!lostMarks_.empty()) {
        const auto next =
            std::min_element(lostMarks_.begin(), lostMarks_.end(),
                             [](const auto& a, const auto& b) { return a.shownUntil < b.shownUntil; });
        lostMarkTimer_.start(static_cast<int>(next->shownUntil - now));
    }
}
