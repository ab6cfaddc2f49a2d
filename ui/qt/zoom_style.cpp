#include "ui/qt/zoom_style.h"

#include <cmath>

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    // Negative values are flags ("no limit"), not sizes.
    if (base <= 0 || factor_ == 1.0) return base;
    return static_cast<int>(std::lround(base * factor_));
}

QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                                  const QWidget* widget) const
{
    QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
    if (type == CT_MenuItem) size.rwidth() += size.height();
    return size;
}
