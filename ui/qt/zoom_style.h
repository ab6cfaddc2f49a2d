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
