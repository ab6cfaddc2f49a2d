#include "ui/qt/zoom_style.h"

#include <cmath>

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    // Negative values are flags ("no limit"), not sizes.
    if (base <= 0 || factor_ == 1.0) return base;
    return static_cast<int>(std::lround(base * factor_));
}
