// A lesson's own questions, written by its teacher into the run file, asked
// by the same practice session as the ones it finds itself.
//
// A checkable question (a figure, the packets sent again, the packet asked
// for) is asked only when the run on screen still bears it out: a copy of
// the model is run on to the question's tick and read as the window would
// show it. A lesson whose run the student has changed thus never asks about
// a future that is no longer coming.
#pragma once

#include <optional>
#include <string>

#include "core/form.h"
#include "frontend/practice_detail.h"
#include "frontend/practice_questions.h"
#include "history/run_file.h"

namespace practice {

// What the window shows for `asks` once the tick from `before` to `after`
// has run, as a lesson writes its choice; empty for a Text question.
std::string shownAnswer(RunQuestion::Asks asks, const detail::Snapshot& before,
                        const detail::Snapshot& after);

// The same, `ticks` ticks on from `form` with the clock left to run (and no
// user action); nothing when the clock stops or a message box would stop it
// first. `form` is not changed.
// `network` is the run's network from here on, as for findQuestion.
std::optional<std::string> lookAheadAnswer(const Form1& form, RunQuestion::Asks asks, int ticks,
                                           const NetworkLookAhead& network = {});

// The question as the session asks it, `ticksAhead` ticks before its event.
Question lessonQuestion(const RunQuestion& question, int ticksAhead);

} // namespace practice
