// Switch access: the scan and the choices made with one switch.
#include <gtest/gtest.h>

#include "app/ControlIds.h"
#include "state/State.h"
#include "support/Harness.h"

namespace
{

void StartScannedGame(int pairs, int blinkCount)
{
    StartProgram();
    Click(kIdScanning);
    Click(kIdBlinks2 + blinkCount - 2);
    StartGame(pairs, {kIdEurope}, 5);
}

struct Pace {
    int pairs, blinks;
};
class ScanOrder : public testing::TestWithParam<Pace>
{
};
INSTANTIATE_TEST_SUITE_P(Paces, ScanOrder,
                         testing::Values(Pace{12, 4}, Pace{12, 2}, Pace{20, 5}, Pace{20, 2}),
                         [](const auto &info) {
                             return std::to_string(info.param.pairs) + "Pairs" +
                                    std::to_string(info.param.blinks) + "Blinks";
                         });

} // namespace

TEST_P(ScanOrder, BlinksEachButtonInTurnTickForTick)
{
    const Pace p = GetParam();
    StartScannedGame(p.pairs, p.blinks);
    // Each button is hidden and shown `blinks` times, then left by an advance tick; the game's
    // very first button starts on a show of its own, so it has one hide less.
    std::vector<std::string> expected, seen;
    for (int round = 0; round < 2; round++)
        for (const char *half : {"C", "S"})
            for (int s = 0; s < p.pairs; s++) {
                std::string b = half + std::to_string(s);
                for (int i = 0; i < p.blinks; i++) {
                    if (round || *half == 'S' || s || i)
                        expected.push_back(b + "h");
                    expected.push_back(b + "s");
                }
                expected.push_back("-");
            }
    for (size_t t = 0; t < expected.size(); t++)
        seen.push_back(TickAndWatch());
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(std::count(seen.begin(), seen.begin() + 2 * p.blinks, "-"), 1);
}

TEST(Switch, ChoosesTheBlinkingButtonAndWaitsAfterEachChoice)
{
    StartScannedGame(12, 2);
    cues.clear();
    ASSERT_TRUE(TickUntil("C0"));
    KeyPress();
    int pick = cityHit;
    EXPECT_EQ(order[pick], 0);
    EXPECT_EQ(buttonsClicked, 1);
    EXPECT_TRUE(IsWindowVisible(hwndCityButs[0]));
    KeyPress(); // a held or doubled switch: nothing until the next blink
    ClickBackground();
    EXPECT_EQ(buttonsClicked, 1);

    Click(kIdStateBase + pick); // the mouse on a game button chooses nothing while scanning
    EXPECT_EQ(buttonsClicked, 1);

    ASSERT_TRUE(TickUntil("S" + std::to_string(pick)));
    ClickBackground();
    EXPECT_EQ(CuePaths(), (std::vector<std::string>{"Sounds\\click.wav", "Sounds\\click.wav",
                                                    "Sounds\\ting.wav"}));
    EXPECT_FALSE(cityPresent[0] || statePresent[pick]);

    // The scan starts again on the capitals, passing over the removed slot.
    std::string next;
    while ((next = TickAndWatch()) == "-") {
    }
    EXPECT_EQ(next.substr(0, 2), "C1");

    // A country can be chosen first, when its half comes round.
    ASSERT_TRUE(TickUntil("S3"));
    KeyPress(VK_F5);
    EXPECT_TRUE(answerSet && !questionSet);
    EXPECT_EQ(stateHit, 3);
    EXPECT_TRUE(flashingQuestion);
}

class WholeGame : public testing::TestWithParam<bool>
{
};
INSTANTIATE_TEST_SUITE_P(Switches, WholeGame, testing::Values(true, false),
                         [](const auto &info) { return info.param ? "Key" : "Click"; });

TEST_P(WholeGame, IsPlayedWithOneSwitch)
{
    StartScannedGame(12, 3);
    FinishGame(GetParam() ? [] { KeyPress(VK_RETURN); } : [] { ClickBackground(); });
    EXPECT_EQ(CuePaths().back(), "Sounds\\yes.wav");
    EXPECT_NE(Child(kIdReturn), nullptr);
    EXPECT_EQ(ShowCursor(FALSE), -1) << "the pointer is back: hidden for the game, shown now";
}
