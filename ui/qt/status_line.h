// The line under the client area: which protocol and receiver rule run, the
// tick and the speed, and apart on the right the losses the network deals,
// which must stay in sight when the line is cut at the window's width.
#pragma once

#include <string>

class Form1;
class QLabel;
class QStatusBar;
class StatusLineSlot;
class RunHistory;

class StatusLine {
public:
    // Builds its labels into `bar`, which keeps them.
    explicit StatusLine(QStatusBar& bar);

    // Only what changed is set again.
    void show(const Form1& form, const RunHistory& history, double speed);

private:
    QLabel* line_;
    StatusLineSlot* lineSlot_;
    std::string shownLine_;
    QLabel* losses_;
    std::string shownLosses_;
};
