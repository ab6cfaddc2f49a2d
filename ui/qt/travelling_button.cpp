#include "ui/qt/travelling_button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

void TravellingButton::paintEvent(QPaintEvent* /*event*/)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const Look look{option.state,
                    static_cast<int>(option.features),
                    option.text,
                    option.rect.size(),
                    palette().cacheKey(),
                    font(),
                    style(),
                    devicePixelRatioF()};
    QPainter painter(this);
    painter.drawPixmap(0, 0, pictureOf(look, option));
}

const QPixmap& TravellingButton::pictureOf(const Look& look, const QStyleOptionButton& option)
{
    ++paints_;
    const auto found = std::find_if(pictures_.begin(), pictures_.end(), [&](const Picture& picture) {
        return !picture.pixmap.isNull() && picture.look == look;
    });
    if (found != pictures_.end()) {
        found->lastUsed = paints_;
        return found->pixmap;
    }
    Picture& picture =
        *std::min_element(pictures_.begin(), pictures_.end(),
                          [](const Picture& a, const Picture& b) { return a.lastUsed < b.lastUsed; });
    picture.look = look;
    picture.lastUsed = paints_;
    picture.pixmap = QPixmap(look.size * look.pixelRatio);
    picture.pixmap.setDevicePixelRatio(look.pixelRatio);
    picture.pixmap.fill(Qt::transparent);
    // What QPushButton's own painting does, on a painter set up as a painter
    // on the button would be (its font, pen and background).
    QStylePainter painter(&picture.pixmap, this);
    painter.setFont(font());
    painter.setPen(QPen(palette().brush(foregroundRole()), 1));
    painter.setBackground(palette().brush(backgroundRole()));
    painter.setLayoutDirection(layoutDirection());
    painter.drawControl(QStyle::CE_PushButton, option);
    return picture.pixmap;
}
