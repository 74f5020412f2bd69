// The catalogue, the generator's clock, and the drawing of one game's pairs.
#include <gtest/gtest.h>

#include <algorithm>

#include "Harness.h"
#include "content/Catalogue.h"
#include "content/Random.h"
#include "content/Select.h"
#include "state/State.h"

TEST(Content, CatalogueAndClockAreAsRecorded)
{
    // FNV-1a of "index|country|capital|number|easy" lines, recorded when the catalogue was
    // written, so that a changed letter, number or easy mark anywhere shows.
    LoadArrays();
    setEasy();
    unsigned hash = 2166136261u;
    for (int i = 0; i < kCatalogueSize; i++)
        for (char c : std::to_string(i) + "|" + state$[i] + "|" + city$[i] + "|" +
                          std::to_string(stateVal[i]) + "|" + std::to_string(easy[i]) + "\n")
            hash = (hash ^ (unsigned char)c) * 16777619u;
    EXPECT_EQ(hash, 0x3bb92561u);
    // Milliseconds of the local date and time since 1970; the tests run away from UTC.
    SYSTEMTIME now;
    GetLocalTime(&now);
    ULARGE_INTEGER t;
    SystemTimeToFileTime(&now, (FILETIME *)&t);
    EXPECT_LT(Clock() - (unsigned)((t.QuadPart - 116444736000000000ull) / 10000), 1000u);
}

TEST(Select, DrawsEveryDrawableEntryOfTheChosenGroupsAndNoOther)
{
    // The continent flags (all but easy, Europe, America, Africa, Asia) and every entry that
    // 40 seeded games of 20 pairs draw.
    const std::string easyRuns = "1-14 18-24 29-30 45-47 54-57 66 ";
    const std::string draws[][2] = {
        {"01000", "1-44"},
        {"00100", "45-71 76-83"},
        {"00010", "84-134"},
        {"00001", "136-144 146-182"},
        {"10000", easyRuns + "85 88 113 118 123 136-139 142 151 161 163-164 176-177"},
        {"10010", easyRuns + "84-134 136-139 142 151 161 163-164 176-177"}};
    LoadArrays();
    setEasy();
    for (const auto &d : draws) {
        std::set<int> drawn;
        for (unsigned seed = 1; seed <= 40; seed++) {
            std::fill(possible, possible + kCatalogueSize, false); // as in a new run
            bool *flags[] = {&easyOk, &europeOk, &americaOk, &africaOk, &asiaOk};
            for (int f = 0; f < 5; f++)
                *flags[f] = d[0][f] == '1';
            Srand(seed);
            Select();
            ShuffleArrays();
            std::set<int> game(statePicked, statePicked + 20), slots(order, order + 20);
            // Twenty different entries, and the capitals in a permutation of the slots 0 to 19.
            ASSERT_EQ(game.size() + slots.size() + *slots.rbegin(), 20u + 20 + 19) << seed;
            drawn.insert(game.begin(), game.end());
        }
        std::string runs;
        for (auto e = drawn.begin(); e != drawn.end();) {
            int first = *e, last = first;
            while (++e != drawn.end() && *e == last + 1)
                last++;
            runs += std::to_string(first) + (last > first ? "-" + std::to_string(last) : "") + " ";
        }
        EXPECT_EQ(runs, d[1] + " ") << d[0];
    }
}
