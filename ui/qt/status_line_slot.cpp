#include "ui/qt/status_line_slot.h"

#include <QEvent>
#include <QFontMetrics>
#include <algorithm>

namespace {

// Only a single line of text that runs left to right throughout has its
// characters' places in the order of the string, each after the width of
// those before it: a right-to-left letter or mark may reorder it, and a line
// break or a tab moves what follows.
bool isPlainLeftToRightLine(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0)) return false; // controls
        if (c.unicode() < 0x0590) continue; // Latin, Greek, Cyrillic and the like
        if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) return false;
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
        case QChar::DirFSI:
        case QChar::DirAN:
            return false;
        default:
            break;
        }
    }
    return true;
}

} // namespace

StatusLineSlot::StatusLineSlot(QLabel* line, QWidget* parent) : QWidget(parent), line_(line)
{
    line_->setParent(this);
    line_->installEventFilter(this);
}

void StatusLineSlot::setText(const QString& text)
{
    const QString before = line_->text();
    if (text == before) return;
    const int from = line_->isVisible() ? changedFrom(before, text) : -1;
    if (from < 0) {
        line_->setText(text);
        return;
    }
    // The label repaints its whole width at a new text; held off here, and
    // only the part that can have changed is repainted.
    line_->setAttribute(Qt::WA_UpdatesDisabled, true);
    line_->setText(text);
    line_->setAttribute(Qt::WA_UpdatesDisabled, false);
    line_->update(QRect(from, 0, line_->width() - from, line_->height()));
}

int StatusLineSlot::changedFrom(const QString& before, const QString& after)
{
    const Qt::Alignment horizontal = line_->alignment() & Qt::AlignHorizontal_Mask;
    const bool leftAligned = horizontal == Qt::AlignLeft || horizontal == Qt::AlignJustify ||
                             (horizontal == Qt::AlignLeading && line_->layoutDirection() == Qt::LeftToRight);
    if (!leftAligned || line_->layoutDirection() != Qt::LeftToRight || line_->textFormat() != Qt::PlainText ||
        line_->wordWrap() || !isPlainLeftToRightLine(before) || !isPlainLeftToRightLine(after))
        return -1;
    qsizetype same = 0;
    while (same < before.size() && same < after.size() && before[same] == after[same])
        ++same;
    // Back to the start of the word: shaping may join or kern letters within one.
    const qsizetype start = same == 0 ? 0 : after.lastIndexOf(QLatin1Char(' '), same - 1) + 1;
    const QString unchanged = after.left(start);
    if (measuredWidth_ < 0 || unchanged != measuredStart_) {
        measuredStart_ = unchanged;
        measuredWidth_ = line_->fontMetrics().horizontalAdvance(unchanged);
    }
    // A line's height to the left as well: a glyph may reach left of its
    // place, and the label may indent its text.
    const QFontMetrics metrics = line_->fontMetrics();
    const int x = line_->contentsRect().left() + line_->margin() + std::max(0, line_->indent()) +
                  measuredWidth_ - metrics.height();
    return std::max(0, x);
}

void StatusLineSlot::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    line_->setGeometry(rect());
}

bool StatusLineSlot::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == line_ && (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)) {
        measuredWidth_ = -1;
        updateGeometry();
    }
    return QWidget::eventFilter(watched, event);
}
