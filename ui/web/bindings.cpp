// The page's view of the engine: WebSession and the reference digests,
// through embind. Strings cross as JSON documents; nothing else is decided
// on the JavaScript side.
#include <emscripten/bind.h>

#include "bench/busy_tick_timing.h"
#include "ui/web/web_session.h"

EMSCRIPTEN_BINDINGS(sliding_window)
{
    using web::WebSession;
    emscripten::class_<WebSession>("WebSession")
        .constructor<std::string>()
        .function("tick", &WebSession::tick)
        .function("apply", &WebSession::apply)
        .function("step", &WebSession::step)
        .function("stepBack", &WebSession::stepBack)
        .function("rewindTo", &WebSession::rewindTo)
        .function("setSpeed", &WebSession::setSpeed)
        .function("takeMessage", &WebSession::takeMessage)
        .function("messageClosed", &WebSession::messageClosed)
        .function("clockRuns", &WebSession::clockRuns)
        .function("clockInterval", &WebSession::clockInterval)
        .function("speedIndex", &WebSession::speedIndex)
        .function("ticks", &WebSession::ticks)
        .function("layoutJson", &WebSession::layoutJson)
        .function("windowJson", &WebSession::windowJson)
        .function("changesJson", &WebSession::changesJson)
        .function("viewOptionsJson", &WebSession::viewOptionsJson)
        .function("flightName", &WebSession::flightName)
        .function("samplesJson", &WebSession::samplesJson)
        .function("logJson", &WebSession::logJson)
        .function("linkQuery", &WebSession::linkQuery)
        .function("linkOutcomeJson", &WebSession::linkOutcomeJson)
        .function("openRunText", &WebSession::openRunText)
        .function("openLesson", &WebSession::openLesson)
        .function("fileSizeRefusal", &WebSession::fileSizeRefusal)
        .function("lessonsJson", &WebSession::lessonsJson)
        .function("savedRunJson", &WebSession::savedRunJson)
        .function("openedJson", &WebSession::openedJson)
        .function("setPractice", &WebSession::setPractice)
        .function("practiceJson", &WebSession::practiceJson)
        .function("answerPractice", &WebSession::answerPractice)
        .function("skipPractice", &WebSession::skipPractice)
        .function("setQuestionsPerMinute", &WebSession::setQuestionsPerMinute)
        .function("practiceSummary", &WebSession::practiceSummary)
        .function("protocolsJson", &WebSession::protocolsJson)
        .function("protocolInForce", &WebSession::protocolInForce)
        .function("applyProtocol", &WebSession::applyProtocol)
        .function("statusLine", &WebSession::statusLine)
        .function("linkPartsJson", &WebSession::linkPartsJson)
        .function("linkRefusal", &WebSession::linkRefusal)
        .function("qrRefusal", &WebSession::qrRefusal)
        .function("openLinkedRun", &WebSession::openLinkedRun)
        .function("damagedLinkSentence", &WebSession::damagedLinkSentence)
        .function("ladderViewJson", &WebSession::ladderViewJson)
        .function("ladderSvg", &WebSession::ladderSvg)
        .function("ladderPick", &WebSession::ladderPick)
        .function("ladderJson", &WebSession::ladderJson)
        .function("digest", &WebSession::digest);
    emscripten::function("randomEventDigests", &web::randomEventDigests);
    // For `make bench`: the busy tick of bench/scenarios.h, timed in WebAssembly.
    emscripten::function("busyTickNanoseconds", &bench::busyTickNanoseconds);
}
