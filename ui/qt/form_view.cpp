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

#include "ui/qt/cell_label.h"
#include "ui/qt/control_texts.h"
#include "ui/qt/paint_layer.h"
#include "ui/qt/screen_units.h"
#include "ui/qt/shape_widget.h"
#include "ui/qt/zoom_style.h"
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

std::string_view nameView(const QString& name, QByteArray& storage)
{
    storage = name.toLatin1();
    return {storage.constData(), static_cast<std::size_t>(storage.size())};
}

void setTextColour(QWidget* widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// Shrinks a label's font just enough for its caption to fit its width.
void fitCaption(QLabel* label, int nominalPixels, int smallest)
{
    QFont font = label->font();
    int pixels = nominalPixels;
    font.setPixelSize(pixels);
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

const Label* figureOf(const Form1& form, SliderId id)
{
    switch (id) {
    case SliderId::Timeout:
        return &form.lblTimeOut[1];
    case SliderId::TxWindow:
        return &form.lblTxWindow[1];
    case SliderId::RxWindow:
        return &form.lblRxWindow[1];
    case SliderId::Sequences:
        return &form.lblSequences[1];
    }
    return nullptr;
}

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
    auto* button = new QPushButton(this);
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
    zoom_ = std::clamp(percent, MinimumZoom, MaximumZoom);
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

// Up and Down walk along a lane in the order the buttons stand on screen;
// Left and Right cross to the other lane, to the button nearest in height.
void FormView::movePick(int key)
{
    const FlightView* current = pickedView();
    const bool wantAck = key == Qt::Key_Right ? true : key == Qt::Key_Left ? false : current && current->ack;
    std::vector<const FlightView*> lane;
    for (const FlightView& view : flights_)
        if (view.model->Visible && view.ack == wantAck) lane.push_back(&view);
    if (lane.empty() && current == nullptr) {
        for (const FlightView& view : flights_)
            if (view.model->Visible) lane.push_back(&view);
    }
    if (lane.empty()) return;
    std::stable_sort(lane.begin(), lane.end(),
                     [](const FlightView* a, const FlightView* b) { return a->model->Top < b->model->Top; });
    const FlightView* next = lane.front();
    if (current != nullptr && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        const auto at = std::find(lane.begin(), lane.end(), current);
        const auto index = at - lane.begin();
        const auto count = static_cast<std::ptrdiff_t>(lane.size());
        next = lane[static_cast<std::size_t>(key == Qt::Key_Down ? std::min(index + 1, count - 1)
                                                                 : std::max<std::ptrdiff_t>(index - 1, 0))];
    } else if (current != nullptr) {
        next =
            *std::min_element(lane.begin(), lane.end(), [current](const FlightView* a, const FlightView* b) {
                return std::abs(a->model->Top - current->model->Top) <
                       std::abs(b->model->Top - current->model->Top);
            });
    }
    picked_ = FlightPick{next->ack, next->slot};
    setAccessibleDescription(next->widget->accessibleName());
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
}

// ============================================================================
// Drawing: the arrows and the sheet on top
// ============================================================================

void FormView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const double factor = scale_ * geometry::TwipsPerPixel;
    painter.setPen(QPen(toQColor(window_layout::ArrowColour), window_layout::ArrowLinePixels * factor,
                        Qt::SolidLine, Qt::RoundCap));
    const auto point = [this](int x, int y) {
        return QPointF(origin_.x() + std::lround(x * scale_), origin_.y() + std::lround(y * scale_));
    };
    for (const window_layout::TwipLine& line : window_layout::ArrowLines)
        painter.drawLine(QLineF(point(line.x1, line.y1), point(line.x2, line.y2)));
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
