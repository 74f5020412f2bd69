// Whole games played through the real window with the mouse.
#include <gtest/gtest.h>

#include "app/ControlIds.h"
#include "state/State.h"
#include "support/Harness.h"

namespace
{

const std::string kClick = "Sounds\\click.wav", kFail = "Sounds\\fail.wav",
                  kTing = "Sounds\\ting.wav";

int CountChildren()
{
    int n = 0;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        n++;
    return n;
}

// Columns of the board: left edge of column 0, step between columns, button size.
struct Board {
    int pairs, left, step, width, height, font;
};

class PerfectGame : public testing::TestWithParam<Board>
{
};

INSTANTIATE_TEST_SUITE_P(Pairs, PerfectGame,
                         testing::Values(Board{12, 30, 240, 210, 40, 28},
                                         Board{16, 20, 180, 160, 30, 22},
                                         Board{20, 8, 150, 124, 30, 17}),
                         [](const auto &info) { return std::to_string(info.param.pairs); });

} // namespace

TEST_P(PerfectGame, StandsInItsPlacesAndEndsWithYes)
{
    const Board b = GetParam();
    StartProgram();
    cues.clear();
    liveObjects.clear();
    StartGame(b.pairs, {kIdEurope}, 7);
    EXPECT_EQ(CuePaths().back(), "Sounds\\success1.wav");
    EXPECT_EQ(CountChildren(), 2 * b.pairs) << "the selection screen is gone";
    EXPECT_EQ(liveObjects.size(), 2u * b.pairs) << "a font for each button";

    for (int s = 0; s < b.pairs; s++) {
        for (int half = 0; half < 2; half++) {
            HWND button = half ? hwndStateButs[s] : hwndCityButs[s];
            RECT r = PlaceOf(button);
            EXPECT_EQ(r.left, b.left + s / 4 * b.step) << s;
            EXPECT_EQ(r.top, (half ? 280 : 50) + s % 4 * 50) << s;
            EXPECT_EQ(r.right - r.left, b.width);
            EXPECT_EQ(r.bottom - r.top, b.height);
            LOGFONTA lf;
            GetObjectA((HFONT)SendMessageA(button, WM_GETFONT, 0, 0), sizeof lf, &lf);
            EXPECT_EQ(lf.lfHeight, -b.font);
            EXPECT_STREQ(lf.lfFaceName, "Tahoma");
        }
        EXPECT_EQ(GetDlgCtrlID(hwndStateButs[s]), kIdStateBase + s);
        EXPECT_EQ(hwndCityButs[order[s]], Child(kIdCityBase + s));
    }

    for (int i = 0; i < b.pairs; i++) {
        cues.clear();
        Click(kIdCityBase + i);
        EXPECT_TRUE(questionSet);
        Click(kIdStateBase + i);
        EXPECT_EQ(Child(kIdCityBase + i), nullptr);
        EXPECT_EQ(Child(kIdStateBase + i), nullptr);
        EXPECT_FALSE(questionSet || answerSet);
        std::vector<std::string> expected = {kClick, kClick, kTing};
        if (i == b.pairs - 1)
            expected.push_back("Sounds\\yes.wav");
        EXPECT_EQ(CuePaths(), expected);
    }
    EXPECT_EQ(currentScreen, kFinalScreen);
    EXPECT_EQ(buttonsClicked, 2 * b.pairs);
    EXPECT_NE(Child(kIdReturn), nullptr) << "made by the press that found the last pair";
    EXPECT_TRUE(liveObjects.empty()) << "every button's font is released with it";
}

TEST(Matching, WrongPairsRepeatsAndEitherOrder)
{
    // Presses (capital: pick index; country: 100 + pick index) and the cues they give.
    struct Step {
        int press;
        std::vector<std::string> cues;
        const char *header; // "C" capital shown, "S" country shown, "CS" both
    } steps[] = {
        {0, {kClick}, "C"},
        {0, {kClick}, "C"}, // the same capital twice
        {101, {kClick, kFail}, "CS"},
        {1, {kClick, kTing}, ""}, // wrong, then mended
        {102, {kClick}, "S"},
        {2, {kClick, kTing}, ""}, // country first
        {3, {kClick}, "C"},
        {4, {kClick}, "C"}, // capital replaced
        {100 + 3, {kClick, kFail}, "CS"},
        {104, {kClick, kTing}, ""},
    };
    StartProgram();
    StartGame(12, {kIdAfrica}, 99);
    for (const Step &s : steps) {
        cues.clear();
        Click(s.press >= 100 ? kIdStateBase + s.press - 100 : kIdCityBase + s.press);
        EXPECT_EQ(CuePaths(), s.cues) << "press " << s.press;
        EXPECT_EQ(std::string(questionSet ? "C" : "") + (answerSet ? "S" : ""), s.header);
    }
    EXPECT_EQ(buttonsClicked, 10);
    EXPECT_EQ(buttonsLeft, 24 - 6);
    for (int i = 0; i < 12; i++) {
        if (Child(kIdCityBase + i)) {
            Click(kIdCityBase + i);
            Click(kIdStateBase + i);
        }
    }
    EXPECT_EQ(CuePaths().back(), "Sounds\\success1.wav") << "extra presses: no yes";
}

TEST(Matching, StrayCommandsChangeNothing)
{
    StartProgram();
    StartGame(16, {kIdAllButEasy}, 3);
    Click(kIdCityBase + 5);
    Click(kIdStateBase + 5);
    cues.clear();
    int children = CountChildren();
    // Beyond the board, a removed pair, other bands, the start and settings once more.
    for (int id : std::initializer_list<int>{kIdCityBase + 16, kIdStateBase + 19, kIdCityBase + 99,
                                             kIdStateBase + 5, kIdCityBase + 5, 0, 13, kIdStart,
                                             kId12Capitals, kIdAfrica, kIdScanning, kIdBlinks2,
                                             kIdReturn, 299, 400, 65535})
        Command(id);
    EXPECT_TRUE(cues.empty());
    EXPECT_EQ(CountChildren(), children);
    EXPECT_EQ(noSelected, 16);
    EXPECT_EQ(buttonsClicked, 2);
    EXPECT_FALSE(questionSet || answerSet || scanOn);
    EXPECT_EQ(currentScreen, kGameScreen);
}
