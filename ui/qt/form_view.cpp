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
#include "ui/qt/travelling_button.h"
#include "ui/qt/zoom_style.h"

using namespace form_view_support;

// ============================================================================
// Building the controls
// ============================================================================

FormView::FormView(const Form1& form, EventSink sink, QWidget* parent)
    : QWidget(parent), form_(form), sink_(std::move(sink))
{
    // The simulation's window keeps its direction in a right-to-left
    // language: its strips count left to right, as a number line does.
    setLayoutDirection(Qt::LeftToRight);
    setFixedSize(toPixels(geometry::ClientWidth), toPixels(geometry::ClientHeight));
    setFont(demoFont(window_layout::PanelTextPixels));
    const QColor grayText = toQColor(window_layout::GrayText);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(window_layout::WindowBackground));
    palette.setColor(QPalette::WindowText, toQColor(window_layout::WindowText));
    palette.setColor(QPalette::Button, toQColor(window_layout::ButtonFace));
    palette.setColor(QPalette::ButtonText, toQColor(window_layout::ButtonText));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, grayText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, grayText);
    palette.setColor(QPalette::Disabled, QPalette::Text, grayText);
    setPalette(palette);
    setAutoFillBackground(true);

    // The table is in creation order, which is stacking order.
    for (const Control& control : window_layout::Controls)
        buildControl(control);

    sheet_ = new PaintLayer(this, [this](QPainter& painter) { paintSheet(painter); });
    sheet_->setGeometry(rect());
    connect(qApp, &QApplication::focusChanged, sheet_, qOverload<>(&QWidget::update));

    // The flight area takes the focus after the panel, for playing with the
    // keyboard; by Tab only, so that a click beside a packet leaves the focus
    // where the presenter put it.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(control_texts::flightAreaName());
    setAccessibleDescription(control_texts::flightAreaDescription());
    arrangeKeyboardFocus();

    lostClock_.start();
    lostMarkTimer_.setSingleShot(true);
    connect(&lostMarkTimer_, &QTimer::timeout, this, [this] {
        dropExpiredLostMarks();
        sheet_->update();
    });
    showModel();
}

FormView::~FormView()
{
    // The controls hold on to the style until they are gone, after this body.
    if (style_ != nullptr) {
        style_->setParent(nullptr);
        style_->deleteLater();
    }
}

void FormView::buildControl(const Control& control)
{
    const QString name = controlName(control);
    switch (control.kind) {
    case Kind::StripCell:
    case Kind::Label: {
        const Label* model = labelOf(form_, control);
        if (model == nullptr) qFatal("the window has no model label for %s", qPrintable(name));
        addLabel(*model, name, control);
        return;
    }
    case Kind::TimeoutBar: {
        ShapeWidget* bar = addShape(name, control.place, toQColor(colours::TimeoutBar), 0);
        bars_.push_back({bar, &form_.shpTimeOut.at(static_cast<std::size_t>(control.index)), control.place,
                         std::nullopt});
        return;
    }
    case Kind::CellBox:
        addShape(name, control.place, toQColor(window_layout::CellBoxColour), window_layout::BoxBorderPixels);
        return;
    case Kind::WindowFrame: {
        ShapeWidget* frame =
            addShape(name, control.place, toQColor(colours::WindowFrame), window_layout::FrameBorderPixels);
        const Frame* model = control.name == "shpTxWindow" ? &form_.shpTxWindow : &form_.shpRxWindow;
        frames_.push_back({frame, model, control.place.top, control.place.height, std::nullopt});
        return;
    }
    case Kind::PanelButton:
        if (control.name == "cmdReset") {
            addPanelButton(form_.cmdReset, name, control.place, EventKind::StartReset);
        } else {
            addPanelButton(form_.cmdPause, name, control.place, EventKind::PauseCont);
        }
        return;
    case Kind::CheckBox: {
        const CheckBinding& binding = bindingOf(CheckBindings, control);
        addCheckBox(form_.*binding.box, binding.id, name, control.place);
        return;
    }
    case Kind::VerticalSlider:
    case Kind::HorizontalSlider: {
        const SliderBinding& binding = bindingOf(SliderBindings, control);
        addSlider(form_.*binding.bar, binding.id, figureOf(form_, binding.id), name, control.place,
                  control.kind == Kind::VerticalSlider ? Qt::Vertical : Qt::Horizontal);
        return;
    }
    case Kind::FlightButton:
        addFlightButton(control, name);
        return;
    }
}

void FormView::describe(QWidget* widget, const QString& name)
{
    QByteArray storage;
    const QString tip = control_texts::toolTip(nameView(name, storage));
    widget->setToolTip(tip);
    widget->setAccessibleDescription(tip);
}

void FormView::addFlightButton(const Control& control, const QString& name)
{
    const bool isAck = control.name == "cmdACK";
    const auto slot = static_cast<std::size_t>(control.index);
    const FlightButton& model = isAck ? form_.cmdACK.at(slot) : form_.cmdPacket.at(slot);
    auto* button = new TravellingButton(this);
    button->setObjectName(name);
    button->setFont(demoFont(control.fontPixels, control.bold));
    // Moving targets take no focus of their own: the flight area picks them
    // with the arrow keys, and Tab stays among the panel controls.
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    describe(button, name);
    places_.push_back({button, control.place, control.fontPixels, control.bold, 0});
    FlightView& view = flights_.emplace_back(
        FlightView{button, &model, isAck, control.index, control.place.height, std::nullopt});
    // Pressed, not clicked: the button keeps moving while the mouse button
    // is down, and a release that lands off it would lose the click.
    connect(button, &QPushButton::pressed, this, [this, &view] { clickFlight(view); });
}

void FormView::arrangeKeyboardFocus()
{
    QWidget* previous = nullptr;
    for (std::string_view name : window_layout::TabOrder) {
        auto* widget = findChild<QWidget*>(QLatin1String(name.data(), static_cast<qsizetype>(name.size())),
                                           Qt::FindDirectChildrenOnly);
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    QWidget::setTabOrder(previous, this);
    findChild<QWidget*>(QStringLiteral("cmdReset"), Qt::FindDirectChildrenOnly)->setFocus();
}

QLabel* FormView::addLabel(const Label& model, const QString& name, const Control& control)
{
    std::optional<cell_states::Strip> strip;
    if (control.kind == Kind::StripCell)
        strip = control.name == "lblTx" ? cell_states::Strip::Sender : cell_states::Strip::Receiver;
    QLabel* label = strip ? new CellLabel(this) : new QLabel(this);
    label->setObjectName(name);
    label->setGeometry(placeOf(control.place));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(toQtAlignment(control.align) | Qt::AlignTop);
    label->setFont(demoFont(control.fontPixels, control.bold));
    // Opaque on the button face, as labels are on this desktop.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, toQColor(window_layout::LabelBackground));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    describe(label, name);
    places_.push_back({label, control.place, control.fontPixels, control.bold, 0});
    labels_.push_back({label, &model, control.fontPixels, control.place, strip, std::nullopt});
    return label;
}

ShapeWidget* FormView::addShape(const QString& name, TwipRect place, QColor colour, int borderPixels)
{
    auto* shape = new ShapeWidget(this, colour, borderPixels);
    shape->setObjectName(name);
    shape->setGeometry(placeOf(place));
    places_.push_back({shape, place, 0, false, borderPixels});
    return shape;
}

QPushButton* FormView::addPanelButton(const Button& model, const QString& name, TwipRect place,
                                      EventKind click)
{
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    button->setGeometry(placeOf(place));
    button->setFocusPolicy(Qt::StrongFocus);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, toQColor(window_layout::PanelButtonFace));
    button->setPalette(palette);
    describe(button, name);
    places_.push_back({button, place, window_layout::PanelTextPixels, false, 0});
    buttons_.push_back({button, &model, std::nullopt});
    connect(button, &QPushButton::clicked, this, [this, click] { sink_(UserEvent{click, 0, 0}); });
    return button;
}

void FormView::addCheckBox(const CheckBox& model, OptionBox id, const QString& name, TwipRect place)
{
    auto* box = new QCheckBox(this);
    box->setObjectName(name);
    box->setGeometry(placeOf(place));
    box->setFocusPolicy(Qt::StrongFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, toQColor(window_layout::LabelBackground));
    box->setPalette(palette);
    box->setAutoFillBackground(true);
    describe(box, name);
    places_.push_back({box, place, window_layout::PanelTextPixels, false, 0});
    CheckView& view = checks_.emplace_back(CheckView{box, &model, id, std::nullopt});
    connect(box, &QCheckBox::clicked, this, [this, &view] { onCheckBoxClicked(view); });
}

void FormView::addSlider(const ScrollBar& model, SliderId id, const Label* figure, const QString& name,
                         TwipRect place, Qt::Orientation orientation)
{
    auto* slider = new QScrollBar(orientation, this);
    slider->setObjectName(name);
    slider->setGeometry(placeOf(place));
    slider->setRange(model.Min, model.Max);
    slider->setSingleStep(model.SmallChange);
    slider->setPageStep(model.LargeChange);
    // A drag is one change, when the thumb is let go.
    slider->setTracking(false);
    // Qt's vertical scroll bar grows downwards, as the model's do: the figures
    // beside them count from the top (17 - value), so up means more. A
    // horizontal scroll bar inverts its arrow keys by default; the timeout's
    // Right key must go the way of its right arrow button.
    if (orientation == Qt::Horizontal) slider->setInvertedControls(false);
    slider->setFocusPolicy(Qt::StrongFocus);
    {
        const QSignalBlocker quiet(slider);
        slider->setValue(model.value());
    }
    QByteArray storage;
    slider->setAccessibleName(control_texts::sliderName(nameView(name, storage)));
    slider->setToolTip(control_texts::toolTip(nameView(name, storage)));
    places_.push_back({slider, place, 0, false, 0});
    SliderView& view = sliders_.emplace_back(SliderView{slider, &model, id, figure, model.value(), {}});
    connect(slider, &QScrollBar::valueChanged, this,
            [this, &view](int value) { onSliderMoved(view, value); });
}
