// A packet or ACK button on its way: a push button that draws its picture
// once for each look and copies it while it moves.
//
// Every travelling button moves every tick, and the style drew it from
// scratch each time: the bevel, and the caption laid out and shaped again,
// the largest part of an animated frame's cost, more so at a projector's
// zoom. Its look depends only on what the style is given (caption, size,
// state, palette, font, style and pixel ratio), which rarely changes on the
// way; the picture is drawn as the button's own painting draws it.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QStyle>
#include <array>
#include <cstdint>

class TravellingButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What the style draws a button from.
    struct Look {
        QStyle::State state;
        int features = 0;
        QString text;
        QSize size;
        qint64 palette = 0;
        QFont font;
        const QStyle* style = nullptr;
        qreal pixelRatio = 0;
        bool operator==(const Look&) const = default;
    };
    struct Picture {
        Look look;
        QPixmap pixmap;
        std::uint64_t lastUsed = 0;
    };
    const QPixmap& pictureOf(const Look& look, const QStyleOptionButton& option);

    // The looks met lately. Places are rounded edge by edge at every zoom, so
    // a moving button is a pixel taller on some ticks than on others.
    std::array<Picture, 4> pictures_;
    std::uint64_t paints_ = 0;
};
