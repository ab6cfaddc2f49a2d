// A run as comma-separated values (RFC 4180), for spreadsheets and plots.
//
// A header row, then one row per tick from 0 (start-up): the figures as the
// tick left them, its markers, and what was logged in it and in the user
// events that followed it before the next tick, in three columns (sender,
// receiver, user) whose entries are separated by line breaks inside the
// quoted field. Windows and the threshold are in packets, written as the
// shortest decimal that reads back exactly (4, 2.5, 5.333). Records end with
// CR LF.
//
// Given the run's trips as well, each row goes on with the run's figures as
// they stand after that tick and its events (history/run_figures.h):
// delivered, retransmissions, timeouts, drops, goodput and recent_goodput,
// goodput with one decimal as the comparison table shows it. The last row's
// are the run's figures.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "history/export_text.h"
#include "history/run_trace.h"

// A text field as written (history/export_text.h): spreadsheet-safe, then
// quoted, with inner quotes doubled, when it holds a comma, a quote, a CR or
// an LF.
inline std::string csvField(std::string_view text) { return exporttext::csvText(text); }

class LadderTrace;

void writeRunCsv(std::ostream& out, const RunTrace& trace);
void writeRunCsv(std::ostream& out, const RunTrace& trace, const LadderTrace& ladder);
