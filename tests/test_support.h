// Shared helpers for the engine tests: a started form that records message
// boxes, a clock that ticks only while the run-control buttons let it, and a
// few ways to set up or find things on the strips and in flight.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/colours.h"
#include "core/form.h"
#include "core/numbers.h"

namespace support {

// " 5" for 5: the way numbers are joined into commentary texts and captions.
inline std::string n(long value) { return numbers::signedText(value); }

inline int visibleSlotWithTag(const std::array<FlightButton, FlightSlots>& slots, std::string_view tag)
{
    for (int i = 0; i < FlightSlots; ++i)
        if (slots[i].Visible && slots[i].Tag == tag) return i;
    return -1;
}

inline int visibleCount(const std::array<FlightButton, FlightSlots>& slots)
{
    return static_cast<int>(
        std::count_if(slots.begin(), slots.end(), [](const auto& s) { return s.Visible; }));
}

inline bool hasMessage(const std::array<MessageLine, MessageSlots>& store, std::string_view text)
{
    return std::any_of(store.begin(), store.end(), [&](const MessageLine& m) { return m.Text == text; });
}

inline int queued(const Form1& form, std::int16_t packet)
{
    return static_cast<int>(std::count(form.SendQueue.begin(), form.SendQueue.end(), packet));
}

inline int captionNumber(const Label& cell) { return numbers::parseWhole(cell.Caption); }

// Packets first .. first + count - 1 sent once and timing, everything before
// them acknowledged. The strips are assumed to start at 0.
inline void putInFlight(Form1& form, std::int16_t first, std::int16_t count)
{
    form.TxBase = first;
    form.TxOutstanding = count;
    for (int p = 0; p < first; ++p) {
        form.lblTx[p].ForeColor = colours::TxAcknowledged;
        form.shpTimeOut[p] = TimeoutBar{0, "0"};
    }
    for (int p = first; p < first + count; ++p) {
        form.lblTx[p].ForeColor = colours::TxInFlight;
        form.shpTimeOut[p] = TimeoutBar{675, "1"};
    }
}

// The ACK value the receiver builds: sequence asked for, times the segment,
// plus the sequence number of the packet that caused it.
inline std::int32_t ack(int askedSeq, int arrivedSeq) { return askedSeq * 1000 + arrivedSeq; }

// A form after start-up, with message boxes recorded instead of shown.
class FormTest : public ::testing::Test {
protected:
    FormTest()
    {
        form.showMessageBox = [this](const std::string& text) { boxes.push_back(text); };
        form.Form_Load();
    }

    void start() { form.cmdReset_Click(); }

    // The clock fires only while it is enabled, as the window's timer does.
    void tick(int count = 1)
    {
        for (int i = 0; i < count && form.Timer1.Enabled; ++i)
            form.Timer1_Timer();
    }

    // A user's click on a check box: toggle it, then run its handler.
    void click(CheckBox& box) { form.clickCheckBox(box); }

    Form1 form;
    std::vector<std::string> boxes;
};

} // namespace support
