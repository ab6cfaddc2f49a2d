#include "ui/qt/window_placement.h"

#include <QChart>
#include <QChartView>
#include <QFont>
#include <QLegend>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace window_placement {

QRect fitInside(QRect frame, const QRect& available)
{
    frame.setWidth(std::min(frame.width(), available.width()));
    frame.setHeight(std::min(frame.height(), available.height()));
    frame.moveLeft(std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
    frame.moveTop(std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
    return frame;
}

void keepOnScreenOf(QWidget& window, const QWidget& anchor)
{
    const QScreen* screen = anchor.screen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    // The frame is what must fit; the geometry inside it is what Qt sets.
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    const QMargins known(inner.left() - frame.left(), inner.top() - frame.top(),
                         frame.right() - inner.right(), frame.bottom() - inner.bottom());
    const QMargins margins = known.isNull() ? AssumedFrame : known;
    const QRect fitted = fitInside(inner.marginsAdded(margins), available).marginsRemoved(margins);
    if (fitted != inner) window.setGeometry(fitted);
}

void chartTextsFollowFont(QWidget& panel)
{
    // A chart draws its own texts and does not follow the widget's font.
    for (QChartView* view : panel.findChildren<QChartView*>()) {
        const QFont font = view->font();
        QChart* chart = view->chart();
        chart->legend()->setFont(font);
        for (QAbstractAxis* axis : chart->axes()) {
            axis->setLabelsFont(font);
            axis->setTitleFont(font);
        }
    }
}

} // namespace window_placement
