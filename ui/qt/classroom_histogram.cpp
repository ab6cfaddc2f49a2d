#include "ui/qt/classroom_histogram.h"

#include <QPainter>
#include <algorithm>

#include "frontend/classroom_texts.h"

namespace {

const QColor RightBar(46, 125, 50);
const QColor OtherBar(120, 130, 150);

QString qs(const std::string& text) { return QString::fromStdString(text); }

} // namespace

ClassroomHistogram::ClassroomHistogram(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("classroomHistogram"));
    setMinimumHeight(120);
}

void ClassroomHistogram::setHistogram(const classroom::Histogram& histogram)
{
    histogram_ = histogram;
    QString description = qs(histogram.caption);
    for (const classroom::Bar& bar : histogram.bars)
        description +=
            QStringLiteral("; ") + qs(bar.choice) + QStringLiteral(": ") + qs(bar.text) +
            (bar.right ? QStringLiteral(", ") + qs(std::string(classroom::texts::RightAnswer)) : QString());
    setAccessibleName(qs(histogram.caption));
    setAccessibleDescription(description);
    updateGeometry();
    update();
}

QSize ClassroomHistogram::sizeHint() const
{
    const int rows = std::max<int>(2, static_cast<int>(histogram_.bars.size()));
    return {480, (rows * 2 + 1) * fontMetrics().height()};
}

void ClassroomHistogram::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    painter.drawText(QRect(0, 0, width(), line), Qt::AlignLeft | Qt::AlignVCenter, qs(histogram_.caption));
    if (histogram_.bars.empty()) return;

    // The choices' texts in one column, the bars in the rest, the counts at the bars' ends.
    int labelWidth = 0;
    for (const classroom::Bar& bar : histogram_.bars)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(qs(bar.choice)));
    labelWidth = std::min(labelWidth + line, width() / 3);
    const QString rightMark = QStringLiteral("  \u2713 ") + qs(std::string(classroom::texts::RightAnswer));
    const int countWidth = metrics.horizontalAdvance(QStringLiteral("000 (100 %)") + rightMark) + line;
    const int barRoom = std::max(line, width() - labelWidth - countWidth);
    const int rowHeight =
        std::max(line * 3 / 2, (height() - line * 2) / static_cast<int>(histogram_.bars.size()));

    int y = line * 3 / 2;
    for (const classroom::Bar& bar : histogram_.bars) {
        const QRect label(0, y, labelWidth - line / 2, rowHeight);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, qs(bar.choice));
        const int length = histogram_.most > 0 ? barRoom * bar.votes / histogram_.most : 0;
        const QRect barRect(labelWidth, y + rowHeight / 6, std::max(length, 2), rowHeight * 2 / 3);
        painter.fillRect(barRect, bar.right ? RightBar : OtherBar);
        QFont font = painter.font();
        font.setBold(bar.right);
        painter.setFont(font);
        painter.drawText(QRect(barRect.right() + line / 2, y, countWidth, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         qs(bar.text) + (bar.right ? rightMark : QString()));
        font.setBold(false);
        painter.setFont(font);
        y += rowHeight;
    }
}
