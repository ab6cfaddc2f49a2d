#include "ui/qt/practice_panel.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/qt/translation.h"

namespace {

QString text(const std::string& s) { return translation::shown(s); }

// The digit a key chooses with, 0 for none.
int choiceKey(const QKeyEvent* key)
{
    if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) return 0;
    return key->key() >= Qt::Key_1 && key->key() <= Qt::Key_4 ? key->key() - Qt::Key_0 : 0;
}

} // namespace

PracticePanel::PracticePanel(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("practicePanel"));
    setWindowTitle(tr("Practice"));
    qApp->installEventFilter(this);
    clock_.start();
}

// Most users never open the panel: its widgets are built the first time it
// has something to show, not with the window, whose start-up they would slow.
void PracticePanel::build()
{
    // The content scrolls only on a screen too small for it; otherwise the
    // window takes the size of its text (fitToText()).
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("practiceScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll_);
    content_ = new QWidget(scroll_);
    auto* layout = new QVBoxLayout(content_);

    prompt_ = new QLabel(this);
    prompt_->setObjectName(QStringLiteral("practicePrompt"));
    prompt_->setWordWrap(true);
    layout->addWidget(prompt_);
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        QPushButton* choice = new QPushButton(this);
        choice->setObjectName(QStringLiteral("practiceChoice_%1").arg(i + 1));
        choice->setCheckable(true);
        choice->setFocusPolicy(Qt::NoFocus);
        connect(choice, &QPushButton::clicked, this, [this, i] { choose(static_cast<int>(i)); });
        layout->addWidget(choice);
        choices_[i] = choice;
    }
    skip_ = new QPushButton(tr("Skip (Esc)"), this);
    skip_->setObjectName(QStringLiteral("practiceSkip"));
    skip_->setFocusPolicy(Qt::NoFocus);
    connect(skip_, &QPushButton::clicked, this, &PracticePanel::skip);
    layout->addWidget(skip_);

    explanation_ = new QLabel(this);
    explanation_->setObjectName(QStringLiteral("practiceExplanation"));
    explanation_->setWordWrap(true);
    explanation_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(explanation_);

    auto* footer = new QFormLayout;
    score_ = new QLabel(this);
    score_->setObjectName(QStringLiteral("practiceScore"));
    footer->addRow(tr("Score:"), score_);
    perMinute_ = new QSpinBox(this);
    perMinute_->setObjectName(QStringLiteral("practicePerMinute"));
    perMinute_->setRange(1, practice::Session::MostPerMinute);
    perMinute_->setValue(session_.perMinute());
    connect(perMinute_, &QSpinBox::valueChanged, this, [this](int n) { session_.setPerMinute(n); });
    footer->addRow(tr("Questions per minute:"), perMinute_);
    layout->addLayout(footer);
    auto* copy = new QPushButton(tr("Copy Summary"), this);
    copy->setObjectName(QStringLiteral("practiceCopySummary"));
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(text(session_.summary())); });
    layout->addWidget(copy);

    scroll_->setWidget(content_);
}

PracticePanel::~PracticePanel() { qApp->removeEventFilter(this); }

void PracticePanel::setOn(bool on)
{
    if (on && prompt_ == nullptr) build();
    session_.setOn(on);
    setVisible(on);
    if (on) raise();
    showSession();
}

void PracticePanel::afterTick(const Form1& form, const RunHistory& history)
{
    if (!session_.on()) return;
    session_.afterTick(form, history, static_cast<double>(clock_.elapsed()));
    showSession();
}

void PracticePanel::userActed()
{
    if (!session_.on()) return;
    session_.userActed();
    showSession();
}

void PracticePanel::choose(int index)
{
    session_.answer(index);
    showSession();
}

void PracticePanel::skip()
{
    session_.skip();
    showSession();
}

// Keys 1 to 4 and Esc answer wherever the focus is, but only while a question
// waits: otherwise they keep their usual meaning (Esc leaves full screen).
bool PracticePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (!session_.holdsClock() ||
        (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int digit = choiceKey(key);
    const bool escape = key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier;
    if (digit == 0 && !escape) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept(); // the key press comes to this filter instead of a shortcut
        return true;
    }
    if (escape) {
        skip();
    } else {
        choose(digit - 1);
    }
    return true;
}

void PracticePanel::showSession()
{
    using Phase = practice::Session::Phase;
    const Phase phase = session_.phase();
    const auto& question = session_.question();
    if (phase != shownPhase_ || session_.records().size() != shownRecords_) {
        if (phase == Phase::Explaining && question)
            emit eventMarked(session_.eventTick(), question->packet);
        else if (shownPhase_ == Phase::Explaining)
            emit eventMarked(-1, -1);
        shownPhase_ = phase;
        shownRecords_ = session_.records().size();
        if (prompt_ == nullptr) build();
        const bool asking = phase == Phase::Asking;
        const bool shown = question && phase != Phase::Watching && phase != Phase::Off;
        prompt_->setText(shown ? text(question->prompt) : tr("Watching the run for the next question\u2026"));
        for (std::size_t i = 0; i < choices_.size(); ++i) {
            QPushButton* choice = choices_[i];
            const bool used = shown && i < question->choices.size();
            choice->setVisible(used);
            if (!used) continue;
            QString label = QStringLiteral("%1.  %2").arg(i + 1).arg(text(question->choices[i]));
            if (phase == Phase::Explaining && static_cast<int>(i) == question->right)
                label += QStringLiteral("  \u2714");
            choice->setText(label);
            choice->setChecked(static_cast<int>(i) == session_.chosen());
            choice->setEnabled(asking);
        }
        skip_->setVisible(asking);

        QString explanation;
        if (phase == Phase::Awaiting) {
            explanation = tr("Watch the run: the event comes in a few ticks.");
        } else if (phase == Phase::Explaining && question) {
            const std::string& right = question->choices[static_cast<std::size_t>(question->right)];
            const int chosen = session_.chosen();
            explanation = chosen < 0                  ? tr("Skipped: the run gave %1.").arg(text(right))
                          : chosen == question->right ? tr("Right.")
                                                      : tr("Not so: the run gave %1.").arg(text(right));
            explanation += QStringLiteral("\n\n") + text(question->explanation);
        } else if (phase == Phase::Watching) {
            explanation = text(session_.notice());
        }
        explanation_->setText(explanation);
        score_->setText(tr("%1 of %2 right").arg(session_.rightCount()).arg(session_.answeredCount()));
        fitToText();
        if (asking) {
            show();
            raise();
        }
    }
    if (held_ != session_.holdsClock()) {
        held_ = session_.holdsClock();
        emit clockHoldChanged();
    }
}

// The window's width is kept unless a taller text would run off the screen,
// when it widens first; its height is that of its text, up to the screen's
// free area, beyond which the content scrolls rather than being cut.
void PracticePanel::fitToText()
{
    const QScreen* where = screen();
    if (where == nullptr) return;
    const QRect free = where->availableGeometry();
    const QMargins frame = isVisible() ? QMargins(geometry().left() - frameGeometry().left(),
                                                  geometry().top() - frameGeometry().top(),
                                                  frameGeometry().right() - geometry().right(),
                                                  frameGeometry().bottom() - geometry().bottom())
                                       : QMargins();
    const int mostWidth = std::max(1, free.width() - frame.left() - frame.right());
    const int mostHeight = std::max(1, free.height() - frame.top() - frame.bottom());
    const int scrollBar = scroll_->verticalScrollBar()->sizeHint().width();
    int width = std::min(mostWidth, std::max({360, width_, content_->minimumSizeHint().width()}));
    const auto heightAt = [this](int w) {
        return content_->hasHeightForWidth() ? content_->heightForWidth(w) : content_->sizeHint().height();
    };
    while (heightAt(width) > mostHeight && width < mostWidth)
        width = std::min(mostWidth, width + 80);
    width_ = width;
    const int height = heightAt(width);
    const bool scrolls = height > mostHeight;
    resize(std::min(mostWidth, width + (scrolls ? scrollBar : 0)), std::min(mostHeight, height));
    // Pulled back onto the screen where it grew past an edge.
    if (isVisible()) {
        QRect placed = frameGeometry();
        placed.moveRight(std::min(placed.right(), free.right()));
        placed.moveBottom(std::min(placed.bottom(), free.bottom()));
        placed.moveLeft(std::max(placed.left(), free.left()));
        placed.moveTop(std::max(placed.top(), free.top()));
        move(placed.topLeft());
    }
}
