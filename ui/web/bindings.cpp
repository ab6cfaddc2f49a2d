// The page's view of the engine: WebSession and the page's own facts,
// through embind. Strings cross as JSON documents, a packet capture as bytes;
// nothing else is decided on the JavaScript side.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <optional>
#include <string>

#include "frontend/view_texts.h"
#include "ui/web/page_facts.h"
#include "ui/web/page_language.h"
#include "ui/web/web_comparison.h"
#include "ui/web/web_session.h"

namespace {

// Bytes cross as a Uint8Array of their own: a std::string would be read as UTF-8 text.
emscripten::val payloadBytes(const web::WebSession& session, const std::string& payload)
{
    const std::optional<std::string> bytes = session.payloadBytes(payload);
    if (!bytes) return emscripten::val::null();
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->data());
    return emscripten::val::global("Uint8Array").new_(emscripten::typed_memory_view(bytes->size(), data));
}

} // namespace

EMSCRIPTEN_BINDINGS(sliding_window)
{
    using web::WebSession;
    emscripten::class_<WebSession>("WebSession")
        .constructor<std::string>()
        .function("tick", &WebSession::tick)
        .function("use", &WebSession::use)
        .function("step", &WebSession::step)
        .function("stepBack", &WebSession::stepBack)
        .function("rewindTo", &WebSession::rewindTo)
        .function("goToTick", &WebSession::goToTick)
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
        .function("frameJson", &WebSession::frameJson)
        .function("viewOptionsJson", &WebSession::viewOptionsJson)
        .function("flightName", &WebSession::flightName)
        .function("nextPickJson", &WebSession::nextPickJson)
        .function("samplesJson", &WebSession::samplesJson)
        .function("logJson", &WebSession::logJson)
        .function("linkQuery", &WebSession::linkQuery)
        .function("linkOutcomeJson", &WebSession::linkOutcomeJson)
        .function("linkLanguage", &WebSession::linkLanguage)
        .function("linkSimulationTexts", &WebSession::linkSimulationTexts)
        .function("openRunText", &WebSession::openRunText)
        .function("openLesson", &WebSession::openLesson)
        .function("followJson", &WebSession::followJson)
        .function("followJoin", &WebSession::followJoin)
        .function("followVote", &WebSession::followVote)
        .function("followTake", &WebSession::followTake)
        .function("followAdvance", &WebSession::followAdvance)
        .function("followOwed", &WebSession::followOwed)
        .function("followPredict", &WebSession::followPredict)
        .function("followAhead", &WebSession::followAhead)
        .function("followOwnCopy", &WebSession::followOwnCopy)
        .function("followDigests", &WebSession::followDigests)
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
        .function("runFragment", &WebSession::runFragment)
        .function("fragmentPayload", &WebSession::fragmentPayload)
        .function("payloadBytes", &payloadBytes)
        .function("linkRefusal", &WebSession::linkRefusal)
        .function("qrRefusal", &WebSession::qrRefusal)
        .function("openLinkedRun", &WebSession::openLinkedRun)
        .function("damagedLinkSentence", &WebSession::damagedLinkSentence)
        .function("linkInflateLimit", &WebSession::linkInflateLimit)
        .function("linkTooLargeSentence", &WebSession::linkTooLargeSentence)
        .function("beginReading", &WebSession::beginReading)
        .function("readStep", &WebSession::readStep)
        .function("openRead", &WebSession::openRead)
        .function("ladderViewJson", &WebSession::ladderViewJson)
        .function("ladderSvg", &WebSession::ladderSvg)
        .function("ladderPick", &WebSession::ladderPick)
        .function("ladderJson", &WebSession::ladderJson)
        .function("pictureSvg", &WebSession::pictureSvg)
        .function("figuresCsv", &WebSession::figuresCsv)
        .function("pictureFileName", &WebSession::pictureFileName)
        // The capture's bytes cross as a Uint8Array of their own: a string would be read as UTF-8.
        .function(
            "captureFile", emscripten::optional_override([](const WebSession& session, bool atReceiver) {
                const std::string bytes = session.captureBytes(atReceiver);
                return emscripten::val(emscripten::typed_memory_view(
                                           bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data())))
                    .call<emscripten::val>("slice");
            }))
        .function("captureFileName", &WebSession::captureFileName)
        .function("lossesJson", &WebSession::lossesJson)
        .function("setLossRates", &WebSession::setLossRates)
        .function("addPlannedLoss", &WebSession::addPlannedLoss)
        .function("removePlannedLoss", &WebSession::removePlannedLoss)
        .function("figuresJson", &WebSession::figuresJson)
        .function("comparisonWaiting", &WebSession::comparisonWaiting)
        .function("digest", &WebSession::digest);
    using web::WebComparison;
    emscripten::class_<WebComparison>("WebComparison")
        .constructor<WebSession&, std::string>()
        .function("error", &WebComparison::error)
        .function("size", &WebComparison::size)
        .function("label", &WebComparison::label)
        .function("tick", &WebComparison::tick)
        .function("use", &WebComparison::use)
        .function("step", &WebComparison::step)
        .function("stepBack", &WebComparison::stepBack)
        .function("rewindTo", &WebComparison::rewindTo)
        .function("setSpeed", &WebComparison::setSpeed)
        .function("speedIndex", &WebComparison::speedIndex)
        .function("ticks", &WebComparison::ticks)
        .function("clockRuns", &WebComparison::clockRuns)
        .function("clockInterval", &WebComparison::clockInterval)
        .function("takeMessage", &WebComparison::takeMessage)
        .function("messageClosed", &WebComparison::messageClosed)
        .function("windowJson", &WebComparison::windowJson)
        .function("changesJson", &WebComparison::changesJson)
        .function("flightName", &WebComparison::flightName)
        .function("nextPickJson", &WebComparison::nextPickJson)
        .function("samplesJson", &WebComparison::samplesJson)
        .function("figuresJson", &WebComparison::figuresJson)
        .function("statusLine", &WebComparison::statusLine)
        .function("lossesJson", &WebComparison::lossesJson)
        .function("setLossRates", &WebComparison::setLossRates)
        .function("addPlannedLoss", &WebComparison::addPlannedLoss)
        .function("removePlannedLoss", &WebComparison::removePlannedLoss)
        .function("linkQuery", &WebComparison::linkQuery)
        .function("savedRunJson", &WebComparison::savedRunJson)
        .function("pictureSvg", &WebComparison::pictureSvg)
        .function("figuresCsv", &WebComparison::figuresCsv)
        .function("pictureFileName", &WebComparison::pictureFileName)
        .function("ladderViewJson", &WebComparison::ladderViewJson)
        .function("ladderSvg", &WebComparison::ladderSvg)
        .function("ladderPick", &WebComparison::ladderPick)
        .function("digest", &WebComparison::digest);
    emscripten::function("pageFactsJson", &web::pageFactsJson);
    emscripten::class_<web::PageLanguage>("PageLanguage")
        .constructor<>()
        .function("add", &web::PageLanguage::add)
        .function("finish", &web::PageLanguage::finish)
        .function("usePseudo", &web::PageLanguage::usePseudo)
        .function("text", &web::PageLanguage::text)
        .function("setSimulationTexts", &web::PageLanguage::setSimulationTexts)
        .function("language", &web::PageLanguage::language)
        .function("rightToLeft", &web::PageLanguage::rightToLeft);
    emscripten::function("languagesJson", &web::languagesJson);
    emscripten::function("chooseLanguage", &web::chooseLanguage);
    emscripten::function("shortFlightCaption",
                         emscripten::optional_override([](bool ack, const std::string& caption) {
                             return view_texts::shortFlightCaption(ack, caption);
                         }));
}
