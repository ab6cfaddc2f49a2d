// The client area of the main window: every control of the demonstration at
// its fixed place, 855 x 595 logical pixels.
//
// It decides nothing and changes nothing. It shows a Form1, and hands each
// user action to its owner as a UserEvent; the owner applies it and asks for
// the outcome to be shown. Each widget remembers what it last showed, next to
// the model control it shows, so a tick touches only the widgets whose
// properties changed.
//
// Every widget's objectName is its control's name, with "_i" for element i of
// an array ("lblTx_3", "cmdPacket_0").
//
// Sections of form_view.cpp:
//   fonts, colours and the table of places (ui/window_layout.h)
//   building the controls
//   forwarding the user's events
//   mirroring the model into the widgets
//   the static drawing (arrows)
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "core/events.h"
#include "core/form.h"
#include "ui/window_layout.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;
class ShapeWidget;

class FormView : public QWidget {
    Q_OBJECT

public:
    using EventSink = std::function<void(const UserEvent&)>;

    // `form` must outlive the view; `sink` receives every user action.
    FormView(const Form1& form, EventSink sink, QWidget* parent = nullptr);

    // Copies what changed in the model into the widgets.
    void showModel();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    using TwipRect = window_layout::TwipRect;

    // What a widget last showed, next to the model control it shows.
    struct LabelView {
        QLabel* widget;
        const Label* model;
        int fontPixels;
        bool placedByModel; // only the strip cells move; the rest keep their design place
        std::optional<Label> shown;
    };
    struct FlightView {
        QPushButton* widget;
        const FlightButton* model;
        int heightTwips;
        std::optional<FlightButton> shown;
    };
    struct BarView {
        ShapeWidget* widget;
        const TimeoutBar* model;
        std::optional<std::int32_t> shownWidth;
    };
    struct FrameView {
        ShapeWidget* widget;
        const Frame* model;
        int topTwips;
        int heightTwips;
        std::optional<Frame> shown;
    };
    struct ButtonView {
        QPushButton* widget;
        const Button* model;
        std::optional<std::string> shownCaption;
    };
    struct CheckView {
        QCheckBox* widget;
        const CheckBox* model;
        OptionBox id;
        std::optional<CheckBox> shown;
    };
    struct SliderView {
        QScrollBar* widget;
        const ScrollBar* model;
        SliderId id;
        std::optional<int> shownValue;
    };

    void buildControl(const window_layout::Control& control);
    void arrangeKeyboardFocus();

    QLabel* addLabel(const Label& model, const QString& name, const window_layout::Control& control);
    void addFlightButton(const window_layout::Control& control, const QString& name);
    ShapeWidget* addShape(const QString& name, TwipRect place, QColor colour, int borderPixels);
    QPushButton* addPanelButton(const Button& model, const QString& name, TwipRect place, EventKind click);
    void addCheckBox(const CheckBox& model, OptionBox id, const QString& name, TwipRect place);
    void addSlider(const ScrollBar& model, SliderId id, const QString& name, TwipRect place,
                   Qt::Orientation orientation);

    void onCheckBoxClicked(CheckView& view);
    void onSliderMoved(SliderView& view, int value);

    void showLabel(LabelView& view);
    void showFlightButton(FlightView& view);
    void showBar(BarView& view);
    void showFrame(FrameView& view);
    void showButton(ButtonView& view);
    void showCheckBox(CheckView& view);
    void showSlider(SliderView& view);

    const Form1& form_;
    EventSink sink_;

    // Deques, because the signal connections hold on to their views and a
    // deque never moves an element when it grows.
    std::deque<LabelView> labels_;
    std::deque<FlightView> flights_;
    std::deque<BarView> bars_;
    std::deque<FrameView> frames_;
    std::deque<ButtonView> buttons_;
    std::deque<CheckView> checks_;
    std::deque<SliderView> sliders_;
};
