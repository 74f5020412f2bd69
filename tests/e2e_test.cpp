// Plays the built Orbisque.exe, which e2e.sh or installer.sh has started, from outside, as a
// person at the screen would: reads its buttons and clicks or presses keys through the system's
// input. ORBISQUE_DRIVE says how many copies are open; each test plays one, the last open.
#include <gtest/gtest.h>

#include <algorithm>

#include "Harness.h"
#include "state/State.h"

namespace
{

int copies = -1; // still open

// The copies are open: play the last, the others dragged aside; its selection screen is up.
void Attach()
{
    if (copies < 0)
        copies = atoi(getenv("ORBISQUE_DRIVE"));
    std::vector<HWND> open;
    ASSERT_TRUE(Within(30000,
                       [&] {
                           open.clear();
                           for (HWND w = NULL; (w = FindWindowExA(NULL, w, "Orbisque", NULL));)
                               open.push_back(w);
                           return (int)open.size() == copies;
                       }))
        << open.size() << " of " << copies << " copies open";
    for (HWND w : open)
        SetWindowPos(hwnd = w, w != open.back() ? HWND_BOTTOM : HWND_TOP,
                     w != open.back() ? 1100 : 25, 30, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(hwnd);
    ASSERT_TRUE(Within(5000, [] { return Controls().size() == 14; }));
    Sleep(300);
    realInput = true;
}

// Ends the copy played, by Alt+F4 through the system's keys or by its return button: within
// 20 s, with exit code 0.
void Leave(bool altF4)
{
    DWORD id, code = 1;
    GetWindowThreadProcessId(hwnd, &id);
    HANDLE program = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    altF4 ? Key(VK_F4, VK_MENU) : Do("c23");
    copies--;
    EXPECT_EQ(WaitForSingleObject(program, 20000), WAIT_OBJECT_0) << "not ended within 20 s";
    EXPECT_TRUE(GetExitCodeProcess(program, &code) && code == 0) << "exit code " << code;
    CloseHandle(program);
}

// The pairs left in a half (200 the capitals, 300 the countries), in the order the scan takes
// them: in columns of four, left to right.
std::vector<int> Left(int half)
{
    std::vector<std::tuple<LONG, LONG, int>> at;
    for (int pair = 0; pair < kMaxPairs; pair++)
        if (RECT r; GetWindowRect(GetDlgItem(hwnd, half + pair), &r))
            at.push_back({r.left, r.top, pair});
    std::sort(at.begin(), at.end());
    std::vector<int> pairs;
    for (auto [x, y, pair] : at)
        pairs.push_back(pair);
    return pairs;
}

// A game button that the scan hides, other than `but`; NULL while none is.
HWND Hidden(HWND but = NULL)
{
    for (HWND b = GetWindow(hwnd, GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT))
        if (b != but && !IsWindowVisible(b))
            return b;
    return NULL;
}

// Presses the switch when the button, whose turn has not begun, is shown again after the first
// hide of its turn: a press up to 0.9 s later still falls in it. The choice sends the scan to
// the other half, or after a match to the capitals.
void PressAt(int id, const std::string &what, void (*press)())
{
    HWND b = GetDlgItem(hwnd, id), next = NULL;
    ASSERT_TRUE(Within(40000, [&] { return !IsWindowVisible(b); }) &&
                Within(3000, [&] { return IsWindowVisible(b); }))
        << "no blink of " << what << " within a round";
    press();
    ASSERT_TRUE(Within(3000, [&] { return next = Hidden(b); })) << "no blink after " << what;
    EXPECT_NE(GetDlgCtrlID(next) / 100, id / 100) << what << "'s blink chose nothing";
}

// Chooses the pair whose capital, from the `from`th left on, and then its country the scan
// comes to soonest. A choice cuts short the turn of the other half's first button, and a press
// there has the scan pass over the first of the half after it: `from` becomes the first
// capital left that the scan comes to next.
void ChoosePair(int &from, const char *how, void (*press)())
{
    std::vector<int> capitals = Left(200), countries = Left(300);
    int pair = -1, place = 0;
    for (int c = from, cost = 99; c < (int)capitals.size(); c++) {
        int s = std::find(countries.begin(), countries.end(), capitals[c]) - countries.begin();
        if (s >= (c == 0) && c + s < cost)
            cost = c + s, pair = capitals[c], place = s;
    }
    ASSERT_GE(pair, 0) << "no pair to choose";
    char name[2][40];
    for (int half : {0, 1})
        GetDlgItemTextA(hwnd, 200 + 100 * half + pair, name[half], sizeof name[half]);
    for (int half : {0, 1}) {
        ASSERT_NO_FATAL_FAILURE(
            PressAt(200 + 100 * half + pair, how + std::string(" at ") + name[half], press));
    }
    EXPECT_TRUE(Within(
        3000, [&] { return !GetDlgItem(hwnd, 200 + pair) && !GetDlgItem(hwnd, 300 + pair); }))
        << how << " chose " << name[0] << " and " << name[1] << ", but the pair stayed";
    from = place == 0;
}

} // namespace

// A scanned game of 12 pairs and 2 blinks, driven by the copy's own timer: two pairs chosen,
// one by a key switch, one by a click switch resting on the top line; then out by Alt+F4.
TEST(Drive, Switch)
{
    ASSERT_NO_FATAL_FAILURE(Attach());
    Do("c18 c19 c14 c27 c17");
    ASSERT_TRUE(Within(5000, [] { return GetDlgItem(hwnd, 211) && !GetDlgItem(hwnd, 212); }))
        << "no board of 12 pairs";
    // The scan's own ticks: a button hidden, and shown again one tick of 300 ms later.
    std::vector<DWORD> ticks;
    HWND b = NULL;
    while (ticks.size() < 5) {
        ASSERT_TRUE(Within(3000, [&] { return b = Hidden(); }))
            << "no blink within 3 s of " << (ticks.empty() ? "the start" : "the last");
        DWORD hidden = GetTickCount();
        ASSERT_TRUE(Within(3000, [&] { return IsWindowVisible(b); })) << "a button left hidden";
        ticks.push_back(GetTickCount() - hidden);
    }
    std::sort(ticks.begin(), ticks.end());
    ASSERT_TRUE(ticks[2] >= 150 && ticks[2] <= 450)
        << "the scan blinks every " << ticks[2] << " ms (median of 5), not every 300";
    std::vector<int> capitals = Left(200);
    int from = std::find(capitals.begin(), capitals.end(), GetDlgCtrlID(b) - 200) -
               capitals.begin() + 1; // the capital after the one the scan is on
    ASSERT_NO_FATAL_FAILURE(ChoosePair(from, "Space", [] { Key(VK_SPACE); }));
    POINT topLine = {40, 16}; // by "City ="
    ClientToScreen(hwnd, &topLine);
    Mouse(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE, topLine);
    ASSERT_NO_FATAL_FAILURE(ChoosePair(from, "a click at the top line", [] {
        Mouse(MOUSEEVENTF_LEFTDOWN);
        Mouse(MOUSEEVENTF_LEFTUP);
    }));
    Leave(true);
}

// A game on the board the program opens with, by mouse, to its end; then out by the return
// button.
TEST(Drive, Mouse)
{
    ASSERT_NO_FATAL_FAILURE(Attach());
    Do("c27 c17");
    ASSERT_TRUE(Within(5000, [] { return GetDlgItem(hwnd, 319); })) << "no board of 20 pairs";
    for (int pair = 0; pair < 20; pair++)
        Do("C" + std::to_string(pair) + " S" + std::to_string(pair));
    ASSERT_TRUE(Within(5000, [] { return GetDlgItem(hwnd, 23); })) << "no way out";
    Leave(false);
}
