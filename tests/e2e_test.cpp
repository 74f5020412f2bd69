// Plays the built Orbisque.exe, which e2e.sh or installer.sh has started, from outside, as a
// person at the screen would: reads its buttons and clicks or presses keys through the system's
// input. ORBISQUE_DRIVE says how many copies are open: each is played in turn, the one that
// ORBISQUE_SCANNED names by switch while another is open, any other by mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "Harness.h"
#include "state/State.h"

namespace
{

int copies; // still open

HANDLE program; // of the copy played, to wait for

// Plays a copy whose exe's path holds ORBISQUE_SCANNED when `scanned`, else one whose path does
// not; the others are dragged aside. Its selection screen is up.
void Attach(bool scanned)
{
    std::vector<HWND> open;
    for (DWORD start = GetTickCount(); (int)open.size() != copies; Sleep(1)) {
        ASSERT_LT(GetTickCount() - start, 30000u) << open.size() << " of " << copies << " open";
        open.clear();
        for (HWND w = NULL; (w = FindWindowExA(NULL, w, "Orbisque", NULL));)
            open.push_back(w);
    }
    const char *scan = getenv("ORBISQUE_SCANNED"), *how = scanned ? "switch" : "mouse";
    for (HWND w : open) {
        DWORD id, size = MAX_PATH;
        GetWindowThreadProcessId(w, &id);
        HANDLE copy = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
        char exe[MAX_PATH] = "";
        QueryFullProcessImageNameA(copy, 0, exe, &size);
        SetWindowPos(w, HWND_BOTTOM, 1100, 30, 0, 0, SWP_NOSIZE); // aside, unless played
        if (!hwnd && (scan && strstr(exe, scan)) == scanned)
            hwnd = w, program = copy, printf("playing %s by %s\n", exe, how);
        else
            CloseHandle(copy);
    }
    ASSERT_TRUE(hwnd) << "no copy to play by " << how;
    SetWindowPos(hwnd, HWND_TOP, 25, 30, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(hwnd);
    ASSERT_TRUE(Within(5000, [] { return Controls().size() == 14; }));
    Sleep(300);
    realInput = true;
}

// A game button that the scan hides, other than `but`; NULL while none is.
HWND Hidden(HWND but = NULL)
{
    for (HWND b = GetWindow(hwnd, GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT))
        if (b != but && !IsWindowVisible(b))
            return b;
    return NULL;
}

// Where the scan comes to each game button left in its half, by ID: it takes each half in
// columns of four, left to right.
std::map<int, int> Places()
{
    std::vector<std::tuple<int, LONG, LONG, int>> at;
    for (HWND b = GetWindow(hwnd, GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT))
        if (RECT r; GetWindowRect(b, &r))
            at.push_back({GetDlgCtrlID(b) / 100, r.left, r.top, GetDlgCtrlID(b)});
    std::sort(at.begin(), at.end());
    std::map<int, int> place;
    int half = 0, n = 0;
    for (auto [h, x, y, id] : at)
        place[id] = h == half ? ++n : (half = h, n = 0);
    return place;
}

std::vector<DWORD> ticks; // a game button hidden, and shown again one tick of the scan later

// Waits up to `ms` for the scan to hide the button, and then to show it again.
bool Blinked(HWND b, DWORD ms)
{
    if (!Within(ms, [&] { return !IsWindowVisible(b); }))
        return false;
    DWORD hidden = GetTickCount();
    return Within(3000, [&] { return IsWindowVisible(b); }) &&
           (ticks.push_back(GetTickCount() - hidden), true);
}

// Chooses the pair whose capital, after the one the scan is `on`, and then its country the scan
// comes to soonest: presses when each, its turn not yet begun, is shown again after the first
// hide of its turn (a press up to 0.6 s later would still fall in it). A choice sends the scan
// to the other half, or after a match to the capitals: `on` becomes the capital it is on.
void ChoosePair(HWND &on, const char *how, void (*press)())
{
    std::map<int, int> place = Places();
    int pair = -1, cost = 99;
    for (int p = 0; p < kMaxPairs; p++)
        if (place.count(300 + p) && place[200 + p] > place[GetDlgCtrlID(on)] &&
            place[200 + p] + place[300 + p] < cost)
            cost = place[200 + p] + place[300 + p], pair = p;
    ASSERT_GE(pair, 0) << "no pair to choose";
    for (int id : {200 + pair, 300 + pair}) {
        HWND b = GetDlgItem(hwnd, id);
        char name[40];
        GetWindowTextA(b, name, sizeof name);
        ASSERT_TRUE(Blinked(b, 40000)) << "no blink of " << name << " within a round";
        press();
        ASSERT_TRUE(Within(3000, [&] { return on = Hidden(b); }))
            << "no blink after " << how << " at " << name;
        ASSERT_NE(GetDlgCtrlID(on) / 100, id / 100)
            << how << " at " << name << "'s blink chose nothing";
    }
    EXPECT_TRUE(Within(
        3000, [&] { return !GetDlgItem(hwnd, 200 + pair) && !GetDlgItem(hwnd, 300 + pair); }))
        << how << " chose a pair that stayed on the board";
}

// A scanned game of 12 pairs and 2 blinks on the copy's own timer: a pair chosen by a key
// switch, another by a click switch resting on the top line, by "City =".
void PlayBySwitch()
{
    // A Space after a click changes no choice; a press held across a tick still ticks.
    Do("H18 K c19 K c14 H27 K c17");
    ASSERT_TRUE(Within(5000, [] { return IsWindowVisible(GetDlgItem(hwnd, 311)); }) &&
                !GetDlgItem(hwnd, 312))
        << "no board of 12 pairs";
    HWND on = NULL;
    ASSERT_TRUE(Within(3000, [&] { return on = Hidden(); }) && Blinked(on, 0))
        << "no blink within 3 s of the start";
    ASSERT_NO_FATAL_FAILURE(ChoosePair(on, "Space", [] { Key(VK_SPACE); }));
    POINT topLine = {40, 16};
    ClientToScreen(hwnd, &topLine);
    Mouse(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE, topLine);
    ASSERT_NO_FATAL_FAILURE(ChoosePair(on, "a click at the top line",
                                       [] { Mouse(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP); }));
    std::sort(ticks.begin(), ticks.end());
    EXPECT_TRUE(ticks[2] >= 150 && ticks[2] <= 450)
        << "the scan blinks every " << ticks[2] << " ms (median of 5), not every 300";
}

} // namespace

// The scanned game, out by Alt+F4 through the system's keys; or a game on the board the
// program opens with, by mouse to its end and out by its return button. Each copy must end
// within 20 s, with exit code 0.
TEST(Drive, EachCopy)
{
    for (copies = atoi(getenv("ORBISQUE_DRIVE")); copies; copies--, hwnd = NULL) {
        ASSERT_NO_FATAL_FAILURE(Attach(copies > 1));
        DWORD code = 1;
        if (copies > 1) {
            ASSERT_NO_FATAL_FAILURE(PlayBySwitch());
            Key(VK_F4, VK_MENU);
        } else {
            Do("c27 c17");
            ASSERT_TRUE(Within(5000, [] { return GetDlgItem(hwnd, 319); }))
                << "no board of 20 pairs";
            FinishGame();
            Do("c23"); // once it stands there, within 5 s
        }
        EXPECT_EQ(WaitForSingleObject(program, 20000), WAIT_OBJECT_0) << "not ended within 20 s";
        EXPECT_TRUE(GetExitCodeProcess(program, &code) && code == 0) << "exit code " << code;
        CloseHandle(program);
    }
}
