// The board, and whole games through the real window: matching by mouse, the scan, the switch.
#include <gtest/gtest.h>

#include "Harness.h"
#include "state/State.h"

TEST(Mouse, MatchesPairsInEitherOrderAndIgnoresStrayCommands)
{
    // Europe, 12 pairs, seed 1. The pairs by pick (Belgium, Switzerland, Czech Republic,
    // Lithuania, Italy...) and capital slot 0 (Dublin, of pair 9), as recorded when the draw and
    // the shuffle were written: a change to either shows here.
    StartProgram(1);
    Play({{"c14 c27 c17", "success2 click success1 / City = |State = | C 0"},
          {"S11", "click / City = |State = |Sweden| C 1"},
          {"C11", "click ting / City = |State = | C 2"}, // country first
          {"C0", "click / City = |Brussels|State = | S 3"},
          {"C0", "click / City = |Brussels|State = | S 4"}, // the same capital twice
          {"S1", "click fail / City = |Brussels|State = |Switzerland| C 5"},
          {"C1", "click ting / City = |State = | C 6"}, // wrong, then mended
          {"C3 C4", "click click / City = |Rome|State = | S 8"},
          {"S3", "click fail / City = |Rome|State = |Lithuania| C 9"},
          {"S4", "click ting / City = |State = | C 10"},
          // Scanning off, only the buttons choose. Commands from no button there is: beyond
          // the board, removed pairs, other bands, the selection's, the way out.
          {"r b k t20 m212 m312 m299 m301 m204 m0 m13 m17 m14 m25 m18 m19 m23 m400", " /  C 10"}});
    EXPECT_EQ(QuitCode(), -1) << "ended before the way out, by a stray command";
}

TEST(Switch, ChoosesWhatBlinksAndNothingElse)
{
    // The same board: capital slots 0 to 11 hold pairs 9 11 7 5 1 3 6 10 0 2 8 4. Two blinks.
    StartProgram(1);
    Play({{"c14 c27 c18 c19 c17 k", "success2 click click click success1 / City = |State = | C 0",
           "C0:shs - C1:hshs -"}, // the first button of the game is shown first
          {"uC8h k", "click / City = |Brussels|State = | S 1"}, // hidden: shown again
          {"k b S0 r", " /  S 1", "S0:shs - S1:h"}, // a doubled switch, the mouse; countries next
          {"uS9h k", "click fail / City = |Brussels|State = |Ireland| C 2", "C0:s"}, // while hidden
          // Chosen between its last show and its advance tick: the next capital is passed over.
          {"uC0s b", "click ting / City = |State = | C 3", "- C2:hshs -"}, // Dublin
          // A country held down across the advance tick chooses nothing, nor does a key
          // before the next half's first blink.
          {"uC11h uC11s uC11h uC11s H305 k", " / City = |State = | S 3", "S0:hs"},
          {"uS0s k k", "click / City = |State = |Belgium| C 4", "- C2:hshs"},
          {"uC1s t1 k", "click fail / City = |Stockholm|State = |Belgium| S 5",
           "S0:s - S1:hshs -"}, // a tick late; the count goes on where it stood
          {"uC8s k", "click ting / City = |State = | C 6", "C1:hs - C2:h"}}); // Brussels, last
    // A press dragged off a game button leaves it the focus: the next tick gives the keys back
    // to the window, but only while it is in front, which taking them would pull it to.
    SetFocus(GetDlgItem(hwnd, 301));
    Do("t1");
    EXPECT_EQ(GetFocus(), hwnd) << "a game button holds the switch's keys";
    HWND other = CreateWindowExA(0, "button", "", WS_POPUP | WS_VISIBLE, 900, 700, 9, 9, NULL, NULL,
                                 NULL, NULL);
    Do("t1");
    EXPECT_EQ(GetForegroundWindow(), other) << "the window came forward by itself";
}

namespace
{

const LPARAM kAlt = 1 << 29, kHeld = 1 << 30, kReleased = 0xC0000000, kCorner = MAKELPARAM(740, 5);

// What reaches the window, and whether it is the switch: a left press on the window and any key
// but the system's (F10, Alt and Alt with another), held or not.
const struct {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool isSwitch;
} kPresses[] = {
    {WM_LBUTTONDOWN, MK_LBUTTON, kCorner, true},
    {WM_KEYDOWN, VK_RETURN, 1, true},
    {WM_KEYDOWN, VK_SPACE, 1, true},
    {WM_KEYDOWN, 'A', 1, true},
    {WM_KEYDOWN, VK_F12, 1, true},
    {WM_KEYDOWN, VK_SPACE, kHeld | 1, true},
    {WM_RBUTTONDOWN, MK_RBUTTON, kCorner, false},
    {WM_MBUTTONDOWN, MK_MBUTTON, kCorner, false},
    {WM_LBUTTONUP, 0, kCorner, false},
    {WM_SYSKEYDOWN, VK_F10, 1, false},
    {WM_SYSKEYDOWN, 'X', kAlt | 1, false},
    {WM_KEYUP, VK_RETURN, kReleased | 1, false},
    {WM_CHAR, ' ', 1, false},
    {WM_SYSCHAR, 'x', kAlt | 1, false},
};

int Pointer() // the cursor's display count, left as it was
{
    ShowCursor(TRUE);
    return ShowCursor(FALSE);
}

class Closing : public testing::TestWithParam<Screen>
{
};
const char *const kScreens[] = {"Selection", "Game", "Final"};

} // namespace

// On each screen every kind of press, then the system menu's Close, which the close box and
// Alt+F4 also give: the program ends with 0.
TEST_P(Closing, AfterEveryKindOfPress)
{
    Screen screen = GetParam();
    StartProgram(1);
    Do(screen == kFinalScreen ? "c14 c27 c17" : screen == kGameScreen ? "c14 c27 c18 c17" : "c18");
    if (screen == kFinalScreen)
        FinishGame();
    ASSERT_EQ(currentScreen, screen);
    // What the switch does: nothing on the selection screen, a choice in the game, and on the
    // final screen the pointer back and the way out.
    const char *does[] = {"", " chose click", " pointer return"};
    for (const auto &p : kPresses) {
        if (screen == kGameScreen)
            Do("w"); // a button blinks: the switch would choose it
        DestroyWindow(hwndBye);
        std::vector<std::string> controls = Controls();
        int clicks = buttonsClicked, pointer = Pointer();
        cues.clear();
        SendMessageA(hwnd, p.message, p.wParam, p.lParam);
        Pump();
        std::string done = std::string(buttonsClicked > clicks ? " chose" : "") +
                           (Pointer() > pointer ? " pointer" : "") +
                           (IsWindow(hwndBye) ? " return" : "") +
                           (cues.empty() ? "" : " " + cues.substr(0, cues.find(' '))) +
                           (screen == kSelectionScreen && Controls() != controls ? " changed" : "");
        EXPECT_EQ(done, p.isSwitch ? does[screen] : "")
            << "message " << std::hex << p.message << " " << p.wParam << " " << p.lParam;
    }
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(QuitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, Closing,
                         testing::Values(kSelectionScreen, kGameScreen, kFinalScreen),
                         [](const testing::TestParamInfo<Screen> &info) {
                             return std::string(kScreens[info.param]);
                         });

namespace
{

// A whole game on each board: by mouse without an extra press, or by the switch with one.
class WholeGame : public testing::TestWithParam<std::tuple<int, bool>>
{
};

} // namespace

TEST_P(WholeGame, EndsWithItsCueAndWayOut)
{
    auto [pairs, bySwitch] = GetParam();
    StartProgram(1);
    // 20 pairs as the program opens; Europe has enough for every board.
    const int board = (pairs - 12) / 4;
    const char *count[] = {"c14 ", "c15 ", ""};
    Do(count[board] + std::string(bySwitch ? "c18 " : "") + "c27 c17");
    // The board: each capital in its pair's slot above, each country in its own below, four to
    // a column, in the board's size and font; none where a click switch's pointer rests. By
    // pairs: left edge of column 0, step between columns, button size, font at 96 dpi.
    const int boards[][5] = {{30, 240, 210, 40, 28}, {20, 180, 160, 30, 22}, {8, 150, 124, 30, 17}};
    const int *b = boards[board];
    std::vector<std::string> controls = Controls(), want;
    ASSERT_EQ((int)controls.size(), 2 * pairs);
    for (int i = 0; i < 2 * pairs; i++) {
        int pick = i % pairs, slot = i < pairs ? order[pick] : pick,
            id = 200 + i / pairs * 100 + pick;
        controls[i] +=
            " " + Looks((HGDIOBJ)SendDlgItemMessageA(hwnd, id, WM_GETFONT, 0, 0), FW_NORMAL, 0);
        char line[100];
        snprintf(line, sizeof line, "%d '%s' 50000000 %d,%d %dx%d %dpx Tahoma", id,
                 i < pairs ? pickedCity$[pick] : pickedState$[pick], b[0] + slot / 4 * b[1],
                 (i < pairs ? 50 : 280) + slot % 4 * 50, b[2], b[3], MulDiv(b[4], screenDpi, 96));
        want.push_back(line);
    }
    EXPECT_EQ(controls, want);
    // The words "City =" at the top left, just below the title bar.
    EXPECT_EQ(ChildWindowFromPointEx(hwnd, {40, 16}, CWP_ALL), hwnd) << "a button there";
    EXPECT_EQ(Pointer() < 0, bySwitch) << "the pointer is not hidden in a scanned game, only then";
    cues.clear();
    if (bySwitch) // capital 0, country 1 (wrong), capital 1: a pair, with one press more
        Do("wC0 b wS1 b wC1 b");
    FinishGame();
    // A ting for every pair, one fail for the wrong one, and the end's own cue at once.
    std::string heard = bySwitch ? "click click fail click ting " : "";
    for (int pair = bySwitch; pair < pairs; pair++)
        heard += "click click ting ";
    EXPECT_EQ(cues, heard + (bySwitch ? "success1" : "yes"));
    // The final screen: its texts painted, the way out alone on it, the pointer to press it.
    ASSERT_GE(painted.size(), 4u);
    EXPECT_NE(painted[painted.size() - 4].find("'Well done! You found all the Capitals'"),
              std::string::npos);
    EXPECT_EQ(Controls(),
              std::vector<std::string>{"23 'RETURN TO CHOOSER' 50020000 200,300 210x90"});
    EXPECT_GE(Pointer(), 0) << "the pointer is hidden";
    EXPECT_TRUE(liveObjects.empty()) << "a button's font outlived its button";
    EXPECT_EQ(QuitCode(), -1) << "ended before the way out was pressed";
    Do("c23");
    EXPECT_EQ(QuitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryBoard, WholeGame,
                         testing::Combine(testing::Values(12, 16, 20), testing::Bool()),
                         [](const testing::TestParamInfo<WholeGame::ParamType> &info) {
                             return std::to_string(std::get<0>(info.param)) + "PairsBy" +
                                    (std::get<1>(info.param) ? "Switch" : "Mouse");
                         });
