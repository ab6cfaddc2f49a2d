// The small shared pieces that the catalogue, the classroom's messages, the
// diagram and the arrow keys lean on: the whole-document JSON reader and the
// sort that keeps ties in their order.
#include <gtest/gtest.h>

#include "history/json_document.h"
#include "history/stable_order.h"

TEST(SharedReaders, ADocumentIsReadWholeInItsOwnOrderAndAnythingElseIsRefused)
{
    const jsonsteps::Document document =
        jsonsteps::readDocument(R"( {"b": 1, "a": [true, null, -2, 2.5, "\u00e9"], "b": 3} )");
    ASSERT_TRUE(document.is_object());
    ASSERT_EQ(document.size(), 2u);
    EXPECT_EQ(document.begin().key(), "b");
    EXPECT_EQ(document["b"], 3); // a field named twice keeps its last value
    EXPECT_EQ(document["a"][2], -2);
    EXPECT_EQ(document["a"][4], "\u00e9");

    for (const std::string_view notOne : {"", "  ", "{\"a\": 1", "{\"a\": 1} 2", "[1,]", "{'a': 1}", "nul",
                                          "\"\xff\"", "[\"caf\xc3\"]", "{\"a\": 01}"})
        EXPECT_TRUE(jsonsteps::readDocument(notOne).is_discarded()) << notOne;
}

TEST(SharedReaders, SortingByRankKeepsTiesInTheirOrderAndNegativeRanksFirst)
{
    struct Item {
        int rank;
        char name;
    };
    std::vector<Item> items{{3, 'a'}, {-1, 'b'}, {3, 'c'}, {0, 'd'}, {-1, 'e'}, {-70000, 'f'}, {3, 'g'}};
    stable_order::sortBy(items, [](const Item& item) { return stable_order::rankOfSigned(item.rank); });
    std::string names;
    for (const Item& item : items)
        names += item.name;
    EXPECT_EQ(names, "fbedacg");

    std::vector<Item> none;
    stable_order::sortBy(none, [](const Item& item) { return stable_order::rankOfSigned(item.rank); });
    EXPECT_TRUE(none.empty());
}
