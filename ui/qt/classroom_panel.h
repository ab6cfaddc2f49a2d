// The classroom session's panel, for the projector beside the run: where to
// join (the address and its QR code, big enough for the back row), how many
// phones follow, and the question to the room with its buttons. It shows
// what ClassroomSession says and passes the teacher's buttons on.
//
// Object names, for tests: "classroomPanel", "classroomAddress",
// "classroomQr", "classroomStudents", "classroomAsk", "classroomReveal",
// "classroomVoteAgain", "classroomPlay", "classroomStop", "classroomPrompt",
// "classroomAnswered", "classroomHistogram", "classroomExplanation",
// "classroomNotice".
#pragma once

#include <QWidget>

class ClassroomHistogram;
class ClassroomSession;
class QLabel;
class QPushButton;
class QTimer;

class ClassroomPanel : public QWidget {
    Q_OBJECT

public:
    ClassroomPanel(ClassroomSession& session, QWidget* parent);
    // Draws the join address and its code anew (a session started).
    void showSession();

private:
    // Counts change with every phone that joins, leaves or votes: they are
    // shown a few times a second at most, so that a room of hundreds of
    // phones never costs the projector's window its frames.
    void showCountsSoon();
    void showStudents(int students);
    void showRoom();
    void showNotice(const QString& sentence);

    ClassroomSession& session_;
    QLabel* address_ = nullptr;
    QLabel* code_ = nullptr;
    QLabel* students_ = nullptr;
    QLabel* prompt_ = nullptr;
    QLabel* answered_ = nullptr;
    ClassroomHistogram* histogram_ = nullptr;
    QLabel* explanation_ = nullptr;
    QLabel* notice_ = nullptr;
    QPushButton* ask_ = nullptr;
    QPushButton* reveal_ = nullptr;
    QPushButton* voteAgain_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* stop_ = nullptr;
    QTimer* countsDue_ = nullptr;
    int shownStage_ = -1;
};
