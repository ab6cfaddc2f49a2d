// The client area of the main window: every control of the demonstration at
// its place from the layout table (frontend/window_layout.h), 855 x 595 logical
// pixels at 100 %.
//
// It decides nothing and changes nothing. It shows a Form1, and hands each
// user action to its owner as a UserEvent; the owner applies it and asks for
// the outcome to be shown. Each widget remembers what it last showed, next to
// the model control it shows, so a tick touches only the widgets whose
// properties changed.
//
// View options change only how the model is drawn: the zoom (every place,
// font and line multiplied, the controls redrawn at the new size), the
// colour-blind safe palette and the state marks (a mapping from the model's
// colour to what is drawn, frontend/cell_states.h). The keyboard can pick a
// travelling packet or ACK in the flight area and click it through the same
// events the mouse sends.
//
// Every widget's objectName is its control's name, with "_i" for element i of
// an array ("lblTx_3", "cmdPacket_0").
//
// Where each part lives:
//   form_view_support.h   fonts, names and which model control a table entry shows
//   form_view.cpp         building the controls
//   form_view_zoom.cpp    zoom and view options
//   form_view_keys.cpp    forwarding the user's events (mouse and keyboard)
//   form_view_mirror.cpp  mirroring the model into the widgets
//   form_view_paint.cpp   drawing: the arrows and the sheet on top
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/events.h"
#include "core/form.h"
#include "frontend/cell_states.h"
#include "frontend/flight_picking.h"
#include "frontend/view_texts.h"
#include "frontend/window_layout.h"

class CellLabel;
class PaintLayer;
class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;
class ShapeWidget;
class ZoomStyle;

class FormView : public QWidget {
    Q_OBJECT

public:
    using EventSink = std::function<void(const UserEvent&)>;

    static constexpr int MinimumZoom = 100;
    static constexpr int MaximumZoom = 300;
    // Smaller still, for views that share a screen (a comparison's two or
    // three side by side); the main window never goes below actual size.
    static constexpr int SmallestZoom = 50;
    // How long a lost packet's mark stays where it was lost.
    static constexpr int LostMarkMilliseconds = view_texts::LostMarkMilliseconds;

    // A travelling packet or ACK, picked with the keyboard.
    using FlightPick = flight_picking::Pick;

    // `form` must outlive the view; `sink` receives every user action.
    FormView(const Form1& form, EventSink sink, QWidget* parent = nullptr);
    ~FormView() override;

    // Copies what changed in the model into the widgets.
    void showModel();
    // The event the next showModel shows the outcome of: a click that makes
    // a packet or ACK vanish has lost it, and with state marks on the place
    // where it was lost is marked for a moment.
    void noteEvent(const UserEvent& event);

    // Percent, clamped to 100..300 (from smallestZoom() for a view allowed
    // below actual size); the view takes that size and keeps it.
    void setZoom(int percent);
    void allowZoomBelowActualSize() { smallestZoom_ = SmallestZoom; }
    int smallestZoom() const { return smallestZoom_; }
    int zoom() const { return zoom_; }
    // Full screen: the view fills whatever size it is given, scaled as large
    // as fits with its proportions kept, centred.
    void setFitToSize(bool fit);
    bool fitToSize() const { return fit_; }
    // Pixels per twip as drawn now (1/15 at 100 %).
    double pixelsPerTwip() const { return scale_; }
    // Where a rectangle of the layout is drawn now, in this widget's pixels.
    QRect placeOf(const window_layout::TwipRect& place) const;

    void setSafeColours(bool on);
    bool safeColours() const { return safeColours_; }
    void setStateMarks(bool on);
    bool stateMarks() const { return stateMarks_; }
    // Rings the sender cell of `packet` while it is on the strip (-1: none):
    // the event a practice question was about. A view option only.
    void setMarkedPacket(int packet);
    int markedPacket() const { return markedPacket_; }

    std::optional<FlightPick> pickedFlight() const { return picked_; }
    // Places (in twips) of recently lost packets and ACKs still marked.
    std::vector<window_layout::TwipRect> lostMarks() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    using TwipRect = window_layout::TwipRect;

    // What a widget last showed, next to the model control it shows.
    struct LabelView {
        QLabel* widget;
        const Label* model;
        int fontPixels;
        TwipRect place;
        std::optional<cell_states::Strip> strip; // strip cells only: they move and carry marks
        std::optional<Label> shown;
    };
    struct FlightView {
        QPushButton* widget;
        const FlightButton* model;
        bool ack;
        int slot;
        int heightTwips;
        std::optional<FlightButton> shown;
    };
    struct BarView {
        ShapeWidget* widget;
        const TimeoutBar* model;
        TwipRect place;
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
        const Label* figure; // the number shown beside it, for screen readers
        std::optional<int> shownValue;
        std::string shownFigure;
    };
    // Every widget at its design place, for a change of zoom.
    struct StaticPlace {
        QWidget* widget;
        TwipRect place;
        int fontPixels; // 0: keeps its font
        bool bold;
        int borderPixels; // shapes only
    };
    struct LostMark {
        TwipRect place;
        qint64 shownUntil; // on lostClock_
    };

    void buildControl(const window_layout::Control& control);
    void arrangeKeyboardFocus();

    QLabel* addLabel(const Label& model, const QString& name, const window_layout::Control& control);
    void addFlightButton(const window_layout::Control& control, const QString& name);
    ShapeWidget* addShape(const QString& name, TwipRect place, QColor colour, int borderPixels);
    QPushButton* addPanelButton(const Button& model, const QString& name, TwipRect place, EventKind click);
    void addCheckBox(const CheckBox& model, OptionBox id, const QString& name, TwipRect place);
    void addSlider(const ScrollBar& model, SliderId id, const Label* figure, const QString& name,
                   TwipRect place, Qt::Orientation orientation);
    void describe(QWidget* widget, const QString& name);

    void applyScale(double scale, QPoint origin);
    int fontPixels(int nominal) const;
    void forgetShown();
    QColor drawnColour(Colour model, std::optional<cell_states::Strip> strip) const;
    QColor barColour() const;

    void onCheckBoxClicked(CheckView& view);
    void onSliderMoved(SliderView& view, int value);
    void clickFlight(const FlightView& view);
    void movePick(int key);
    const FlightView* pickedView() const;

    void showLabel(LabelView& view);
    void showFlightButton(FlightView& view);
    void showBar(BarView& view);
    void showFrame(FrameView& view);
    void showButton(ButtonView& view);
    void showCheckBox(CheckView& view);
    void showSlider(SliderView& view);

    void paintSheet(QPainter& painter);
    void dropExpiredLostMarks();

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
    std::vector<StaticPlace> places_;

    int zoom_ = 100;
    int smallestZoom_ = MinimumZoom;
    bool fit_ = false;
    double scale_ = 1.0 / geometry::TwipsPerPixel;
    QPoint origin_;
    bool safeColours_ = false;
    bool stateMarks_ = false;
    int markedPacket_ = -1;
    ZoomStyle* style_ = nullptr; // made at the first zoom; outlives the controls
    PaintLayer* sheet_ = nullptr;

    std::optional<FlightPick> picked_;
    std::optional<UserEvent> notedEvent_;
    std::vector<LostMark> lostMarks_;
    QElapsedTimer lostClock_;
    QTimer lostMarkTimer_;
};
