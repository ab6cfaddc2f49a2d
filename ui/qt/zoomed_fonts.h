// The texts around the client area at the zoom: menus, dialogs (lessons,
// legend, keys and mouse, About, the model's message box, refusals), tooltips
// and the chart and log panel. The client area draws its own texts from the
// layout table at its own scale; these follow the application's fonts.
//
// The fonts as they were when this was made are the 100 % sizes, and go
// back into place when it goes, so that a window made later starts from them.
#pragma once

#include <QByteArray>
#include <QFont>
#include <utility>
#include <vector>

class ZoomedFonts {
public:
    ZoomedFonts();
    ~ZoomedFonts();
    ZoomedFonts(const ZoomedFonts&) = delete;
    ZoomedFonts& operator=(const ZoomedFonts&) = delete;

    // Every application font at `factor` times its 100 % size.
    void apply(double factor);
    double factor() const { return factor_; }

    // `font` at `factor` times its size, in the unit it was given in.
    static QFont scaled(QFont font, double factor);

private:
    QFont base_;
    QFont toolTip_;
    // Fonts the platform gives single classes of widgets (menus, headers...).
    std::vector<std::pair<QByteArray, QFont>> classes_;
    double factor_ = 1.0;
};
