// The main window's Run, Options and Network menus. Run repeats Start/Reset
// and Pause/Cont and adds a single step, a step back, Compare, Practice and
// the speed of the clock (keys as a debugger has them). Options holds the
// protocol presets and the receiver and sender rules the client area has no
// box for; Network the losses the network deals. Every item acts through
// the window's one road for user events, so a run records what they do.
#pragma once

#include <QList>
#include <string>
#include <vector>

class Form1;
class MainWindow;
class PracticePanel;
class QAction;
class QActionGroup;
class QMenuBar;
class RunHistory;

class RunMenus {
public:
    explicit RunMenus(MainWindow& window);

    // The menus, in the bar's order; their keys join `panelKeys`, which also
    // work in the panel's window.
    void buildRun(QMenuBar* bar, PracticePanel* practice, QList<QAction*>& panelKeys);
    void buildOptions(QMenuBar* bar);
    void buildNetwork(QMenuBar* bar);

    // The items follow the model and the record: captions as the buttons
    // say, ticks as the boxes are, Step Back and No Losses while they can act.
    void show(const Form1& form, const RunHistory& history);
    void showSpeed(int index);

private:
    void showOptions(const Form1& form);
    void askCompare();
    void askGoToTick();
    void askLosses();

    MainWindow& window_;
    QAction* startReset_ = nullptr;
    QAction* pauseCont_ = nullptr;
    QAction* stepBack_ = nullptr;
    QActionGroup* speeds_ = nullptr;
    QAction* inOrderReceiver_ = nullptr;    // checked while the model's box is ticked
    QAction* goBackN_ = nullptr;            // likewise for the go-back-N sender
    QAction* tahoeRule_ = nullptr;          // likewise for Tahoe's rule, enabled with Fast Retransmit
    std::vector<QAction*> protocolActions_; // one per preset, checked while it is in force
    QAction* noLosses_ = nullptr;
    std::string shownStartCaption_;
    std::string shownPauseCaption_;
};
