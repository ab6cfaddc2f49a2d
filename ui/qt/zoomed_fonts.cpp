#include "ui/qt/zoomed_fonts.h"

#include <QApplication>
#include <QEvent>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The classes a platform theme may give a font of their own; each would keep
// its size when only the application's font grows.
constexpr std::array<const char*, 20> ThemedClasses = {
    "QMenu",          "QMenuBar",          "QMenuItem",   "QMessageBox",      "QLabel",
    "QTipLabel",      "QStatusBar",        "QPushButton", "QCheckBox",        "QRadioButton",
    "QToolButton",    "QAbstractItemView", "QListView",   "QHeaderView",      "QComboMenuItem",
    "QComboLineEdit", "QSmallFont",        "QMiniFont",   "QDockWidgetTitle", "QMdiSubWindowTitleBar",
};

} // namespace

ZoomedFonts::ZoomedFonts() : base_(QApplication::font()), toolTip_(QToolTip::font())
{
    for (const char* name : ThemedClasses) {
        const QFont font = QApplication::font(name);
        if (font != base_) classes_.emplace_back(name, font);
    }
}

ZoomedFonts::~ZoomedFonts() { apply(1.0); }

QFont ZoomedFonts::scaled(QFont font, double factor)
{
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
    } else {
        font.setPointSizeF(font.pointSizeF() * factor);
    }
    return font;
}

void ZoomedFonts::apply(double factor)
{
    if (factor == factor_) return;
    factor_ = factor;
    QApplication::setFont(scaled(base_, factor));
    for (const auto& [name, font] : classes_)
        QApplication::setFont(scaled(font, factor), name.constData());
    QToolTip::setFont(scaled(toolTip_, factor));
    // Windows already open take the new fonts only when told, and pass them on to their children.
    QEvent change(QEvent::ApplicationFontChange);
    for (QWidget* window : QApplication::topLevelWidgets())
        QApplication::sendEvent(window, &change);
}
