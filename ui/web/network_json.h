// The network's losses and a run's figures as the page reads them: the same
// settings, sentences and table cells as the desktop, as JSON documents.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "history/losses.h"
#include "history/run_figures.h"

namespace web {

// {"packetPercent", "ackPercent", "seed", "maxPercent", "maxPlanned",
//  "planned": [{"ack", "number", "transmission", "text"}], "summary", "any"}.
std::string lossesJson(const LossSettings& losses);
// The rates and seed as a form gives them, held within what a run may be given.
LossSettings withRates(LossSettings losses, int packetPercent, int ackPercent, double seed);
// The planned loss added (false when it is there already, the plan is full
// or the numbers cannot name a trip) or the one at `index` taken out.
bool addPlanned(LossSettings& losses, bool ack, int number, int transmission);
void removePlanned(LossSettings& losses, int index);

// {"tick", "rows": [titles], "labels": [...], "cells": [[one per label] per row],
//  "values": [{"delivered", "retransmissions", "timeouts", "drops", "goodput", "recentGoodput"}]}.
std::string figuresJson(std::int32_t tick, const std::vector<std::string>& labels,
                        const std::vector<RunFigures>& figures);

} // namespace web
