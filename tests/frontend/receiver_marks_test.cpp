// The receiver's strip is its whole record of what it holds, so a mark must
// mean a packet arrived, and a packet its window holds must be marked: under
// every protocol preset, every receive window and every sequence space, with
// packets and ACKs lost along the way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/events.h"
#include "frontend/protocol_presets.h"
#include "history/run_history.h"
#include "receiver/receive_window.h"
#include "core/random_events.h"

namespace {

bool marked(Colour colour) { return colour == colours::RxReceived || colour == colours::RxAliased; }

// What the receiver holds before a tick, and the packets the tick delivers.
struct ReceiverBefore {
    int origin = 0;
    int rxNext = 0;
    double lastTaken = 0; // the last packet number the receiver may take in
    int modulus = 1;
    std::array<Colour, geometry::CellCount> marks{};
    std::vector<int> arriving;

    explicit ReceiverBefore(const Form1& form)
        : origin(form.rxOrigin()), rxNext(form.RxNext), modulus(form.SeqModulus)
    {
        const double windowLast = static_cast<double>(form.RxWindowBytes) / form.SegmentBytes + rxNext - 1;
        lastTaken = form.UseInOrderReceiver ? rxNext : windowLast;
        for (int cell = 0; cell < geometry::CellCount; ++cell)
            marks[cell] = form.lblRx[cell].ForeColor;
        for (const FlightButton& packet : form.cmdPacket) {
            if (packet.Visible && packet.TravelMarker == colours::Travelling &&
                packet.Top + geometry::FlightStep > geometry::PacketArrivalTop)
                arriving.push_back(std::stoi(packet.Tag) / form.SegmentBytes);
        }
    }
    bool wasMarked(int packet) const
    {
        const int cell = packet - origin;
        return Form1::onStrip(cell) && marked(marks[cell]);
    }
};

// Empty when the tick kept faith with what arrived; otherwise what went wrong.
std::string checkTick(const ReceiverBefore& before, const Form1& after)
{
    for (int cell = 0; cell < geometry::CellCount; ++cell) {
        const int packet = after.rxOrigin() + cell;
        if (!marked(after.lblRx[cell].ForeColor) || before.wasMarked(packet)) continue;
        bool explained = false;
        for (const int arrived : before.arriving)
            explained = explained || arrived % before.modulus == packet % before.modulus;
        if (!explained)
            return "packet " + std::to_string(packet) +
                   " marked received but nothing of its sequence number arrived";
    }
    // Packets leave ten ticks apart, so a tick delivers one at most.
    if (before.arriving.size() == 1) {
        const int arrived = before.arriving.front();
        const int taken =
            receiver::takingPacketInWindow(arrived, before.rxNext, before.lastTaken, before.modulus);
        const int cell = taken - after.rxOrigin();
        const bool kept =
            taken < after.RxNext || (Form1::onStrip(cell) && marked(after.lblRx[cell].ForeColor));
        if (taken >= 0 && !kept)
            return "packet " + std::to_string(arrived) + " arrived inside the window and was not kept";
    }
    return {};
}

TEST(ReceiverMarks, EveryMarkHadAnArrivalAndNoArrivalInsideTheWindowIsLostUnderEveryPreset)
{
    reliability::Random random(36);
    int presetIndex = 0;
    for (const presets::ProtocolPreset& preset : presets::protocolPresets()) {
        for (int run = 0; run < 32; ++run) {
            Form1 form;
            form.showMessageBox = [](const std::string&) {};
            form.Form_Load();
            RunHistory history(form);
            for (const UserEvent& event : presets::presetEvents(form, preset))
                history.apply(form, event);
            // Half the runs keep the preset's windows; the others take every
            // receive window in turn, and between the presets every sequence space.
            const auto move = [&](SliderId id, int position) {
                history.apply(form, {EventKind::MoveSlider, static_cast<std::int16_t>(id),
                                     static_cast<std::int16_t>(position)});
            };
            if (run % 2 == 1) {
                move(SliderId::RxWindow, 1 + run / 2);
                move(SliderId::Sequences, 1 + (run / 2 * 2 + presetIndex * 5) % 32);
            }
            if (random.oneIn(2))
                history.apply(form,
                              {EventKind::ClickCheckBox, static_cast<std::int16_t>(OptionBox::Slide), 0});
            history.apply(form, {EventKind::StartReset, 0, 0});
            // The preset's own runs lose 5 % of the packets, as a class would
            // try it first; the others lose packets and ACKs at other rates.
            LossSettings losses;
            losses.packetPercent = run % 2 == 0 ? 5 : 3 + random.below(6);
            losses.ackPercent = run % 2 == 1 && random.oneIn(2) ? 5 : 0;
            losses.seed = static_cast<std::uint32_t>(run / 2 + 1);
            history.setLosses(losses);
            while (history.ticks() < 3000 && form.Timer1.Enabled) {
                const ReceiverBefore before(form);
                history.tick(form);
                const std::string fault = checkTick(before, form);
                ASSERT_EQ(fault, "") << preset.name << ", run " << run << ", tick " << history.ticks()
                                     << ", receive window " << form.RxWindowBytes / 1000
                                     << ", sequence space " << form.SeqModulus;
            }
        }
        ++presetIndex;
    }
}

// The Reno-like run that once walked its in-order edge over packets that had
// not arrived, some never sent: every packet it delivers in order arrived.
TEST(ReceiverMarks, TheRenoRunWithPacket30LostDeliversOnlyWhatArrived)
{
    Form1 form;
    form.Form_Load();
    RunHistory history(form);
    for (const UserEvent& event : presets::presetEvents(form, *presets::findPreset("reno")))
        history.apply(form, event);
    history.apply(form, {EventKind::StartReset, 0, 0});
    LossSettings losses;
    losses.planned = {{PlannedLoss::What::Packet, 30, 1}};
    history.setLosses(losses);
    std::vector<bool> arrived;
    while (history.ticks() < 1100) {
        for (const int packet : ReceiverBefore(form).arriving) {
            if (packet >= static_cast<int>(arrived.size())) arrived.resize(packet + 1);
            arrived[packet] = true;
        }
        history.tick(form);
        for (int packet = 0; packet < form.RxNext; ++packet)
            ASSERT_TRUE(packet < static_cast<int>(arrived.size()) && arrived[packet])
                << "packet " << packet << " delivered by tick " << history.ticks() << " without arriving";
    }
    EXPECT_GT(form.RxNext, 31) << "the loss of packet 30 was made good";
}

} // namespace
