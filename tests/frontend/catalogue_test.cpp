// Showing English texts in another language: whole texts, texts filled from
// patterns, the simulation's own texts only when asked, the language a
// reader gets, and the pseudo language the layout tests use.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/form.h"
#include "core/random_events.h"
#include "frontend/catalogue.h"
#include "frontend/languages.h"
#include "frontend/simulation_texts.h"
#include "history/translatable.h"

namespace {

using texts::Catalogue;
using Simulation = texts::Catalogue::Simulation;

Catalogue german()
{
    const std::optional<Catalogue> catalogue = Catalogue::fromJson(R"({"language": "de",
        "texts": {"Run %1": "Lauf %1", "Run %1, options kept at Reset": "Lauf %1, Optionen beim Zurücksetzen behalten",
                  "%1 on": "%1 an", "Ticks %1 to %2 dropped": "Takte %2 bis %1 verworfen",
                  "Losses: %1": "Verluste: %1", "%1 % of packets": "%1 % der Pakete",
                  "Legend": "Legende", "Answer: %1.": "Antwort: %1.", "Right.": "Richtig.",
                  "packet %1": "Paket %1", "A plan holds at most %1 losses.": "Ein Plan fasst höchstens %1 Verluste.",
                  "Ignored %1 (%2).": "%1 übergangen (%2)."},
        "simulation": {"Slow Start": "Langsamer Start",
                       "Retransmitting packet %1": "Paket %1 wird erneut gesendet"}})");
    EXPECT_TRUE(catalogue.has_value());
    return *catalogue;
}

TEST(CatalogueTest, FindsTheTextOrThePatternItWasFilledFromAndKeepsWhatItDoesNotKnow)
{
    const Catalogue de = german();
    EXPECT_EQ(de.text("Legend"), "Legende");
    // The most specific pattern wins over one that would swallow the rest.
    EXPECT_EQ(de.text(texts::fill("Run %1, options kept at Reset", 3)),
              "Lauf 3, Optionen beim Zurücksetzen behalten");
    EXPECT_EQ(de.text("Run 12"), "Lauf 12");
    // Values in the translation's own order; a value that is a text is translated too.
    EXPECT_EQ(de.text("Ticks 5 to 90 dropped"), "Takte 90 bis 5 verworfen");
    EXPECT_EQ(de.text("Losses: 5 % of packets"), "Verluste: 5 % der Pakete");
    // A paragraph the catalogue does not know whole: line by line, indents
    // kept, and sentence by sentence.
    EXPECT_EQ(de.text("Legend\n   Answer: packet 5. Right."), "Legende\n   Antwort: Paket 5. Richtig.");
    // A sentence quoted without its full stop.
    EXPECT_EQ(de.text("Ignored lose (A plan holds at most 20 losses)."),
              "lose übergangen (Ein Plan fasst höchstens 20 Verluste).");
    // Unknown, or matching no pattern's literal text: English, as it was.
    EXPECT_EQ(de.text("Tick 412"), "Tick 412");
    EXPECT_EQ(de.text("Run"), "Run");
    EXPECT_EQ(de.text(""), "");

    // The simulation's texts only when the reader asks for them.
    EXPECT_EQ(de.text("Slow Start on"), "Slow Start an");
    EXPECT_EQ(de.text("Slow Start on", Simulation::Translated), "Langsamer Start an");
    EXPECT_EQ(de.simulationText("Retransmitting packet 7", Simulation::AsWritten), "Retransmitting packet 7");
    EXPECT_EQ(de.simulationText("Retransmitting packet 7", Simulation::Translated),
              "Paket 7 wird erneut gesendet");
    EXPECT_EQ(de.simulationText("Legend", Simulation::Translated), "Legend");

    EXPECT_TRUE(Catalogue().isEnglish());
    EXPECT_EQ(Catalogue().text("Run 3"), "Run 3");
    EXPECT_FALSE(Catalogue::fromJson("{\"language\": \"de\"}").has_value());
    EXPECT_FALSE(Catalogue::fromJson("not json").has_value());
}

TEST(CatalogueTest, IsolatesEveryValueInARightToLeftLanguage)
{
    const std::optional<Catalogue> ar =
        Catalogue::fromJson(R"({"language": "ar", "texts": {"Run %1": "التشغيل %1"}, "simulation": {}})");
    ASSERT_TRUE(ar.has_value());
    EXPECT_TRUE(ar->rightToLeft());
    EXPECT_EQ(ar->text("Run 12"), "التشغيل \u206812\u2069");
    EXPECT_FALSE(german().rightToLeft());
}

TEST(CatalogueTest, ReaderGetsTheFirstLanguageTheProgramSpeaksElseEnglish)
{
    EXPECT_EQ(languages::shipped("de-AT"), "de");
    EXPECT_EQ(languages::shipped("de_DE.UTF-8"), "de");
    EXPECT_EQ(languages::shipped("ZH-hant-TW"), "zh-CN");
    EXPECT_EQ(languages::shipped("pt-PT"), "pt-BR");
    EXPECT_EQ(languages::shipped("ar-EG"), "ar");
    EXPECT_EQ(languages::shipped("x-pseudo"), languages::Pseudo);
    for (const char* unusable : {"C", "POSIX", "", "*", "ja", "e", "1234", "de!"})
        EXPECT_FALSE(languages::shipped(unusable).has_value()) << unusable;
    EXPECT_EQ(languages::choose({"C", "ja-JP", "es-MX", "de"}), "es");
    EXPECT_EQ(languages::choose({"ja", "x-pseudo"}), "en");
    EXPECT_EQ(languages::choose({}), "en");
    EXPECT_TRUE(languages::rightToLeft("ar"));
    EXPECT_FALSE(languages::rightToLeft("de"));
}

TEST(CatalogueTest, PseudoLanguageIsLongerAndKeepsPlaceholdersMnemonicsAndMarkup)
{
    const std::string pseudo = texts::pseudoText("&Open %1 <b>now</b> &amp; then");
    EXPECT_EQ(pseudo.front(), '[');
    EXPECT_EQ(pseudo.back(), ']');
    EXPECT_NE(pseudo.find("%1"), std::string::npos);
    EXPECT_NE(pseudo.find("<b>"), std::string::npos);
    EXPECT_NE(pseudo.find("&amp;"), std::string::npos);
    EXPECT_EQ(pseudo.find("Open"), std::string::npos);
    EXPECT_EQ(pseudo.rfind("&", 0), std::string::npos); // the bracket first, then the mnemonic
    EXPECT_EQ(pseudo.substr(1, 1), "&");
    // Letters are two bytes each once accented: compare characters.
    const auto characters = [](const std::string& text) {
        return std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    };
    const std::string english = "Receiver keeps only in-order packets";
    EXPECT_GE(characters(texts::pseudoText(english)), characters(english) * 14 / 10);
    EXPECT_EQ(Catalogue::pseudo().simulationText("Start", Simulation::AsWritten), "Start");
}

// Every caption, figure name and line the model shows in a long random run
// is a text or pattern of the simulation's table: the option that translates
// them can never leave one of them in English.
TEST(CatalogueTest, SimulationTableKnowsEveryTextTheModelShows)
{
    std::string json = R"({"language": "xx", "texts": {}, "simulation": {)";
    bool first = true;
    for (const std::string_view english : simulation_texts::all()) {
        json += (first ? "\"" : ",\"") + std::string(english) + "\":\"<" + std::string(english) + ">\"";
        first = false;
    }
    json += "}}";
    const std::optional<Catalogue> marked = Catalogue::fromJson(json);
    ASSERT_TRUE(marked.has_value());

    Form1 form;
    std::vector<std::string> boxes;
    form.showMessageBox = [&boxes](const std::string& text) { boxes.push_back(text); };
    form.Form_Load();
    reliability::RandomEvents events(7);
    const auto check = [&marked](const std::string& text, const char* what) {
        if (text.empty() || text.find_first_not_of(" -.0123456789") == std::string::npos) return;
        EXPECT_EQ(marked->simulationText(text, Simulation::Translated).front(), '<') << what << ": " << text;
    };
    for (int i = 0; i < 30000; ++i) {
        applyEvent(form, events.next(form));
        if (i % 7 != 0) continue;
        check(form.lblTxInfo.Caption, "sender line");
        check(form.lblRxInfo.Caption, "receiver line");
        check(form.lblState.Caption, "state");
        check(form.cmdReset.Caption, "run button");
        check(form.cmdPause.Caption, "pause button");
        for (const auto& button : form.cmdPacket)
            if (button.Visible) check(button.Caption, "packet");
        for (const auto& button : form.cmdACK)
            if (button.Visible) check(button.Caption, "ACK");
    }
    for (const auto* label :
         {&form.lblTxWindow[0], &form.lblTxWindow[2], &form.lblTxWindow[4], &form.lblTxWindow[5],
          &form.lblRxWindow[0], &form.lblTimeOut[0], &form.lblSequences[0]})
        check(label->Caption, "figure name");
    for (const auto* box : {&form.chkSlowStart, &form.chkAvoidance, &form.chkFastRetransmit,
                            &form.chkSelective, &form.chkDelayedACK, &form.chkAutoRTT, &form.chkSlide})
        check(box->Caption, "option box");
    for (const std::string& box : boxes) {
        if (box.rfind("This run has used", 0) != 0) check(box, "message box");
    }
}

} // namespace
