// Plays the built Orbisque.exe, which e2e.sh or installer.sh has started, from outside, as a
// person at the screen would: reads its buttons and clicks or presses keys through the system's
// input. ORBISQUE_DRIVE says how many copies are open; the test plays each in turn.
#include <gtest/gtest.h>

#include "Harness.h"
#include "state/State.h"

namespace
{

int copies; // still open

// The copies are open: play the last, the others dragged aside; its selection screen is up.
void Attach()
{
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

} // namespace

// A game on the board the program opens with, by mouse, to its end; then out by the return
// button, or while another copy is open by Alt+F4 through the system's keys. The program must
// end within 20 s, with exit code 0.
TEST(Drive, Mouse)
{
    for (copies = atoi(getenv("ORBISQUE_DRIVE")); copies;) {
        ASSERT_NO_FATAL_FAILURE(Attach());
        Do("c27 c17");
        ASSERT_TRUE(Within(5000, [] { return GetDlgItem(hwnd, 319); })) << "no board of 20 pairs";
        for (int pair = 0; pair < 20; pair++)
            Do("C" + std::to_string(pair) + " S" + std::to_string(pair));
        ASSERT_TRUE(Within(5000, [] { return GetDlgItem(hwnd, 23); })) << "no way out";
        DWORD id, code = 1;
        GetWindowThreadProcessId(hwnd, &id);
        HANDLE program = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
        --copies ? Key(VK_F4, VK_MENU) : Do("c23");
        EXPECT_EQ(WaitForSingleObject(program, 20000), WAIT_OBJECT_0);
        EXPECT_TRUE(GetExitCodeProcess(program, &code) && code == 0) << "exit code " << code;
        CloseHandle(program);
    }
}
