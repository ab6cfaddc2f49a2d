// WebComparison: the page's comparison of two or three configurations, as
// one object the page holds beside the WebSession, the way the desktop's
// Run -> Compare holds a Comparison. Every decision is the shared
// Comparison's; the page draws each configuration's window from its JSON
// and passes gestures back with the configuration they were made in.
//
// How the page uses it:
//   - new WebComparison(session, choices): what the session has waiting (a
//     link's compare=, a file with runs alongside), or else the configurations
//     `choices` names ("stop-and-wait,current,selective-repeat", where
//     "current" is the single window's settings), with the session's losses;
//     error() says why none could be made
//   - each clock firing: tick(); each action: apply(index, kind, target, value),
//     step(), stepBack(), rewindTo(t); then takeMessage() and changesJson(i)
//   - the chart: samplesJson(from); the table: figuresJson(); the network:
//     lossesJson() and its setters; Save: savedRunJson()
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "frontend/comparison.h"
#include "history/ladder_description.h"
#include "ui/web/window_json.h"

namespace web {

class WebSession;

class WebComparison {
public:
    WebComparison(WebSession& session, const std::string& choices);
    WebComparison(const WebComparison&) = delete;
    WebComparison& operator=(const WebComparison&) = delete;
    ~WebComparison();

    // The sentence saying why the choices make no comparison, "" when they do.
    std::string error() const { return error_; }
    int size() const { return comparison_ ? static_cast<int>(comparison_->size()) : 0; }
    std::string label(int index) const;

    void tick();
    void apply(int index, int kind, int target, int value);
    // The user's gesture in configuration `index`'s window, as WebSession::use.
    void use(int index, const std::string& control, int target, int value);
    void step();
    void stepBack();
    bool rewindTo(int tick);
    void setSpeed(int index);
    int speedIndex() const { return speed_; }
    int ticks() const { return comparison_ ? comparison_->ticks() : 0; }
    bool clockRuns() const;
    int clockInterval() const;
    std::string takeMessage();
    void messageClosed() { messageOpen_ = false; }

    std::string windowJson(int index) const;
    std::string changesJson(int index);
    std::string flightName(int index, bool ack, int slot) const;
    std::string nextPickJson(int index, bool ack, int slot, const std::string& arrow) const;
    // From tick `from` on, a column per configuration: {"from", "txWindow": [[...]],
    // "goodput": [[...]]} (packets per 100 ticks over the last 200 ticks).
    std::string samplesJson(int from) const;
    // As web::figuresJson, a column per configuration.
    std::string figuresJson() const;
    // The losses line under the run bar, as the single window's status says them.
    std::string statusLine() const;

    std::string lossesJson() const;
    void setLossRates(int packetPercent, int ackPercent, double seed);
    bool addPlannedLoss(bool ack, int number, int transmission);
    void removePlannedLoss(int index);

    // The query (without '?') of a link that opens this comparison again.
    std::string linkQuery() const;
    // {"error", "text", "fileName"}: the whole comparison as one run file.
    std::string savedRunJson() const;
    std::string digest(int index) const;

    // Pictures (web_pictures.cpp): `views` ("window,diagram,chart,table", any
    // of them) together as the exporter's comparison picture; the figures as
    // CSV; the name proposed for a download ending in `ending`.
    std::string pictureSvg(const std::string& views, int from, int to, double width, double height,
                           bool titled, bool safeColours, bool stateMarks) const;
    std::string figuresCsv() const;
    std::string pictureFileName(const std::string& ending) const;
    // Configuration `index`'s time-sequence diagram, as WebSession's ladder calls.
    std::string ladderViewJson(int index, double width) const;
    std::string ladderSvg(int index, int from, int to, double width, bool safeColours, bool stateMarks);
    int ladderPick(int index, int from, int to, double width, double x, double y);

private:
    bool valid(int index) const { return index >= 0 && index < size(); }
    RunState runState(int index) const;

    std::unique_ptr<Comparison> comparison_;
    std::vector<WindowChanges> changes_;
    std::vector<ladder::Description> ladders_; // each configuration's diagram last described
    std::deque<std::string> messages_;
    std::string error_;
    bool messageOpen_ = false;
    int speed_;
};

} // namespace web
