// Run > Practice: a small window beside the demonstration that asks what the
// run will do next, a few times a minute.
//
// The questions, their timing, the score and the summary all come from
// practice::Session (frontend/practice.h); this panel only shows them and
// passes the student's choice back. While a question is asked the session
// holds the clock (holdsClock()); keys 1 to 4 choose and Esc skips, wherever
// the focus is in the program.
//
// Object names, for tests: "practicePanel", "practicePrompt", "practiceChoice_<n>"
// (n from 1), "practiceSkip", "practiceExplanation", "practiceScore",
// "practicePerMinute", "practiceCopySummary", "practiceScroll".
#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <array>
#include <cstdint>

#include "frontend/practice.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;

class PracticePanel : public QWidget {
    Q_OBJECT

public:
    explicit PracticePanel(QWidget* parent = nullptr);
    ~PracticePanel() override;

    void setOn(bool on);
    bool on() const { return session_.on(); }
    bool holdsClock() const { return session_.holdsClock(); }
    practice::Session& session() { return session_; }

    // After every tick of the run, with the run's history: its tick count, how
    // far it goes on by itself and the losses its network deals.
    void afterTick(const Form1& form, const RunHistory& history);
    // After every user action but a tick, and after a rewind.
    void userActed();

    void choose(int index);
    void skip();

signals:
    // The session took or released the clock.
    void clockHoldChanged();
    // The question's event has happened on `tick`, about `packet` (-1 for
    // none): the window and the chart mark it. (-1, -1) when it is over.
    void eventMarked(std::int32_t tick, int packet);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void showSession();
    void fitToText();

    practice::Session session_;
    QElapsedTimer clock_;
    QScrollArea* scroll_ = nullptr;
    QWidget* content_ = nullptr;
    // The width the window settled on, kept so it does not jump back and forth.
    int width_ = 0;
    QLabel* prompt_ = nullptr;
    std::array<QPushButton*, 4> choices_{};
    QPushButton* skip_ = nullptr;
    QLabel* explanation_ = nullptr;
    QLabel* score_ = nullptr;
    QSpinBox* perMinute_ = nullptr;
    bool held_ = false;
    practice::Session::Phase shownPhase_ = practice::Session::Phase::Off;
    std::size_t shownRecords_ = 0;
};
