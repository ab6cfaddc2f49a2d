// A comparison: two or three configurations of the demonstration (protocol
// presets, or any settings) run from one clock, tick for tick, with the same
// losses, so that a class sees each protocol pay for the same lost packets.
//
// Each configuration is a model and its RunHistory of its own; the
// comparison only drives them together. Start, Pause, Cont, Step, Step back
// and rewinds act on all; a click on a packet or ACK, a box or a slider acts
// on the configuration it was made in. A packet or ACK lost by a click in
// one configuration is added to the shared plan, so that the same trip (the
// same number, the same transmission) is lost in the others too: at once if
// it is past the middle of the network there, or when it crosses it.
//
// The configurations share one run's memory budget (RunHistory), so that a
// long comparison costs no more than a long run.
//
// It saves as one run file (the first configuration's run with the others
// `alongside`) and opens again exactly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/events.h"
#include "core/form.h"
#include "history/losses.h"
#include "history/run_figures.h"
#include "history/run_file.h"
#include "history/run_history.h"

class Comparison {
public:
    static constexpr std::size_t FewestConfigurations = 2;
    static constexpr std::size_t MostConfigurations = 3;

    struct Configuration {
        std::string label; // "Go-back-N (textbook)"
        RunSettings settings;
    };
    // The configuration of a protocol preset by its name ("go-back-n"), or
    // an empty label for an unknown name.
    static Configuration presetConfiguration(std::string_view presetName);
    // The configuration a model shows now, under `label`.
    static Configuration configurationOf(const Form1& form, std::string label);
    // "stop-and-wait,go-back-n,selective-repeat" into configurations; an empty
    // vector, and `error` set to one sentence, for an unknown name or a count
    // outside 2..3.
    static std::vector<Configuration> readPresetList(std::string_view names, std::string* error = nullptr);

    // Each configuration starts from a fresh start-up with its settings; the
    // count must lie in 2..3 (more are dropped, a single one is run alone).
    Comparison(const std::vector<Configuration>& configurations, const LossSettings& losses);
    // Opens a saved comparison (a run script with runs alongside) or a single run.
    explicit Comparison(const RunScript& script);

    std::size_t size() const { return entries_.size(); }
    const std::string& label(std::size_t index) const { return entries_[index]->label; }
    Form1& form(std::size_t index) { return entries_[index]->form; }
    const Form1& form(std::size_t index) const { return entries_[index]->form; }
    RunHistory& history(std::size_t index) { return entries_[index]->history; }
    const RunHistory& history(std::size_t index) const { return entries_[index]->history; }

    // One firing of the shared clock: every configuration whose clock is on ticks.
    void tick();
    // A single step of all of them (RunHistory::step on each).
    void step();
    // Back one tick, or to `tick`, on all; false when a run cannot go there.
    bool stepBack();
    bool rewindTo(std::int32_t tick, RunHistory::Landing landing = RunHistory::Landing::Paused);
    // A user's action in configuration `index`. Start, Pause and Cont act on
    // all of them; a click that loses a packet or ACK there plans the same
    // loss for all.
    void apply(std::size_t index, const UserEvent& event);
    // The same action in every configuration.
    void applyToAll(const UserEvent& event);

    // The first configuration's ticks: all move together.
    std::int32_t ticks() const { return history(0).ticks(); }
    bool running() const;
    const LossSettings& losses() const { return losses_; }
    void setLosses(const LossSettings& losses);

    std::vector<RunFigures> figures() const;
    std::vector<std::string> labels() const;
    // The whole comparison as one run script, saved as one file.
    RunHistory::SavedRun script() const;

private:
    struct Entry {
        Entry(std::string label, const RunScript& script, std::size_t budgetBytes);
        std::string label;
        Form1 form;
        RunHistory history;
    };
    void loseNowIfPast(Entry& entry, const PlannedLoss& loss);

    std::vector<std::unique_ptr<Entry>> entries_;
    LossSettings losses_;
};
