#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "ui/web/web_session.h"

namespace {

// Merges a change set into the window the page holds as the page does, and
// says which sent member held what the page already showed.
std::string mergeChanges(nlohmann::json& window, const nlohmann::json& changes)
{
    std::string repeated;
    for (const auto& [group, members] : changes.items()) {
        nlohmann::json& held = window.at(group);
        if (group == "run" || group == "shpTxWindow" || group == "shpRxWindow") {
            if (held == members) repeated += group + " ";
            held = members;
            continue;
        }
        // A flight sent before comes with only its members that changed.
        const bool flights = group == "cmdPacket" || group == "cmdACK";
        for (const auto& [name, value] : members.items()) {
            nlohmann::json& element = held.is_array() ? held.at(std::stoul(name)) : held.at(name);
            bool same = element == value;
            if (flights) {
                same = true;
                for (const auto& [member, now] : value.items())
                    same = same && element.at(member) == now;
                element.update(value);
            } else {
                element = value;
            }
            if (same) repeated += group + "." + name + " ";
        }
    }
    return repeated;
}

} // namespace

// The page is sent everything once, then only what a tick or an action
// changed: a change left out would leave the page showing a stale state.
TEST(WindowChanges, EverythingOnceThenOnlyWhatChanged)
{
    web::WebSession session("?run=1");
    const std::string first = session.changesJson();
    EXPECT_NE(first.find("\"lblSequences_1\""), std::string::npos);
    EXPECT_NE(first.find("\"cmdPacket\":{\"0\":"), std::string::npos) << "arrays come keyed by index";
    EXPECT_EQ(session.changesJson(), "{}");

    session.tick(); // the first packet leaves: its button shows, the tick count moves
    const std::string afterTick = session.changesJson();
    EXPECT_NE(afterTick.find("\"cmdPacket\":{\"0\":{"), std::string::npos) << afterTick;
    EXPECT_NE(afterTick.find("\"run\":{\"tick\":1"), std::string::npos) << afterTick;
    EXPECT_EQ(afterTick.find("lblSequences"), std::string::npos) << afterTick;
    EXPECT_EQ(afterTick.find("cmdPacket\":{\"1\""), std::string::npos) << "slot 1 is still free";

    session.tick(); // the packet travels on: its top alone is sent again, not its caption
    const nlohmann::json travelled = nlohmann::json::parse(session.changesJson()).at("cmdPacket").at("0");
    EXPECT_EQ(travelled.size(), 1u) << travelled;
    EXPECT_TRUE(travelled.contains("top")) << travelled;

    session.apply(3, 0, 0); // a click holds packet 0
    EXPECT_NE(session.changesJson().find("\"held\":true"), std::string::npos);
    EXPECT_NE(session.windowJson().find("\"held\":true"), std::string::npos);
}

// The page's Go to Tick lands on the state stepping there gives, forward
// from a paused run and back to a tick reached, under random losses.
TEST(WindowChanges, GoToTickLandsWhereSteppingLands)
{
    const std::string link = "?options=slowstart,avoidance,fastretransmit&loss=10&ackloss=5&seed=35&run=1";
    web::WebSession stepped(link);
    std::vector<std::string> digests;
    for (int i = 0; i < 400; ++i) {
        stepped.step();
        digests.push_back(stepped.digest());
    }
    web::WebSession jumped(link);
    EXPECT_EQ(jumped.goToTick(400), 400);
    EXPECT_EQ(jumped.digest(), digests[399]);
    EXPECT_FALSE(jumped.clockRuns());
    EXPECT_EQ(jumped.goToTick(123), 123);
    EXPECT_EQ(jumped.digest(), digests[122]);
    EXPECT_EQ(jumped.goToTick(321), 321);
    EXPECT_EQ(jumped.digest(), digests[320]);
}

// Through ticks, clicks on flights, an option, a slider, a step back and a
// rewind, the window the page builds from the first document and the change
// sets after it is the model's window, and no change set repeats what the
// page already shows.
TEST(WindowChanges, MergedChangesAreTheModelsWindow)
{
    web::WebSession session(
        "?options=slowstart,avoidance,fastretransmit&loss=10&ackloss=5&seed=11&tx=16&rx=16&run=1");
    nlohmann::json window = nlohmann::json::parse(session.windowJson());
    session.changesJson();
    for (int action = 1; action <= 700; ++action) {
        if (action % 41 == 0) session.use(action % 2 ? "cmdACK" : "cmdPacket", (action / 41) % 4, 0);
        if (action == 150) session.use("chkDelayedACK", 0, 0);
        if (action == 260) session.use("HScroll1", 0, 3);
        if (action == 400) session.stepBack();
        if (action == 500) session.rewindTo(120);
        if (action == 520) session.use("cmdPause", 0, 0);
        if (!session.takeMessage().empty()) session.messageClosed();
        session.tick();
        const std::string changes = session.changesJson();
        EXPECT_EQ(mergeChanges(window, nlohmann::json::parse(changes)), "")
            << "action " << action << ": " << changes;
        ASSERT_EQ(window, nlohmann::json::parse(session.windowJson()))
            << "action " << action << ": " << changes;
    }
    EXPECT_GT(window.at("run").at("tick").get<int>(), 300);
}

// The one call the page makes after a tick: the same changes, clock and
// message as the calls apart, the practice panel only when it changed, and
// a message handed over once.
TEST(WindowChanges, FrameCarriesWhatTheCallsApartWould)
{
    web::WebSession session("?run=1");
    nlohmann::json frame = nlohmann::json::parse(session.frameJson());
    EXPECT_TRUE(frame.at("changes").at("labels").contains("lblTxInfo")) << "the first frame has everything";
    EXPECT_TRUE(frame.at("changes").at("cmdPacket").contains("0"));
    EXPECT_FALSE(frame.at("practice").at("on").get<bool>());
    EXPECT_EQ(frame.at("clockRuns").get<bool>(), session.clockRuns());
    EXPECT_EQ(frame.at("clockInterval").get<int>(), session.clockInterval());

    session.tick();
    frame = nlohmann::json::parse(session.frameJson());
    EXPECT_TRUE(frame.at("practice").is_null()) << "the panel did not change";
    EXPECT_EQ(frame.at("changes").at("run").at("tick").get<int>(), 1);
    session.setPractice(true);
    frame = nlohmann::json::parse(session.frameJson());
    EXPECT_TRUE(frame.at("practice").at("on").get<bool>());
    EXPECT_EQ(frame.at("changes"), nlohmann::json::object());

    // A run that has used every packet number stops with a box: the frame
    // hands it over once, and the clock stands until the box is closed.
    web::WebSession exhausted("?tx=16&rx=16&run=1");
    for (int tick = 0; tick < 400000 && exhausted.clockRuns(); ++tick)
        exhausted.tick();
    frame = nlohmann::json::parse(exhausted.frameJson());
    const std::string message = frame.at("message").get<std::string>();
    ASSERT_FALSE(message.empty());
    EXPECT_FALSE(frame.at("clockRuns").get<bool>());
    frame = nlohmann::json::parse(exhausted.frameJson());
    EXPECT_EQ(frame.at("message").get<std::string>(), "");
    EXPECT_FALSE(frame.at("clockRuns").get<bool>());
    exhausted.messageClosed();
    EXPECT_EQ(nlohmann::json::parse(exhausted.frameJson()).at("clockRuns").get<bool>(),
              exhausted.clockRuns());
}
