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

#include "frontend/view_texts.h"
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
// Mirroring the model into the widgets
// ============================================================================

void FormView::showModel()
{
    for (LabelView& view : labels_)
        showLabel(view);
    for (BarView& view : bars_)
        showBar(view);
    for (FrameView& view : frames_)
        showFrame(view);
    for (ButtonView& view : buttons_)
        showButton(view);
    for (CheckView& view : checks_)
        showCheckBox(view);
    for (SliderView& view : sliders_)
        showSlider(view);
    for (FlightView& view : flights_)
        showFlightButton(view);
    notedEvent_.reset();
    if (markedPacket_ >= 0) sheet_->update(); // the marked cell moves as the window slides
    if (picked_ && pickedView() == nullptr) {
        picked_.reset();
        sheet_->update();
    }
}

void FormView::showLabel(LabelView& view)
{
    const Label& now = *view.model;
    const bool first = !view.shown;
    if (first) view.shown = now;
    Label& was = *view.shown;
    const bool captionChanged = first || was.Caption != now.Caption;
    const bool colourChanged = first || was.ForeColor != now.ForeColor;
    if (captionChanged) {
        view.widget->setText(toQString(now.Caption));
        const int nominal = fontPixels(view.fontPixels);
        fitCaption(view.widget, nominal, nominal * window_layout::SmallestFontPercent / 100);
        was.Caption = now.Caption;
    }
    if (colourChanged) {
        setTextColour(view.widget, drawnColour(now.ForeColor, view.strip));
        was.ForeColor = now.ForeColor;
    }
    if (view.strip) {
        if (first || was.Left != now.Left || was.Top != now.Top) {
            view.widget->move(placeOf({now.Left, now.Top, 0, 0}).topLeft());
            was.Left = now.Left;
            was.Top = now.Top;
        }
        if (captionChanged || colourChanged) {
            const cell_states::CellState* state = cell_states::find(*view.strip, now.ForeColor);
            const QString mark =
                stateMarks_ && state
                    ? QString::fromUtf8(state->mark.data(), static_cast<qsizetype>(state->mark.size()))
                    : QString();
            static_cast<CellLabel*>(view.widget)->setMark(mark, fontPixels(window_layout::CellMarkPixels));
            view.widget->setAccessibleName(control_texts::cellName(*view.strip, now.Caption, now.ForeColor));
            view.widget->setAccessibleDescription(control_texts::cellDescription(*view.strip, now.ForeColor));
        }
    }
    if (first || was.Visible != now.Visible) {
        view.widget->setVisible(now.Visible);
        was.Visible = now.Visible;
    }
}

void FormView::showFlightButton(FlightView& view)
{
    const FlightButton& now = *view.model;
    const bool first = !view.shown;
    if (first) view.shown = now;
    FlightButton& was = *view.shown;
    // A click that makes a travelling button vanish has lost it.
    if (!first && was.Visible && !now.Visible && notedEvent_ && notedEvent_->target == view.slot &&
        notedEvent_->kind == (view.ack ? EventKind::ClickAck : EventKind::ClickPacket) && stateMarks_) {
        lostMarks_.push_back(
            {{was.Left, was.Top, was.Width, view.heightTwips}, lostClock_.elapsed() + LostMarkMilliseconds});
        dropExpiredLostMarks();
        sheet_->update();
    }
    const bool captionChanged = first || was.Caption != now.Caption;
    const bool markerChanged = first || was.TravelMarker != now.TravelMarker;
    if (captionChanged) {
        view.widget->setText(toQString(now.Caption));
        was.Caption = now.Caption;
    }
    if (first || was.Left != now.Left || was.Top != now.Top || was.Width != now.Width) {
        view.widget->setGeometry(placeOf({now.Left, now.Top, now.Width, view.heightTwips}));
        was.Left = now.Left;
        was.Top = now.Top;
        was.Width = now.Width;
        if ((stateMarks_ && now.TravelMarker == colours::Held) ||
            (picked_ && picked_->ack == view.ack && picked_->slot == view.slot))
            sheet_->update();
    }
    if (first || was.Visible != now.Visible) {
        view.widget->setVisible(now.Visible);
        was.Visible = now.Visible;
    }
    if (captionChanged || markerChanged) {
        const bool held = now.TravelMarker == colours::Held;
        view.widget->setAccessibleName(control_texts::flightName(view.ack, now.Caption, held));
        // A held button stands above the others, so that nothing passes over it unseen.
        if (held && stateMarks_) {
            view.widget->raise();
            sheet_->raise();
        }
        if (markerChanged && !first) sheet_->update();
        was.TravelMarker = now.TravelMarker;
    }
}

void FormView::showBar(BarView& view)
{
    const std::int32_t width = view.model->Width;
    if (view.shownWidth == width) return;
    view.widget->setGeometry(placeOf({view.place.left, view.place.top, width, view.place.height}));
    view.shownWidth = width;
}

void FormView::showFrame(FrameView& view)
{
    const Frame& now = *view.model;
    const bool first = !view.shown;
    if (first) view.shown = now;
    Frame& was = *view.shown;
    if (first || was.Left != now.Left || was.Width != now.Width) {
        view.widget->setGeometry(placeOf({now.Left, view.topTwips, now.Width, view.heightTwips}));
        was.Left = now.Left;
        was.Width = now.Width;
    }
    if (first || was.Visible != now.Visible) {
        view.widget->setVisible(now.Visible);
        was.Visible = now.Visible;
    }
}

void FormView::showButton(ButtonView& view)
{
    if (view.shownCaption == view.model->Caption) return;
    view.widget->setText(toQString(view.model->Caption));
    view.shownCaption = view.model->Caption;
}

void FormView::showCheckBox(CheckView& view)
{
    const CheckBox& now = *view.model;
    const bool first = !view.shown;
    if (first) view.shown = now;
    CheckBox& was = *view.shown;
    if (first || was.Caption != now.Caption) {
        view.widget->setText(toQString(now.Caption));
        was.Caption = now.Caption;
    }
    if (first || was.Value != now.Value) {
        const QSignalBlocker quiet(view.widget);
        view.widget->setChecked(now.Value == 1);
        was.Value = now.Value;
    }
    if (first || was.Enabled != now.Enabled) {
        view.widget->setEnabled(now.Enabled);
        was.Enabled = now.Enabled;
    }
}

void FormView::showSlider(SliderView& view)
{
    if (view.figure != nullptr && view.shownFigure != view.figure->Caption) {
        QByteArray storage;
        view.widget->setAccessibleDescription(control_texts::sliderDescription(
            nameView(view.widget->objectName(), storage), view.figure->Caption));
        view.shownFigure = view.figure->Caption;
    }
    const int value = view.model->value();
    if (view.shownValue == value) return;
    const QSignalBlocker quiet(view.widget);
    view.widget->setValue(value);
    view.shownValue = value;
    // The timeout's figure is no unit of time: its tooltip says what it is now.
    if (view.widget->objectName() == QLatin1String("HScroll1"))
        view.widget->setToolTip(
            control_texts::toolTip("HScroll1") + QLatin1Char('\n') +
            QObject::tr("Now %1.").arg(QString::fromStdString(view_texts::timeoutInTicks(value))));
}
