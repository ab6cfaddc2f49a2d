// The main window: the demonstration's only screen.
//
// It decides nothing. It builds every control at its fixed place, hands each
// user event to the matching Form1 handler, runs Form1's clock, shows the modal
// box when Form1 asks for one, and after every event and tick copies Form1's
// control properties into the widgets. Each widget remembers what it last
// showed, so a tick touches only the widgets whose properties changed.
//
// Every widget's objectName is its control's name, with "_i" for element i of
// an array ("lblTx_3", "cmdPacket_0"); the clock is "Timer1".
//
// Sections of main_window.cpp:
//   fonts, system colours and the fixed geometry
//   building the controls
//   forwarding events and running the clock
//   mirroring the model into the widgets
//   the modal message box
//   the static drawing (arrows)
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "core/form.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;
class ShapeWidget;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Form1& form() { return form_; }
    const Form1& form() const { return form_; }

    // Copies the model into the widgets and starts or stops the clock to
    // match Timer1. Runs by itself after every event and tick; tests that
    // change the model directly call it to see the result on screen.
    void showModel();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct TwipRect {
        int left;
        int top;
        int width;
        int height;
    };

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
        CheckBox* model;
        std::optional<CheckBox> shown;
    };
    struct SliderView {
        QScrollBar* widget;
        ScrollBar* model;
        std::optional<int> shownValue;
    };

    void buildStrips();
    void buildFlightButtons();
    void buildPanel();
    void arrangeKeyboardFocus();

    QLabel* addLabel(const Label& model, const QString& name, TwipRect place, Qt::Alignment alignment,
                     int fontPixels, bool placedByModel = false);
    ShapeWidget* addShape(const QString& name, TwipRect place, QColor colour, int borderPixels);
    QPushButton* addPanelButton(const Button& model, const QString& name, TwipRect place,
                                void (Form1::*onClick)());
    void addCheckBox(CheckBox& model, const QString& name, TwipRect place);
    void addSlider(ScrollBar& model, const QString& name, TwipRect place, Qt::Orientation orientation);

    // Runs one model event (a user's action or a tick) to completion, then
    // shows its outcome. An event that arrives while another is running is
    // dropped: nothing may run inside a tick.
    template <typename Event> void runEvent(Event&& event);
    void onCheckBoxClicked(CheckView& view);
    void onSliderMoved(SliderView& view, int value);

    void showLabel(LabelView& view);
    void showFlightButton(FlightView& view);
    void showBar(BarView& view);
    void showFrame(FrameView& view);
    void showButton(ButtonView& view);
    void showCheckBox(CheckView& view);
    void showSlider(SliderView& view);
    void showWidgets();
    void syncClock();

    void showMessageBox(const std::string& text);

    Form1 form_;
    QTimer clock_{this};
    bool eventRunning_ = false;
    bool messageBoxOpen_ = false;

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
