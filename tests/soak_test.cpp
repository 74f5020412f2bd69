// Random input of every kind a child, a switch or another program can send, game after game.
#include <gtest/gtest.h>

#include <random>

#include "app/ControlIds.h"
#include "state/State.h"
#include "support/Harness.h"

namespace
{

const int kEventsPerGame = 12500; // eight games: 100,000 events a run

// What must hold after any event; `Ok` names the first broken rule.
std::string Broken()
{
    if (currentScreen == kSelectionScreen)
        return "";
    int pairs = 0, capitals = 0;
    for (int s = 0; s < noSelected; s++) {
        if (cityPresent[s] != (IsWindow(hwndCityButs[s]) != 0) ||
            statePresent[s] != (IsWindow(hwndStateButs[s]) != 0))
            return "a presence flag does not match its button, slot " + std::to_string(s);
        pairs += statePresent[s];
        capitals += cityPresent[s];
    }
    if (pairs != capitals || buttonsLeft != 2 * pairs)
        return "buttonsLeft " + std::to_string(buttonsLeft) + " for " + std::to_string(pairs);
    if (cityHit != kNoCity &&
        !(cityHit >= 0 && cityHit < noSelected && cityPresent[order[cityHit]]))
        return "cityHit " + std::to_string(cityHit);
    if (stateHit != kNoState && !(stateHit >= 0 && stateHit < noSelected && statePresent[stateHit]))
        return "stateHit " + std::to_string(stateHit);
    if ((currentScreen == kFinalScreen) != (pairs == 0))
        return "screen " + std::to_string(currentScreen) + " with " + std::to_string(pairs);
    return "";
}

// Sends one random event, or a burst of ticks; says how many messages that was.
int RandomEvent(std::mt19937 &rng)
{
    auto pick = [&](int n) { return (int)(rng() % n); };
    switch (pick(10)) {
    case 0:
    case 1:
    case 2: { // a press on any control there is, but the way out
        std::vector<HWND> children;
        for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (GetDlgCtrlID(c) != kIdReturn)
                children.push_back(c);
        if (!children.empty())
            SendMessageA(children[pick(children.size())], BM_CLICK, 0, 0);
        break;
    }
    case 3: ClickBackground(pick(750), pick(520)); break;
    case 4: SendMessageA(hwnd, WM_KEYDOWN, 1 + pick(254), pick(2) ? 1 : 0x40000001); break;
    case 5:
        if (int id = pick(65536); id != kIdReturn)
            Command(id);
        break;
    case 6:
    case 7: {
        int ticks = 1 + pick(12);
        Tick(ticks);
        Pump();
        return ticks;
    }
    case 8:
        if (pick(4))
            ShowWindow(hwnd, pick(2) ? SW_MINIMIZE : SW_RESTORE);
        else
            SetWindowPos(hwnd, NULL, 0, 0, 200 + pick(800), 150 + pick(600),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    case 9: SendMessageA(hwnd, WM_RBUTTONDOWN, 0, MAKELPARAM(pick(750), pick(520))); break;
    }
    Pump();
    return 1;
}

class Soak : public testing::TestWithParam<unsigned>
{
};
INSTANTIATE_TEST_SUITE_P(Seeds, Soak, testing::Range(1u, 9u));

} // namespace

TEST_P(Soak, RandomInputNeverBreaksTheGame)
{
    unsigned seed = GetParam();
    SCOPED_TRACE(testing::Message()
                 << "seed " << seed << " (rerun: --gtest_filter=*Soak*/" << seed - 1 << ")");
    StartProgram();
    std::mt19937 rng(seed);
    for (int event = 0, checked = 0; event < kEventsPerGame; event += RandomEvent(rng)) {
        if (event - checked >= 16) { // every few events: the check costs more than an event
            ASSERT_EQ(Broken(), "") << "by event " << event;
            checked = event;
        }
    }

    // Whatever happened, the game can still be finished and left.
    ShowWindow(hwnd, SW_RESTORE);
    if (currentScreen == kSelectionScreen) {
        if (!(europeOk || americaOk || africaOk || asiaOk || easyOk))
            Click(kIdEurope);
        Click(kIdStart);
    }
    FinishGame();
    EXPECT_EQ(currentScreen, kFinalScreen);
    EXPECT_EQ(Broken(), "");
    if (!Child(kIdReturn))
        KeyPress(); // shows the way out on the final screen
    Click(kIdReturn);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
}
