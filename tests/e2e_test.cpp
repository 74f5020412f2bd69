// Plays the built Orbisque.exe, which e2e.sh or installer.sh has started, from outside, as a
// person at the screen would: reads its buttons and clicks or presses keys through the system's
// input. ORBISQUE_DRIVE says how many copies are open, then where their traces of cues are.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "Harness.h"
#include "state/State.h"

namespace
{

int copies; // open, each test playing one
std::vector<std::string> traces;
double ticks, tickSum, worst, last; // the gaps between blinks, in ms

// The copies are open: play the last, the other dragged aside; its selection screen is up.
void Attach()
{
    if (!copies) {
        std::istringstream drive(getenv("ORBISQUE_DRIVE"));
        drive >> copies;
        for (std::string trace; drive >> trace;)
            traces.push_back("Z:" + trace);
    }
    std::vector<HWND> open;
    ASSERT_TRUE(Within(30000, [&] {
        open.clear();
        for (HWND w = NULL; (w = FindWindowExA(NULL, w, "Orbisque", NULL));)
            open.push_back(w);
        return (int)open.size() == copies;
    }));
    for (HWND w : open)
        SetWindowPos(hwnd = w, w != open.back() ? HWND_BOTTOM : HWND_TOP,
                     w != open.back() ? 1100 : 25, 30, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(hwnd);
    ASSERT_TRUE(Within(5000, [] { return Controls().size() == 14; }));
    Sleep(300);
    realInput = true;
}

HWND Hidden() // the button the scan has hidden, if any
{
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (!IsWindowVisible(c))
            return c;
    return NULL;
}

// Waits until a blink shows or hides a game button (`wanted`, if given), timing the ticks.
HWND Blink(HWND wanted = NULL)
{
    for (HWND was = Hidden(), now; Within(60000, [&] { return (now = Hidden()) != was; });
         was = now) {
        double at = GetTickCount(), gap = at - last;
        if (last && gap < 450)
            ticks++, tickSum += gap, worst = std::fmax(worst, std::fabs(gap - 300));
        last = at;
        HWND blinked = now ? now : was; // just hidden, or shown again
        if (!wanted || blinked == wanted)
            return blinked;
    }
    return NULL;
}

HWND Focus() // in the program, as the system has it
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, NULL), &info);
    return info.hwndFocus;
}

int Cues(const char *file) // asked for in the traces so far
{
    int n = 0;
    for (const std::string &trace : traces) {
        std::ifstream f(trace, std::ios::binary);
        std::string text{std::istreambuf_iterator<char>(f), {}};
        for (size_t at = 0; (at = text.find(file, at + 1)) != std::string::npos;)
            n++;
    }
    return n;
}

// By the return button, or by Alt+F4: the program must end within 20 s, with exit code 0.
void Quit(bool byKeys = false)
{
    DWORD id, code = 1;
    GetWindowThreadProcessId(hwnd, &id);
    HANDLE program = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    byKeys ? Key(VK_F4, VK_MENU) : Do("c23");
    EXPECT_EQ(WaitForSingleObject(program, 20000), WAIT_OBJECT_0);
    EXPECT_TRUE(GetExitCodeProcess(program, &code) && code == 0) << "exit code " << code;
    CloseHandle(program);
    copies--;
}

} // namespace

TEST(Drive, Mouse)
{
    Attach();
    Do("c27 c14 c17");
    ASSERT_TRUE(Within(5000, [] { return GetDlgItem(hwnd, 311); })) << "no board";
    int yes = Cues("yes.wav");
    for (int pair = 0; pair < 12; pair++)
        Do("C" + std::to_string(pair) + " S" + std::to_string(pair));
    ASSERT_TRUE(Within(5000, [] { return GetDlgItem(hwnd, 23); }));
    EXPECT_TRUE(Within(5000, [&] { return Cues("yes.wav") > yes; }))
        << "no yes cue for a game without an extra press";
    Quit();
}

TEST(Drive, Switch)
{
    Attach();
    Do("c18 c19 c27 c14 c17");
    ASSERT_TRUE(Within(5000, [] { return GetDlgItem(hwnd, 311); })) << "no board";
    for (int pair = 0; pair < 12; pair++) {
        // A press dragged off a country leaves it the focus and sends no command; every other
        // time another window comes in front meanwhile. Enter at a blink must then choose,
        // within four presses.
        HWND country = NULL, chosen = NULL;
        Blink(); // just after a tick, so that the focus is seen before the next takes it back
        for (int id = 300; id < 312; id++) // one the blink has not just hidden
            country = IsWindowVisible(GetDlgItem(hwnd, id)) ? GetDlgItem(hwnd, id) : country;
        Click(country, 40);
        ASSERT_TRUE(Within(3000, [&] { return Focus() == country; }))
            << "a dragged-off button keeps the focus, pair " << pair;
        if (pair % 2) {
            HWND other = CreateWindowExA(0, "button", "", WS_POPUP | WS_VISIBLE, 900, 700, 9, 9,
                                         NULL, NULL, NULL, NULL);
            Sleep(400);
            ASSERT_EQ(GetForegroundWindow(), other) << "Orbisque came forward by itself";
            DestroyWindow(other);
            SetForegroundWindow(hwnd);
        }
        for (int press = 0, before = Cues("click.wav"); press < 4 && !chosen; press++) {
            HWND blinked = Blink();
            Key(VK_RETURN);
            Sleep(100);
            chosen = Cues("click.wav") > before ? blinked : NULL;
            last = 0; // a choice may show a button out of turn
        }
        ASSERT_TRUE(chosen) << "four presses of Enter chose nothing, pair " << pair;
        int id = GetDlgCtrlID(chosen);
        HWND partner = GetDlgItem(hwnd, id < 300 ? id + 100 : id - 100);
        Blink(partner);
        Key(VK_SPACE);
        ASSERT_TRUE(Within(5000, [&] { return !IsWindow(chosen) && !IsWindow(partner); }));
    }
    printf("tick period over %.0f ticks: mean %.1f ms, worst deviation %.0f ms\n", ticks,
           tickSum / ticks, worst);
    EXPECT_TRUE(ticks > 30 && std::fabs(tickSum / ticks - 300) < 30);
    Key(VK_RETURN); // on the final screen: the pointer comes back with the return button
    ASSERT_TRUE(Within(5000, [] { return GetDlgItem(hwnd, 23); }));
    Quit(true);
}
