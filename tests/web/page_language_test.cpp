#include <gtest/gtest.h>

#include <string>

#include "ui/web/page_language.h"
#include "ui/web/web_session.h"

// The reader's language: a link's, a remembered one or the browser's, the
// first the site speaks; tags no language can use are English.
TEST(PageLanguage, ReaderGetsTheFirstUsableShippedLanguageElseEnglish)
{
    EXPECT_EQ(web::chooseLanguage("C\n\n*\nx-pseudo"), "en");
    EXPECT_EQ(web::chooseLanguage(""), "en");
    EXPECT_EQ(web::chooseLanguage("C\nde-AT\nen-US"), "de");
    EXPECT_EQ(web::chooseLanguage("en-GB\nde"), "en");
    EXPECT_NE(web::languagesJson().find(R"({"tag":"de","file":"de","name":"Deutsch","rtl":false})"),
              std::string::npos);

    web::PageLanguage language;
    EXPECT_EQ(language.text("Tick 12"), "Tick 12");
    language.add(false, "Tick %1", "Takt %1");
    language.add(true, "Retransmitting packet %1", "Paket %1 wird erneut gesendet");
    language.finish("de");
    EXPECT_EQ(language.text("Tick 12"), "Takt 12");
    // The simulation's own texts stay as written unless the reader asks.
    EXPECT_EQ(language.text("Retransmitting packet 4"), "Retransmitting packet 4");
    language.setSimulationTexts(true);
    EXPECT_EQ(language.text("Retransmitting packet 4"), "Paket 4 wird erneut gesendet");
}

// lang= and modeltext= change what the page shows, never the run: the same
// link in any language and with the simulation's texts translated runs to
// the same state, and neither is written into the links the page makes.
TEST(PageLanguage, LanguageAndTranslatedTextsLeaveTheRunAlone)
{
    const std::string settings = "?options=slowstart,avoidance,fastretransmit&loss=10&ackloss=5&seed=7";
    struct Case {
        std::string extra;
        std::string language;
        bool simulationTexts;
    };
    for (const Case& c : {Case{"&lang=de", "de", false}, Case{"&lang=ar&modeltext=1", "ar", true},
                          Case{"&lang=C", "", false}, Case{"&modeltext=1", "", true}}) {
        const std::string& extra = c.extra;
        web::WebSession other(settings + extra);
        for (int tick = 0; tick < 600; ++tick)
            other.step();
        EXPECT_EQ(other.linkLanguage(), c.language) << extra;
        EXPECT_EQ(other.linkSimulationTexts(), c.simulationTexts) << extra;
        web::WebSession reference(settings);
        for (int tick = 0; tick < 600; ++tick)
            reference.step();
        EXPECT_EQ(other.digest(), reference.digest()) << extra;
        EXPECT_EQ(other.linkQuery(), reference.linkQuery()) << extra;
    }
}
