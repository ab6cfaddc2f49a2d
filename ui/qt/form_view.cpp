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

// ============================================================================
// Fonts, system colours and the fixed geometry
// ============================================================================

namespace {

// Font sizes are points at 96 dpi, given in pixels so that the texts take the
// same room on every screen; Qt scales the pixels on a high-DPI screen.
constexpr int PanelTextPixels = 18;  // 13.5 pt: panel, check boxes, run buttons, commentary
constexpr int CellTextPixels = 24;   // 18 pt: strip numbers
constexpr int FlightTextPixels = 13; // 9.75 pt bold: packet and ACK buttons

// A label whose caption is too wide for it gets a smaller font rather than a
// clipped caption, but never smaller than this share of its own size.
constexpr int SmallestFontPercent = 60;

constexpr int BoxBorderPixels = 1;
constexpr int FrameBorderPixels = 3;
constexpr int LineWidthPixels = 3;

// The desktop colours the layout names, fixed to the usual Windows values so
// that the window looks the same on every desktop and projector.
const QColor ThreeDLight(227, 227, 227);
const QColor ButtonFace(240, 240, 240);
const QColor ButtonText(0, 0, 0);
const QColor WindowText(0, 0, 0);
const QColor GrayText(109, 109, 109); // captions of disabled controls

QFont demoFont(int pixels, bool bold = false)
{
    QFont font;
    // The control sizes leave room for a face as narrow as Arial; a wider one
    // would clip captions such as "Current Flight Size".
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString controlName(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QString toQString(const std::string& text) { return QString::fromStdString(text); }

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
    const int smallest = nominalPixels * SmallestFontPercent / 100;
    while (pixels > smallest && QFontMetrics(font).horizontalAdvance(label->text()) > label->width()) {
        font.setPixelSize(--pixels);
    }
    if (font.pixelSize() != label->font().pixelSize()) label->setFont(font);
}

// The four lines of the two arrows between the flight lanes, in twips.
struct TwipLine {
    int x1;
    int y1;
    int x2;
    int y2;
};
constexpr TwipLine ArrowLines[] = {
    {6120, 1200, 6120, 5160}, // shaft of the downward arrow: packets travel down
    {5940, 4980, 6120, 5160}, // its head
    {6240, 5160, 6240, 1200}, // shaft of the upward arrow: ACKs travel up
    {6240, 1200, 6420, 1380}, // its head
};

} // namespace

// ============================================================================
// Building the controls
// ============================================================================

FormView::FormView(const Form1& form, EventSink sink, QWidget* parent)
    : QWidget(parent), form_(form), sink_(std::move(sink))
{
    setFixedSize(toPixels(layout::ClientWidth), toPixels(layout::ClientHeight));
    setFont(demoFont(PanelTextPixels));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ThreeDLight);
    palette.setColor(QPalette::WindowText, WindowText);
    palette.setColor(QPalette::Button, ButtonFace);
    palette.setColor(QPalette::ButtonText, ButtonText);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, GrayText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, GrayText);
    palette.setColor(QPalette::Disabled, QPalette::Text, GrayText);
    setPalette(palette);
    setAutoFillBackground(true);

    // Creation order is stacking order: strips first, then the panel, and the
    // flight buttons on top of everything they pass over.
    buildStrips();
    buildPanel();
    buildFlightButtons();
    arrangeKeyboardFocus();
    showModel();
}

void FormView::buildStrips()
{
    using namespace layout;
    for (int i = 0; i < CellCount; ++i) {
        addLabel(form_.lblTx[i], controlName("lblTx", i),
                 {cellLabelLeft(i), TxCellTop, CellLabelWidth, CellLabelHeight}, Qt::AlignHCenter,
                 CellTextPixels, true);
    }
    for (int i = 0; i < CellCount; ++i) {
        ShapeWidget* bar = addShape(controlName("shpTimeOut", i),
                                    {cellBoxLeft(i), TimeoutBarTop, FullTimeout, TimeoutBarHeight},
                                    toQColor(colours::TimeoutBar), 0);
        bars_.push_back({bar, &form_.shpTimeOut[i], std::nullopt});
    }
    for (int i = 0; i < CellCount; ++i) {
        addShape(controlName("shpTx", i), {cellBoxLeft(i), TxBoxTop, CellBoxWidth, TxBoxHeight}, WindowText,
                 BoxBorderPixels);
    }
    ShapeWidget* txFrame = addShape(QStringLiteral("shpTxWindow"), {2700, TxFrameTop, 3435, TxFrameHeight},
                                    toQColor(colours::WindowFrame), FrameBorderPixels);
    frames_.push_back({txFrame, &form_.shpTxWindow, TxFrameTop, TxFrameHeight, std::nullopt});

    for (int i = 0; i < CellCount; ++i) {
        addLabel(form_.lblRx[i], controlName("lblRx", i),
                 {cellLabelLeft(i), RxCellTop, CellLabelWidth, CellLabelHeight}, Qt::AlignHCenter,
                 CellTextPixels, true);
    }
    for (int i = 0; i < CellCount; ++i) {
        addShape(controlName("shpRx", i), {cellBoxLeft(i), RxBoxTop, CellBoxWidth, RxBoxHeight}, WindowText,
                 BoxBorderPixels);
    }
    ShapeWidget* rxFrame = addShape(QStringLiteral("shpRxWindow"), {1800, RxFrameTop, 1695, RxFrameHeight},
                                    toQColor(colours::WindowFrame), FrameBorderPixels);
    frames_.push_back({rxFrame, &form_.shpRxWindow, RxFrameTop, RxFrameHeight, std::nullopt});
}

void FormView::buildPanel()
{
    const auto left = Qt::AlignLeft;
    const auto right = Qt::AlignRight;
    const int text = PanelTextPixels;
    addLabel(form_.lblTxInfo, QStringLiteral("lblTxInfo"), {120, 60, 10215, 375}, left, text);
    addLabel(form_.lblState, QStringLiteral("lblState"), {10620, 60, 2055, 375}, right, text);
    addLabel(form_.lblRxInfo, QStringLiteral("lblRxInfo"), {120, 6000, 12495, 375}, left, text);

    addPanelButton(form_.cmdReset, QStringLiteral("cmdReset"), {480, 7020, 1215, 495}, EventKind::StartReset);
    addPanelButton(form_.cmdPause, QStringLiteral("cmdPause"), {1860, 7020, 1215, 495}, EventKind::PauseCont);
    addCheckBox(form_.chkSlide, OptionBox::Slide, QStringLiteral("chkSlide"), {4140, 7020, 2415, 495});

    // Titles before their figures: where a figure overlaps its title, the
    // figure is the one that must stay readable.
    addLabel(form_.lblTxWindow[2], controlName("lblTxWindow", 2), {480, 7620, 2355, 375}, left, text);
    addLabel(form_.lblTxWindow[3], controlName("lblTxWindow", 3), {2940, 7620, 375, 375}, left, text);
    addLabel(form_.lblTxWindow[4], controlName("lblTxWindow", 4), {480, 8040, 1995, 375}, left, text);
    addLabel(form_.lblDupACKs, QStringLiteral("lblDupACKs"), {2520, 8040, 255, 375}, right, text);
    addLabel(form_.lblTxWindow[5], controlName("lblTxWindow", 5), {480, 8460, 1395, 375}, left, text);
    addLabel(form_.lblSSThresh, QStringLiteral("lblSSThresh"), {1980, 8460, 855, 375}, left, text);

    addLabel(form_.lblTxWindow[0], controlName("lblTxWindow", 0), {3660, 7680, 2115, 375}, left, text);
    addLabel(form_.lblTxWindow[1], controlName("lblTxWindow", 1), {5760, 7680, 375, 375}, right, text);
    addSlider(form_.VScroll1, SliderId::TxWindow, QStringLiteral("VScroll1"), {6240, 7620, 315, 495},
              Qt::Vertical);
    addLabel(form_.lblRxWindow[0], controlName("lblRxWindow", 0), {3660, 8220, 2115, 375}, left, text);
    addLabel(form_.lblRxWindow[1], controlName("lblRxWindow", 1), {5760, 8220, 375, 375}, right, text);
    addSlider(form_.VScroll2, SliderId::RxWindow, QStringLiteral("VScroll2"), {6240, 8160, 315, 495},
              Qt::Vertical);

    addLabel(form_.lblTimeOut[0], controlName("lblTimeOut", 0), {7020, 7080, 2055, 315}, left, text);
    addLabel(form_.lblTimeOut[1], controlName("lblTimeOut", 1), {9000, 7080, 435, 315}, left, text);
    addSlider(form_.HScroll1, SliderId::Timeout, QStringLiteral("HScroll1"), {7020, 7440, 2415, 255},
              Qt::Horizontal);
    addCheckBox(form_.chkAutoRTT, OptionBox::AutoRtt, QStringLiteral("chkAutoRTT"), {7440, 7740, 1695, 375});
    addLabel(form_.lblSequences[0], controlName("lblSequences", 0), {6780, 8220, 2415, 375}, left, text);
    addLabel(form_.lblSequences[1], controlName("lblSequences", 1), {9180, 8220, 315, 375}, right, text);
    addSlider(form_.VScroll3, SliderId::Sequences, QStringLiteral("VScroll3"), {9600, 8160, 315, 495},
              Qt::Vertical);

    addCheckBox(form_.chkSlowStart, OptionBox::SlowStart, QStringLiteral("chkSlowStart"),
                {10200, 7080, 1815, 375});
    addCheckBox(form_.chkAvoidance, OptionBox::Avoidance, QStringLiteral("chkAvoidance"),
                {10200, 7440, 2475, 375});
    addCheckBox(form_.chkFastRetransmit, OptionBox::FastRetransmit, QStringLiteral("chkFastRetransmit"),
                {10200, 7800, 2475, 375});
    addCheckBox(form_.chkSelective, OptionBox::Selective, QStringLiteral("chkSelective"),
                {10200, 8160, 2475, 375});
    addCheckBox(form_.chkDelayedACK, OptionBox::DelayedAck, QStringLiteral("chkDelayedACK"),
                {10200, 8520, 2475, 375});
}

void FormView::buildFlightButtons()
{
    const auto addFlight = [this](const FlightButton& model, const QString& name, int heightTwips) {
        auto* button = new QPushButton(this);
        button->setObjectName(name);
        button->setFont(demoFont(FlightTextPixels, true));
        // Moving targets are for the mouse; Tab stays among the panel controls.
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
        flights_.push_back({button, &model, heightTwips, std::nullopt});
        return button;
    };
    for (int i = 0; i < FlightSlots; ++i) {
        const int height = i == 0 ? layout::FirstPacketHeight : layout::PacketHeight;
        QPushButton* button = addFlight(form_.cmdPacket[i], controlName("cmdPacket", i), height);
        // Pressed, not clicked: the button keeps moving while the mouse button
        // is down, and a release that lands off it would lose the click.
        const auto index = static_cast<std::int16_t>(i);
        connect(button, &QPushButton::pressed, this, [this, index] {
            sink_(UserEvent{EventKind::ClickPacket, index, 0});
        });
    }
    for (int i = 0; i < FlightSlots; ++i) {
        QPushButton* button = addFlight(form_.cmdACK[i], controlName("cmdACK", i), layout::AckHeight);
        const auto index = static_cast<std::int16_t>(i);
        connect(button, &QPushButton::pressed, this, [this, index] {
            sink_(UserEvent{EventKind::ClickAck, index, 0});
        });
    }
}

// Tab walks the panel in reading order: run buttons, then the settings from
// left to right. The window opens with the focus on Start, so Space starts a run.
void FormView::arrangeKeyboardFocus()
{
    const char* const order[] = {"cmdReset",     "cmdPause",     "chkSlide",          "VScroll1",
                                 "VScroll2",     "HScroll1",     "chkAutoRTT",        "VScroll3",
                                 "chkSlowStart", "chkAvoidance", "chkFastRetransmit", "chkSelective",
                                 "chkDelayedACK"};
    QWidget* previous = nullptr;
    for (const char* name : order) {
        auto* widget = findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    findChild<QWidget*>(QStringLiteral("cmdReset"), Qt::FindDirectChildrenOnly)->setFocus();
}

QLabel* FormView::addLabel(const Label& model, const QString& name, TwipRect place, Qt::Alignment alignment,
                           int fontPixels, bool placedByModel)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setGeometry(toPixels(place.left), toPixels(place.top), toPixels(place.width),
                       toPixels(place.height));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setFont(demoFont(fontPixels));
    // Opaque on the button face, as labels are on this desktop.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, ButtonFace);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    labels_.push_back({label, &model, fontPixels, placedByModel, std::nullopt});
    return label;
}

ShapeWidget* FormView::addShape(const QString& name, TwipRect place, QColor colour, int borderPixels)
{
    auto* shape = new ShapeWidget(this, colour, borderPixels);
    shape->setObjectName(name);
    shape->setGeometry(toPixels(place.left), toPixels(place.top), toPixels(place.width),
                       toPixels(place.height));
    return shape;
}

QPushButton* FormView::addPanelButton(const Button& model, const QString& name, TwipRect place,
                                      EventKind click)
{
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    button->setGeometry(toPixels(place.left), toPixels(place.top), toPixels(place.width),
                        toPixels(place.height));
    button->setFocusPolicy(Qt::StrongFocus);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, ThreeDLight);
    button->setPalette(palette);
    buttons_.push_back({button, &model, std::nullopt});
    connect(button, &QPushButton::clicked, this, [this, click] { sink_(UserEvent{click, 0, 0}); });
    return button;
}

void FormView::addCheckBox(const CheckBox& model, OptionBox id, const QString& name, TwipRect place)
{
    auto* box = new QCheckBox(this);
    box->setObjectName(name);
    box->setGeometry(toPixels(place.left), toPixels(place.top), toPixels(place.width),
                     toPixels(place.height));
    box->setFocusPolicy(Qt::StrongFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, ButtonFace);
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
    slider->setGeometry(toPixels(place.left), toPixels(place.top), toPixels(place.width),
                        toPixels(place.height));
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
    painter.setPen(QPen(WindowText, LineWidthPixels, Qt::SolidLine, Qt::RoundCap));
    for (const TwipLine& line : ArrowLines) {
        painter.drawLine(toPixels(line.x1), toPixels(line.y1), toPixels(line.x2), toPixels(line.y2));
    }
}
