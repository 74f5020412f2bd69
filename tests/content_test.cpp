// The catalogue, the generator and the drawing of one game's pairs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "app/ControlIds.h"
#include "content/Catalogue.h"
#include "content/Random.h"
#include "content/Select.h"
#include "state/State.h"
#include "support/Harness.h"

namespace
{

unsigned Fnv1a(const std::string &data)
{
    unsigned h = 2166136261u;
    for (unsigned char c : data)
        h = (h ^ c) * 16777619u;
    return h;
}

} // namespace

TEST(Catalogue, MatchesTheListEntryForEntry)
{
    // Fingerprint of "index|country|capital|number|easy" lines, made from the published list
    // by a separate script, so that a changed letter anywhere shows.
    LoadArrays();
    setEasy();
    std::string all;
    int easyCount = 0;
    for (int i = 0; i < kCatalogueSize; i++) {
        char line[80];
        snprintf(line, sizeof line, "%d|%s|%s|%d|%d\n", i, state$[i], city$[i], stateVal[i],
                 easy[i] ? 1 : 0);
        all += line;
        easyCount += easy[i];
        EXPECT_LE(strlen(state$[i]), 16u) << i;
        EXPECT_LE(strlen(city$[i]), 16u) << i;
    }
    EXPECT_EQ(Fnv1a(all), 0x3bb92561u);
    EXPECT_EQ(easyCount, 47);
    EXPECT_STREQ(state$[70], "Falkland Islands");
    EXPECT_STREQ(state$[34], "Cypress");
    EXPECT_STREQ(city$[129], "Milabo");
    EXPECT_EQ(stateVal[145], 30000);
    EXPECT_EQ(stateVal[183], 183);
}

TEST(Catalogue, StaysTheSameAfterManyMessages)
{
    HWND window = StartProgram();
    LoadArrays();
    std::string before(&state$[0][0], sizeof state$);
    for (int i = 0; i < 200; i++)
        SendMessageA(window, WM_NULL, 0, 0);
    EXPECT_EQ(std::string(&state$[0][0], sizeof state$), before);
    EXPECT_FALSE(easy[15] || easy[99] || easy[0] || easy[183]);
}

TEST(Random, IsTheClassicGeneratorAndAMillisecondClock)
{
    Srand(1);
    int first[] = {Rand(), Rand(), Rand(), Rand()};
    EXPECT_EQ(std::vector<int>(first, first + 4), (std::vector<int>{16838, 5758, 10113, 17515}));

    unsigned before = Clock();
    Sleep(100);
    unsigned elapsed = Clock() - before;
    EXPECT_GE(elapsed, 90u);
    EXPECT_LT(elapsed, 1000u);
}

namespace
{

struct Draw {
    int pairs;
    bool europe, america, africa, asia, easy;
};

bool InRun(int c, int first, int last)
{
    return c >= first && c <= last;
}

} // namespace

TEST(Select, DrawsDistinctEntriesOfTheChosenGroupsOnly)
{
    const Draw draws[] = {
        {20, true, false, false, false, false}, {12, false, true, false, false, false},
        {16, false, false, true, false, false}, {20, false, false, false, true, false},
        {20, false, false, false, false, true}, {12, false, false, true, false, true},
        {20, true, true, true, true, true},
    };
    LoadArrays();
    setEasy();
    for (const Draw &d : draws) {
        for (unsigned seed = 1; seed <= 60; seed++) {
            SCOPED_TRACE(testing::Message() << "pairs " << d.pairs << " seed " << seed);
            std::fill(std::begin(possible), std::end(possible), false); // a new run
            noSelected = d.pairs;
            europeOk = d.europe, americaOk = d.america, africaOk = d.africa, asiaOk = d.asia;
            easyOk = d.easy;
            Srand(seed);
            Select();
            ShuffleArrays();

            std::set<int> entries(statePicked, statePicked + d.pairs);
            ASSERT_EQ(entries.size(), (size_t)d.pairs);
            for (int i = 0; i < d.pairs; i++) {
                int c = statePicked[i];
                bool allowed = (d.europe && InRun(c, 1, 44)) || (d.america && InRun(c, 45, 83)) ||
                               (d.africa && InRun(c, 84, 134)) || (d.asia && InRun(c, 135, 182)) ||
                               (d.easy && easy[c]);
                ASSERT_TRUE(allowed) << "entry " << c;
                ASSERT_NE(stateVal[c], 30000) << "entry " << c;
                ASSERT_STREQ(pickedCity$[i], city$[c]);
                ASSERT_STREQ(pickedState$[i], state$[c]);
                ASSERT_TRUE(cityPresent[i] && statePresent[i]);
            }
            ASSERT_TRUE(std::is_permutation(order, order + d.pairs,
                                            std::vector<int>{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
                                                             10, 11, 12, 13, 14, 15, 16, 17, 18, 19}
                                                .begin()));
            ASSERT_TRUE(std::equal(order, order + d.pairs, cityPickedVal));
        }
    }
}

TEST(Board, IsFixedBySeedAndSettings)
{
    // Europe, 12 pairs, seed 1: one value per candidate, then 200 for the swaps, worked out
    // by a separate model of the draw and the shuffle, not by this program.
    StartProgram();
    StartGame(12, {kIdEurope}, 1);
    const char *countries[] = {"Belgium", "Switzerland", "Czech Republic", "Lithuania",
                               "Italy",   "Macedonia",   "Serbia",         "Norway",
                               "Iceland", "Ireland",     "Latvia",         "Sweden"};
    const char *capitals[] = {"Dublin",   "Stockholm", "Oslo",     "Skopje", "Bern",      "Vilnyus",
                              "Belgrade", "Riga",      "Brussels", "Prague", "Reykjavik", "Rome"};
    for (int s = 0; s < 12; s++) {
        EXPECT_EQ(TextOf(hwndStateButs[s]), countries[s]) << "slot " << s;
        EXPECT_EQ(TextOf(hwndCityButs[s]), capitals[s]) << "slot " << s;
    }
}
