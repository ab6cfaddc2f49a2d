#include "ui/qt/status_line.h"

#include <QLabel>
#include <QStatusBar>

#include "frontend/run_status.h"
#include "ui/qt/status_line_slot.h"
#include "ui/qt/translation.h"

// Below the client area, which keeps its exact size: the window grows by the
// status bar's height.
StatusLine::StatusLine(QStatusBar& bar)
    : line_(new QLabel(&bar)), lineSlot_(new StatusLineSlot(line_, &bar)), losses_(new QLabel(&bar))
{
    line_->setObjectName(QStringLiteral("statusLine"));
    // A lesson's title from a file is shown as it is written, never as markup.
    line_->setTextFormat(Qt::PlainText);
    bar.setSizeGripEnabled(false);
    bar.addWidget(lineSlot_, 1);
    losses_->setObjectName(QStringLiteral("statusLosses"));
    losses_->setTextFormat(Qt::PlainText);
    losses_->hide();
    bar.addPermanentWidget(losses_);
}

void StatusLine::show(const Form1& form, const RunHistory& history, double speed)
{
    run_status::StatusParts parts = run_status::describe(form, history, speed);
    if (parts.losses != shownLosses_) {
        shownLosses_ = parts.losses;
        losses_->setText(translation::shown(parts.losses));
        losses_->setVisible(!parts.losses.empty());
    }
    parts.losses.clear();
    const std::string text = run_status::line(parts);
    if (text == shownLine_) return;
    shownLine_ = text;
    // Part by part: the catalogue knows each part, not the line they make.
    const QString shownText = QString::fromStdString(run_status::line(run_status::inLanguage(
        std::move(parts), [](const std::string& part) { return translation::shown(part).toStdString(); })));
    lineSlot_->setText(shownText);
    // Whole in the tooltip where the window's width cuts it.
    line_->setToolTip(shownText);
}
