// The small pieces every part of the form view uses: the demonstration's
// fonts, names and alignments in Qt's terms, and which model control each
// entry of the window's layout table shows. Only the form view's own files
// include this.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QString>
#include <string>
#include <string_view>

#include "core/events.h"
#include "core/form.h"
#include "frontend/window_layout.h"

namespace form_view_support {

using window_layout::Align;
using window_layout::Control;
using window_layout::Kind;
using window_layout::NotAnArray;
using window_layout::TwipRect;

inline QFont demoFont(int pixels, bool bold = false)
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

inline QString controlName(const Control& control)
{
    const QString name =
        QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size()));
    return control.index == NotAnArray ? name : QStringLiteral("%1_%2").arg(name).arg(control.index);
}

inline QString toQString(const std::string& text) { return QString::fromStdString(text); }

inline Qt::Alignment toQtAlignment(Align align)
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

inline std::string_view nameView(const QString& name, QByteArray& storage)
{
    storage = name.toLatin1();
    return {storage.constData(), static_cast<std::size_t>(storage.size())};
}

inline void setTextColour(QWidget* widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// Shrinks a label's font just enough for its caption to fit its width.
inline void fitCaption(QLabel* label, int nominalPixels, int smallest)
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

inline const Label* labelOf(const Form1& form, const Control& control)
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
inline constexpr CheckBinding CheckBindings[] = {
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
inline constexpr SliderBinding SliderBindings[] = {
    {"HScroll1", &FormState::HScroll1, SliderId::Timeout},
    {"VScroll1", &FormState::VScroll1, SliderId::TxWindow},
    {"VScroll2", &FormState::VScroll2, SliderId::RxWindow},
    {"VScroll3", &FormState::VScroll3, SliderId::Sequences},
};

inline const Label* figureOf(const Form1& form, SliderId id)
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

} // namespace form_view_support
