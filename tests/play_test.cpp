// The board, and whole games through the real window: matching by mouse, the scan, the switch.
#include <gtest/gtest.h>

#include "Harness.h"
#include "game/Board.h"
#include "state/State.h"

TEST(Board, StandsInItsPlacesWithAFontForTheScreen)
{
    // Pairs; left edge of column 0, step between columns, button size, font at 96 dpi.
    const int boards[][6] = {
        {12, 30, 240, 210, 40, 28}, {16, 20, 180, 160, 30, 22}, {20, 8, 150, 124, 30, 17}};
    StartProgram();
    for (const auto &b : boards) {
        while (HWND child = GetWindow(hwnd, GW_CHILD))
            DestroyWindow(child);
        noSelected = b[0], fontSize = b[5];
        for (int i = 0; i < b[0]; i++)
            order[i] = (i * 7 + 3) % b[0],
            strcpy(pickedCity$[i], ("c" + std::to_string(i)).c_str());
        BuildBoard();
        std::vector<std::string> controls = Controls(), want;
        for (int i = 0; i < 2 * b[0] && i < (int)controls.size(); i++) {
            int pick = i % b[0], slot = i < b[0] ? order[pick] : pick;
            LOGFONTA lf;
            GetObjectA(
                (HFONT)SendDlgItemMessageA(hwnd, 200 + i / b[0] * 100 + pick, WM_GETFONT, 0, 0),
                sizeof lf, &lf);
            controls[i] += " " + std::string(lf.lfFaceName) + " " + std::to_string(lf.lfHeight) +
                           " " + std::to_string(lf.lfWeight);
            char line[100];
            snprintf(line, sizeof line, "%d '%s' 50000000 %d,%d %dx%d Tahoma %d 400",
                     200 + i / b[0] * 100 + pick, i < b[0] ? pickedCity$[pick] : pickedState$[pick],
                     b[1] + slot / 4 * b[2], (i < b[0] ? 50 : 280) + slot % 4 * 50, b[3], b[4],
                     -MulDiv(b[5], screenDpi, 96));
            want.push_back(line);
        }
        EXPECT_EQ(controls, want);
    }
}

TEST(Mouse, MatchesPairsInEitherOrderAndIgnoresStrayCommands)
{
    // Europe, 12 pairs, seed 1. The pairs by pick (Belgium, Switzerland, Czech Republic,
    // Lithuania, Italy...) and capital slot 0 (Dublin, of pair 9) are those of a separate model
    // of the draw and the shuffle, not of this program.
    StartProgram(1);
    Play({{"c14 c27 c17", "success2 click success1 / City = |State = | C 0"},
          // No capital is chosen yet: no country may match, whichever pair it is.
          EachAlone('S', 0, 11, "City = |State = |Sweden| C 12"),
          {"C11", "click ting / City = |State = | C 13"}, // country first
          {"C0", "click / City = |Brussels|State = | S 14"},
          {"C0", "click / City = |Brussels|State = | S 15"}, // the same capital twice
          {"S1", "click fail / City = |Brussels|State = |Switzerland| C 16"},
          {"C1", "click ting / City = |State = | C 17"}, // wrong, then mended
          {"C3 C4", "click click / City = |Rome|State = | S 19"},
          {"S3", "click fail / City = |Rome|State = |Lithuania| C 20"},
          {"S4", "click ting / City = |State = | C 21"},
          // Scanning off, only the buttons choose. Commands from no button there is: beyond
          // the board, removed pairs, other bands, the selection's, the way out.
          {"r b k t20 m212 m312 m299 m301 m204 m0 m13 m17 m14 m25 m18 m19 m23 m400", " /  C 21"}});
    FinishGame();
    EXPECT_EQ(cues.substr(cues.rfind(' ') + 1), "success1") << "extra presses: no yes";
    EXPECT_EQ(Controls(),
              std::vector<std::string>{"23 'RETURN TO CHOOSER' 50020000 200,300 210x90"});
    EXPECT_TRUE(liveObjects.empty()) << "every button's font goes with it";
    Do("c23");
    MSG quit = {};
    EXPECT_TRUE(PeekMessageA(&quit, NULL, WM_QUIT, WM_QUIT, PM_REMOVE) && quit.wParam == 0);
}

TEST(Mouse, OneSideAloneMatchesNoPairOfTwenty)
{
    // "None chosen" is no pair's number: a capital alone from the start, and either side alone
    // after a match, matches no pair, whichever of the twenty it belongs to.
    StartProgram();
    Play({{"c24 c17", "success2 success1 / City = |State = | C 0"},
          EachAlone('C', 19, 0, "City = |Brussels|State = | S 20"),
          {"S0", "click ting / City = |State = | C 21"},
          EachAlone('S', 1, 19, "City = |State = |Denmark| C 40"),
          {"C19", "click ting / City = |State = | C 41"},
          EachAlone('C', 1, 18, "City = |Belfast|State = | S 59")});
}

TEST(Switch, ChoosesWhatBlinksAndNothingElse)
{
    StartProgram(1); // the same board

    Play({{"c14 c27 c18 c19 c17 k", "success2 click click click success1 / City = |State = | C 0"},
          {"uC8h k", "click / City = |Brussels|State = | S 1"}, // hidden: shown again
          {"k b S0 r", " /  S 1"},                              // a doubled switch, the mouse
          {"uS9h k", "click fail / City = |Brussels|State = |Ireland| C 2"}, // while hidden
          {"uC0s b", "click ting / City = |State = | C 3"},                  // Dublin
          {"uC11h uC11s uC11h uC11s t1 k",
           " / City = |State = | S 3"},                          // the half just changed: wait
          {"uS0s k k", "click / City = |State = |Belgium| C 4"}, // no capital before a blink
          {"uC1s t1 k", "click fail / City = |Stockholm|State = |Belgium| S 5"}, // a tick late
          {"uC8s k", "click ting / City = |State = | C 6"}}); // Brussels, the capital last
    FinishGame("b");
    EXPECT_EQ(Controls().size(), 1u) << "the way out stands";
    EXPECT_EQ(ShowCursor(FALSE), -1) << "hidden for the game, shown by the last press";
}
