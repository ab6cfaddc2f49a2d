// The Compare window: two or three configurations of the demonstration run
// side by side from one clock, with the same losses (frontend/comparison.h).
//
// Each configuration's window is drawn by the main window's own client area
// (FormView), titled with its label and drawn below actual size where the
// screen needs it. Under them, one chart overlays their transmit windows and
// goodputs, and a table gives each one's figures. One set of run controls
// acts on all: Start/Pause/Cont, Step, Step back, the speed, a rewind by a
// click on the chart; Losses... and Save... belong to the comparison too. A
// click on a packet or ACK acts in the configuration it was made in, and
// the comparison plans the same loss for the others.
//
// Like the main window, it decides nothing: every action goes to the
// Comparison, and the views show what the models hold.
//
// Object names, for tests: "compareWindow", "compareView_<i>" (the client
// areas), "compareTitle_<i>", "compareChart", "compareTable", "compareStatus",
// and the actions "compareStartReset", "comparePauseCont", "compareStep",
// "compareStepBack", "compareLosses", "compareSave", "compareZoomIn",
// "compareZoomOut"; the speed box "compareSpeed".
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frontend/comparison.h"
#include "ui/qt/tick_paced_refresh.h"

class CompareChart;
class FormView;
class MainWindow;
class TickTimer;
class QAction;
class QComboBox;
class QLabel;
class FiguresTable;
class QTableWidget;
class StatusLineSlot;

class CompareWindow : public QMainWindow {
    Q_OBJECT

public:
    // Below the main window's smallest, so that three fit across a laptop's screen.
    static constexpr std::array<int, 6> ZoomSteps = {50, 60, 70, 80, 90, 100};

    // `owner` keeps the last folder and writes run files; the window is its
    // child and goes with it.
    CompareWindow(std::unique_ptr<Comparison> comparison, MainWindow& owner);
    ~CompareWindow() override;

    Comparison& comparison() { return *comparison_; }
    FormView* view(std::size_t index) const { return views_[index]; }
    CompareChart* chart() const { return chart_; }
    QTableWidget* table() const;

    // A user's action in configuration `index`, as a click in its view.
    void runEvent(std::size_t index, const UserEvent& event);
    void step();
    void stepBack();
    bool rewindTo(std::int32_t tick);
    void setSpeed(int index); // into run_clock::Speeds
    int tickInterval() const;
    void setLosses(const LossSettings& losses);
    bool save(const QString& path);

    void setZoom(int percent);
    int zoom() const { return zoom_; }
    // The largest step at which the views, the chart and the controls fit
    // on the window's screen; the smallest when none does.
    int largestZoomThatFits() const;

    // Copies every model into its view, the figures into the table, and
    // starts or stops the clock to match the comparison.
    void showComparison();

private:
    void buildControls();
    void buildViews();
    void showControls();
    void showFigures();
    void showStatus();
    void runTick();
    void syncClock();
    void askLosses();
    void showMessageBox(std::size_t index, const std::string& text);

    std::unique_ptr<Comparison> comparison_;
    MainWindow& owner_;
    std::vector<FormView*> views_;
    CompareChart* chart_ = nullptr;
    FiguresTable* table_ = nullptr;
    QLabel* status_ = nullptr;
    StatusLineSlot* statusSlot_ = nullptr;
    QAction* startReset_ = nullptr;
    QAction* pauseCont_ = nullptr;
    QAction* stepBack_ = nullptr;
    QComboBox* speedBox_ = nullptr;
    TickTimer* clock_; // the shared clock, "compareClock"
    // While the clock runs, the table and the status follow at most this
    // often: a class reads figures, not twenty changes a second.
    static constexpr int FiguresRefreshMilliseconds = 200;
    TickPacedRefresh figuresRefresh_{FiguresRefreshMilliseconds,
                                     [this] {
                                         showFigures();
                                         showStatus();
                                     },
                                     this};
    int zoom_ = 100;
    bool eventRunning_ = false;
    std::int32_t figuresTick_ = -1; // the tick the table stands at; -1 to fill it again
    std::string shownStatus_;
};
