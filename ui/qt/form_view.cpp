#include "ui/qt/form_view.h"

#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "ui/qt/screen_units.h"
#include "ui/qt/shape_widget.h"
#include "ui/window_layout.h"

// ============================================================================
// Fonts, colours and the table of places
// ============================================================================

namespace {

using window_layout::Align;
using window_layout::Control;
using window_layout::Kind;
using window_layout::NotAnArray;
using window_layout::TwipRect;

QFont demoFont(int pixels, bool bold = false)
{
    QFont font;
    QStringList families;
    for (std::string_view family : window_layout::FontFamilies)
        families += QString::fromLatin1(family.data(), static_cast<qsizetype>(family.size()));
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString controlName(const Control& control)
{
    const QString name =
        QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size()));
    return control.index == NotAnArray ? name : QStringLiteral("%1_%2").arg(name).arg(control.index);
}

QString toQString(const std::string& text) { return QString::fromStdString(text); }

Qt::Alignment toQtAlignment(Align align)
{
    switch (align) {
    case Align::Left:
        return Qt::AlignLeft;
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

QRect toPixelRect(const TwipRect& place)
{
    return {toPixels(place.left), toPixels(place.top), toPixels(place.width), toPixels(place.height)};
}

void setTextColour(QWidget* widget, Colour colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toQColor(colour));
    widget->setPalette(palette);
}

// Shrinks a label's font just enough for its caption to fit its width.
void fitCaption(QLabel* label, int nominalPixels)
{
    QFont font = label->font();
    int pixels = nominalPixels;
    font.setPixelSize(pixels);
    const int smallest = nominalPixels * window_layout::SmallestFontPercent / 100;
    while (pixels > smallest && QFontMetrics(font).horizontalAdvance(label->text()) > label->width()) {
        font.setPixelSize(--pixels);
    }
    if (font.pixelSize() != label->font().pixelSize()) label->setFont(font);
}

// ----------------------------------------------------------------------------
// Which model control each entry of the table shows
// ----------------------------------------------------------------------------

const Label* labelOf(const Form1& form, const Control& control)
{
    const auto element = [&](const auto& array) -> const Label* {
        const auto i = static_cast<std::size_t>(control.index);
        return i < array.size() ? &array[i] : nullptr;
    };
    const std::string_view name = control.name;
    if (name == "lblTx") return element(form.lblTx);
    if (name == "lblRx") return element(form.lblRx);
    if (name == "lblTxWindow") return element(form.lblTxWindow);
    if (name == "lblRxWindow") return element(form.lblRxWindow);
    if (name == "lblTimeOut") return element(form.lblTimeOut);
    if (name == "lblSequences") return element(form.lblSequences);
    if (name == "lblTxInfo") return &form.lblTxInfo;
    if (name == "lblRxInfo") return &form.lblRxInfo;
    if (name == "lblState") return &form.lblState;
    if (name == "lblDupACKs") return &form.lblDupACKs;
    if (name == "lblSSThresh") return &form.lblSSThresh;
    return nullptr;
}

struct CheckBinding {
    std::string_view name;
    CheckBox FormState::*box;
    OptionBox id;
};
constexpr CheckBinding CheckBindings[] = {
    {"chkSlowStart", &FormState::chkSlowStart, OptionBox::SlowStart},
    {"chkAvoidance", &FormState::chkAvoidance, OptionBox::Avoidance},
    {"chkFastRetransmit", &FormState::chkFastRetransmit, OptionBox::FastRetransmit},
    {"chkSelective", &FormState::chkSelective, OptionBox::Selective},
    {"chkDelayedACK", &FormState::chkDelayedACK, OptionBox::DelayedAck},
    {"chkAutoRTT", &FormState::chkAutoRTT, OptionBox::AutoRtt},
    {"chkSlide", &FormState::chkSlide, OptionBox::Slide},
};

struct SliderBinding {
    std::string_view name;
    ScrollBar FormState::*bar;
    SliderId id;
};
constexpr SliderBinding SliderBindings[] = {
    {"HScroll1", &FormState::HScroll1, SliderId::Timeout},
    {"VScroll1", &FormState::VScroll1, SliderId::TxWindow},
    {"VScroll2", &FormState::VScroll2, SliderId::RxWindow},
    {"VScroll3", &FormState::VScroll3, SliderId::Sequences},
};

template <typename Binding, std::size_t N>
const Binding& bindingOf(const Binding (&bindings)[N], const Control& control)
{
    for (const Binding& binding : bindings)
        if (binding.name == control.name) return binding;
    qFatal("the window has no model control for %s", qPrintable(controlName(control)));
}

} // namespace

// ============================================================================
// Building the controls
// ============================================================================

FormView::FormView(const Form1& form, EventSink sink, QWidget* parent)
    : QWidget(parent), form_(form), sink_(std::move(sink))
{
    setFixedSize(toPixels(layout::ClientWidth), toPixels(layout::ClientHeight));
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
    arrangeKeyboardFocus();
    showModel();
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
        bars_.push_back({bar, &form_.shpTimeOut.at(static_cast<std::size_t>(control.index)), std::nullopt});
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
        addSlider(form_.*binding.bar, binding.id, name, control.place,
                  control.kind == Kind::VerticalSlider ? Qt::Vertical : Qt::Horizontal);
        return;
    }
    case Kind::FlightButton:
        addFlightButton(control, name);
        return;
    }
}

void FormView::addFlightButton(const Control& control, const QString& name)
{
    const bool isPacket = control.name == "cmdPacket";
    const auto index = static_cast<std::int16_t>(control.index);
    const auto slot = static_cast<std::size_t>(control.index);
    const FlightButton& model = isPacket ? form_.cmdPacket.at(slot) : form_.cmdACK.at(slot);
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    button->setFont(demoFont(control.fontPixels, control.bold));
    // Moving targets are for the mouse; Tab stays among the panel controls.
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    flights_.push_back({button, &model, control.place.height, std::nullopt});
    // Pressed, not clicked: the button keeps moving while the mouse button
    // is down, and a release that lands off it would lose the click.
    const EventKind click = isPacket ? EventKind::ClickPacket : EventKind::ClickAck;
    connect(button, &QPushButton::pressed, this, [this, click, index] { sink_(UserEvent{click, index, 0}); });
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
    findChild<QWidget*>(QStringLiteral("cmdReset"), Qt::FindDirectChildrenOnly)->setFocus();
}

QLabel* FormView::addLabel(const Label& model, const QString& name, const Control& control)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setGeometry(toPixelRect(control.place));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(toQtAlignment(control.align) | Qt::AlignTop);
    label->setFont(demoFont(control.fontPixels, control.bold));
    // Opaque on the button face, as labels are on this desktop.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, toQColor(window_layout::LabelBackground));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    labels_.push_back({label, &model, control.fontPixels, control.kind == Kind::StripCell, std::nullopt});
    return label;
}

ShapeWidget* FormView::addShape(const QString& name, TwipRect place, QColor colour, int borderPixels)
{
    auto* shape = new ShapeWidget(this, colour, borderPixels);
    shape->setObjectName(name);
    shape->setGeometry(toPixelRect(place));
    return shape;
}

QPushButton* FormView::addPanelButton(const Button& model, const QString& name, TwipRect place,
                                      EventKind click)
{
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    button->setGeometry(toPixelRect(place));
    button->setFocusPolicy(Qt::StrongFocus);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, toQColor(window_layout::PanelButtonFace));
    button->setPalette(palette);
    buttons_.push_back({button, &model, std::nullopt});
    connect(button, &QPushButton::clicked, this, [this, click] { sink_(UserEvent{click, 0, 0}); });
    return button;
}

void FormView::addCheckBox(const CheckBox& model, OptionBox id, const QString& name, TwipRect place)
{
    auto* box = new QCheckBox(this);
    box->setObjectName(name);
    box->setGeometry(toPixelRect(place));
    box->setFocusPolicy(Qt::StrongFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, toQColor(window_layout::LabelBackground));
    box->setPalette(palette);
    box->setAutoFillBackground(true);
    CheckView& view = checks_.emplace_back(CheckView{box, &model, id, std::nullopt});
    connect(box, &QCheckBox::clicked, this, [this, &view] { onCheckBoxClicked(view); });
}

void FormView::addSlider(const ScrollBar& model, SliderId id, const QString& name, TwipRect place,
                         Qt::Orientation orientation)
{
    auto* slider = new QScrollBar(orientation, this);
    slider->setObjectName(name);
    slider->setGeometry(toPixelRect(place));
    slider->setRange(model.Min, model.Max);
    slider->setSingleStep(model.SmallChange);
    slider->setPageStep(model.LargeChange);
    // A drag is one change, when the thumb is let go.
    slider->setTracking(false);
    // Qt's vertical scroll bar grows downwards, as the model's do: the figures
    // beside them count from the top (17 - value), so up means more.
    slider->setFocusPolicy(Qt::StrongFocus);
    {
        const QSignalBlocker quiet(slider);
        slider->setValue(model.value());
    }
    SliderView& view = sliders_.emplace_back(SliderView{slider, &model, id, model.value()});
    connect(slider, &QScrollBar::valueChanged, this,
            [this, &view](int value) { onSliderMoved(view, value); });
}

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
}

void FormView::showLabel(LabelView& view)
{
    const Label& now = *view.model;
    const bool first = !view.shown;
    if (first) view.shown = now;
    Label& was = *view.shown;
    if (first || was.Caption != now.Caption) {
        view.widget->setText(toQString(now.Caption));
        fitCaption(view.widget, view.fontPixels);
        was.Caption = now.Caption;
    }
    if (first || was.ForeColor != now.ForeColor) {
        setTextColour(view.widget, now.ForeColor);
        was.ForeColor = now.ForeColor;
    }
    if (view.placedByModel && (first || was.Left != now.Left || was.Top != now.Top)) {
        view.widget->move(toPixels(now.Left), toPixels(now.Top));
        was.Left = now.Left;
        was.Top = now.Top;
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
    if (first || was.Caption != now.Caption) {
        view.widget->setText(toQString(now.Caption));
        was.Caption = now.Caption;
    }
    if (first || was.Left != now.Left || was.Top != now.Top || was.Width != now.Width) {
        view.widget->setGeometry(toPixels(now.Left), toPixels(now.Top), toPixels(now.Width),
                                 toPixels(view.heightTwips));
        was.Left = now.Left;
        was.Top = now.Top;
        was.Width = now.Width;
    }
    if (first || was.Visible != now.Visible) {
        view.widget->setVisible(now.Visible);
        was.Visible = now.Visible;
    }
    // The travel marker has no look of its own.
}

void FormView::showBar(BarView& view)
{
    const std::int32_t width = view.model->Width;
    if (view.shownWidth == width) return;
    view.widget->resize(toPixels(width), view.widget->height());
    view.shownWidth = width;
}

void FormView::showFrame(FrameView& view)
{
    const Frame& now = *view.model;
    const bool first = !view.shown;
    if (first) view.shown = now;
    Frame& was = *view.shown;
    if (first || was.Left != now.Left || was.Width != now.Width) {
        view.widget->setGeometry(toPixels(now.Left), toPixels(view.topTwips), toPixels(now.Width),
                                 toPixels(view.heightTwips));
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
    const int value = view.model->value();
    if (view.shownValue == value) return;
    const QSignalBlocker quiet(view.widget);
    view.widget->setValue(value);
    view.shownValue = value;
}

// ============================================================================
// The static drawing
// ============================================================================

void FormView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(toQColor(window_layout::ArrowColour), window_layout::ArrowLinePixels, Qt::SolidLine,
                        Qt::RoundCap));
    for (const window_layout::TwipLine& line : window_layout::ArrowLines) {
        painter.drawLine(toPixels(line.x1), toPixels(line.y1), toPixels(line.x2), toPixels(line.y2));
    }
}
