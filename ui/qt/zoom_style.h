// The application's style with every size multiplied by the zoom, so that
// check boxes, scroll bars and buttons are drawn anew at the larger size
// (as vectors, never a stretched bitmap) and keep their places in proportion.
#pragma once

#include <QProxyStyle>

class ZoomStyle : public QProxyStyle {
public:
    ZoomStyle() = default;

    void setFactor(double factor) { factor_ = factor; }
    double factor() const { return factor_; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    double factor_ = 1.0;
};

// The style of the menus. Fusion draws a menu item's check column about as
// wide as the row is tall, so it grows with the font, while the size it asks
// for allows a fixed width for it: at a large zoom the text then loses its
// middle ("Colour-blin...afe colours"). Each item asks for a row's height
// more, which covers the column at every size.
class MenuStyle : public QProxyStyle {
public:
    MenuStyle() = default;

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget = nullptr) const override;
};
