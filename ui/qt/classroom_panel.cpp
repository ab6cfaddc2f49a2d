#include "ui/qt/classroom_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "frontend/classroom_texts.h"
#include "frontend/qr_code.h"
#include "ui/qt/classroom_histogram.h"
#include "ui/qt/classroom_session.h"
#include "ui/qt/qr_dialog.h"

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

QLabel* label(QWidget* parent, const char* name, bool wrap = true)
{
    auto* shown = new QLabel(parent);
    shown->setObjectName(QLatin1String(name));
    shown->setWordWrap(wrap);
    // Everything here is the program's own text: never markup.
    shown->setTextFormat(Qt::PlainText);
    return shown;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text)
{
    auto* pressed = new QPushButton(text, parent);
    pressed->setObjectName(QLatin1String(name));
    return pressed;
}

} // namespace

ClassroomPanel::ClassroomPanel(ClassroomSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session)
{
    setObjectName(QStringLiteral("classroomPanel"));
    setWindowTitle(tr("Classroom Session"));

    address_ = label(this, "classroomAddress", false);
    address_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont large = address_->font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    address_->setFont(large);
    code_ = label(this, "classroomQr", false);
    code_->setAlignment(Qt::AlignCenter);
    code_->setAccessibleName(tr("QR code of the address to join the class"));
    students_ = label(this, "classroomStudents", false);
    QFont count = students_->font();
    count.setPointSizeF(count.pointSizeF() * 1.5);
    students_->setFont(count);

    prompt_ = label(this, "classroomPrompt");
    QFont question = prompt_->font();
    question.setPointSizeF(question.pointSizeF() * 1.4);
    prompt_->setFont(question);
    answered_ = label(this, "classroomAnswered", false);
    answered_->setFont(count);
    histogram_ = new ClassroomHistogram(this);
    histogram_->setFont(question);
    explanation_ = label(this, "classroomExplanation");
    notice_ = label(this, "classroomNotice");

    ask_ = button(this, "classroomAsk", tr("&Ask the Room"));
    reveal_ = button(this, "classroomReveal", tr("&Reveal"));
    voteAgain_ = button(this, "classroomVoteAgain", tr("&Vote Again"));
    play_ = button(this, "classroomPlay", tr("&Play"));
    stop_ = button(this, "classroomStop", tr("&Stop Session"));
    connect(ask_, &QPushButton::clicked, this, [this] {
        notice_->clear();
        session_.askTheRoom();
    });
    connect(reveal_, &QPushButton::clicked, &session_, &ClassroomSession::reveal);
    connect(voteAgain_, &QPushButton::clicked, &session_, &ClassroomSession::voteAgain);
    connect(play_, &QPushButton::clicked, &session_, &ClassroomSession::play);
    connect(stop_, &QPushButton::clicked, this, [this] {
        session_.stop();
        close();
    });

    auto* side = new QVBoxLayout;
    side->addWidget(address_);
    side->addWidget(students_);
    side->addSpacing(students_->fontMetrics().height());
    side->addWidget(prompt_);
    side->addWidget(answered_);
    side->addWidget(histogram_, 1);
    side->addWidget(explanation_);
    side->addWidget(notice_);
    side->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ask_, reveal_, voteAgain_, play_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(stop_);
    side->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(code_);
    layout->addLayout(side, 1);

    countsDue_ = new QTimer(this);
    countsDue_->setSingleShot(true);
    countsDue_->setInterval(250);
    connect(countsDue_, &QTimer::timeout, this, [this] { showStudents(session_.students()); });
    connect(&session_, &ClassroomSession::studentsChanged, this, &ClassroomPanel::showCountsSoon);
    connect(&session_, &ClassroomSession::roomChanged, this, [this] {
        // A new question, a reveal or Play shows at once; a vote waits for the next count.
        if (static_cast<int>(session_.room().stage()) != shownStage_ ||
            session_.room().current() == nullptr) {
            showRoom();
        } else {
            showCountsSoon();
        }
    });
    connect(&session_, &ClassroomSession::notice, this, &ClassroomPanel::showNotice);
    showSession();
}

void ClassroomPanel::showSession()
{
    address_->setText(qs(classroom::texts::joinAt(session_.address().toStdString())));
    address_->setToolTip(session_.joinLink());
    const auto matrix = qr::encode(session_.joinLink().toStdString());
    if (matrix) {
        // Whole pixels a module keep every edge sharp; the code takes about
        // half the screen's height, which a phone reads from the back of a hall.
        const QScreen* shown = screen();
        const int room = shown != nullptr ? shown->availableGeometry().height() / 2 : 480;
        const int modulePixels = std::max(4, room / (matrix->size + 2 * qr::QuietZone));
        code_->setPixmap(QPixmap::fromImage(QrDialog::picture(*matrix, modulePixels)));
    }
    showStudents(session_.students());
    showRoom();
}

void ClassroomPanel::showCountsSoon()
{
    if (!countsDue_->isActive()) countsDue_->start();
}

void ClassroomPanel::showStudents(int students)
{
    students_->setText(qs(classroom::texts::studentsText(students)));
    showRoom();
}

void ClassroomPanel::showRoom()
{
    const classroom::Room& room = session_.room();
    const classroom::Room::Asked* asked = room.current();
    shownStage_ = static_cast<int>(room.stage());
    const bool voting = room.stage() == classroom::Room::Stage::Voting;
    const bool revealed = room.stage() == classroom::Room::Stage::Revealed;
    ask_->setEnabled(session_.running() && asked == nullptr);
    reveal_->setEnabled(voting);
    voteAgain_->setEnabled(revealed && room.round() < classroom::Room::Rounds);
    play_->setEnabled(asked != nullptr);
    stop_->setEnabled(session_.running());

    prompt_->setText(asked != nullptr ? qs(asked->question.prompt) : QString());
    QString choices;
    if (voting) {
        for (std::size_t i = 0; i < asked->question.choices.size(); ++i)
            choices += QStringLiteral("%1. %2\n").arg(i + 1).arg(qs(asked->question.choices[i]));
    }
    explanation_->setText(revealed ? qs(asked->question.explanation) : choices.trimmed());
    answered_->setText(voting ? qs(classroom::texts::answeredText(room.answered(), session_.students()))
                              : QString());
    histogram_->setVisible(revealed);
    if (revealed)
        histogram_->setHistogram(
            classroom::histogramOf(asked->number, room.round(), asked->question, asked->rounds.back()));
}

void ClassroomPanel::showNotice(const QString& sentence) { notice_->setText(sentence); }
