// The diagram never loses a mark's words and never prints one text over
// another: over random runs of every protocol with random losses, drawn at
// random sizes and ranges, every timeout, fast retransmit, state change,
// drop and window note has its text or a symbol the key explains, and no
// two texts share a pixel.
#include <gtest/gtest.h>

#include <iostream>
#include <random>

#include "frontend/ladder_placement.h"
#include "frontend/protocol_presets.h"
#include "frontend/run_player.h"
#include "history/run_history.h"

namespace {

struct Totals {
    int marks = 0;
    int notes = 0;
    int atTick = 0;
    int moved = 0;
    int symbols = 0;
    int lines = 0;
    int unlabelled = 0;
    int cut = 0;
};

// Every mark or note of `role` numbered 0..count-1 has exactly one text or one symbol.
void expectEachHasTextOrSymbol(const ladder::Placement& placement, ladder::TextRole role, std::size_t count,
                               const std::string& where)
{
    std::vector<int> seen(count, 0);
    for (const ladder::PlacedText& text : placement.texts)
        if (text.role == role) ++seen.at(static_cast<std::size_t>(text.source));
    for (const ladder::PlacedSymbol& symbol : placement.symbols)
        if (symbol.role == role) ++seen.at(static_cast<std::size_t>(symbol.source));
    for (std::size_t i = 0; i < count; ++i)
        EXPECT_EQ(seen[i], 1) << where << ": item " << i << " of role " << static_cast<int>(role);
}

} // namespace

TEST(LadderPlacement, EveryMarkHasItsTextOrAKeyedSymbolAndNoTwoTextsOverlap)
{
    std::mt19937 random(35);
    const auto presets = presets::protocolPresets();
    Totals totals;
    for (int run = 0; run < 40; ++run) {
        Form1 form;
        form.Form_Load();
        RunHistory history(form);
        const presets::ProtocolPreset& preset = presets[random() % presets.size()];
        for (const UserEvent& event : presets::presetEvents(form, preset))
            history.apply(form, event);
        history.apply(form, {EventKind::StartReset, 0, 0});
        LossSettings losses;
        losses.packetPercent = 3 + static_cast<int>(random() % 15);
        losses.ackPercent = static_cast<int>(random() % 8);
        losses.seed = random();
        history.setLosses(losses);
        run_player::play(form, history, 2000);

        const std::int32_t from = static_cast<std::int32_t>(random() % 1200);
        const std::int32_t to = from + 100 + static_cast<std::int32_t>(random() % 700);
        const ladder::Description d = ladder::describe(history.ladder(), history.trace(), from, to);
        ladder::Layout layout;
        layout.width = 360 + random() % 900;
        layout.pixelsPerTick = 0.5 + (random() % 6) * 0.5;
        layout.scale = run % 3 == 0 ? 1.5 : 1;
        const ladder::Placement placement =
            ladder::place(d, layout, ladder::palette(run % 2 == 1), run % 4 == 0);
        const std::string where = std::string(preset.name) + " run " + std::to_string(run) + " ticks " +
                                  std::to_string(from) + "-" + std::to_string(to);

        std::vector<int> seenMarks(d.marks.size(), 0);
        for (const ladder::PlacedText& text : placement.texts)
            if (text.role == ladder::TextRole::SenderMark || text.role == ladder::TextRole::ReceiverMark)
                ++seenMarks.at(static_cast<std::size_t>(text.source));
        for (const ladder::PlacedSymbol& symbol : placement.symbols)
            if (symbol.role == ladder::TextRole::SenderMark || symbol.role == ladder::TextRole::ReceiverMark)
                ++seenMarks.at(static_cast<std::size_t>(symbol.source));
        for (std::size_t i = 0; i < d.marks.size(); ++i)
            EXPECT_EQ(seenMarks[i], 1) << where << ": mark " << i << " \"" << d.marks[i].text << "\"";
        expectEachHasTextOrSymbol(placement, ladder::TextRole::WindowNote, d.windows.size(), where);

        // No two texts overlap, and every text lies within the drawing.
        const double width = layout.width * layout.scale;
        for (std::size_t i = 0; i < placement.texts.size(); ++i) {
            const ladder::Box& a = placement.texts[i].box;
            EXPECT_GE(a.left, 0) << where << " \"" << placement.texts[i].text << "\"";
            EXPECT_LE(a.right, width) << where << " \"" << placement.texts[i].text << "\"";
            EXPECT_LE(a.bottom, placement.height) << where << " \"" << placement.texts[i].text << "\"";
            for (std::size_t j = i + 1; j < placement.texts.size(); ++j)
                EXPECT_FALSE(a.overlaps(placement.texts[j].box))
                    << where << ": \"" << placement.texts[i].text << "\" over \"" << placement.texts[j].text
                    << "\"";
        }
        // Every symbol that stands for a mark is in the key, with the words it stands for.
        for (const ladder::PlacedSymbol& symbol : placement.symbols) {
            if (symbol.cross || symbol.role == ladder::TextRole::Key) continue;
            const bool keyed =
                std::any_of(placement.key.begin(), placement.key.end(),
                            [&](const ladder::KeyEntry& entry) { return entry.shape == symbol.shape; });
            EXPECT_TRUE(keyed) << where;
        }
        // A moved text points back at its mark.
        for (const ladder::PlacedText& text : placement.texts)
            if (text.leader) {
                EXPECT_NE(text.leaderY1, text.leaderY2) << where << " \"" << text.text << "\"";
            }

        totals.marks += static_cast<int>(d.marks.size());
        totals.notes += static_cast<int>(d.windows.size());
        totals.atTick += placement.placedAtTick;
        totals.moved += placement.moved;
        totals.symbols += placement.symbolised;
        totals.lines += static_cast<int>(d.lines.size());
        totals.unlabelled += placement.unlabelledLines;
        totals.cut += placement.unlabelledCutLines;
        EXPECT_EQ(placement.placedAtTick + placement.moved + placement.symbolised,
                  static_cast<int>(d.marks.size() + d.windows.size()))
            << where;
    }
    std::cout << "Over 40 random runs: " << totals.marks << " marks and " << totals.notes << " window notes; "
              << totals.atTick << " texts at their tick, " << totals.moved << " moved with a leader, "
              << totals.symbols << " symbols; " << totals.lines << " lines, " << totals.unlabelled
              << " drawn whole without a label, " << totals.cut
              << " cut short by the range's edges without one\n";
    EXPECT_GT(totals.marks, 100);
}
