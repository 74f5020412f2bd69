// The main window, the selection screen and its settings, and the ways out of the program.
#include <gtest/gtest.h>

#include "app/ControlIds.h"
#include "state/State.h"
#include "support/Harness.h"

namespace
{

const char kClick[] = "Sounds\\click.wav";

struct Control {
    int id;
    const char *text;
    DWORD style;
    RECT place;
    bool enabled, checked;
};

const Control kSelectionControls[] = {
    {14, "12 Capitals", 0x50000004, {100, 270, 210, 290}, true, false},
    {15, "16 Capitals", 0x50000004, {300, 270, 410, 290}, true, false},
    {16, "20 Capitals", 0x50000004, {500, 270, 610, 290}, true, true},
    {17, "I'll go with my choices", 0x50020000, {260, 330, 440, 360}, true, false},
    {24, "All but Easy", 0x50000003, {20, 170, 120, 200}, true, false},
    {25, "Africa", 0x50000003, {155, 170, 255, 200}, true, false},
    {26, "America", 0x50000003, {290, 170, 390, 200}, true, false},
    {27, "Europe", 0x50000003, {425, 170, 525, 200}, true, false},
    {28, "Asia and Australasia", 0x50000003, {560, 170, 715, 200}, true, false},
    {18, "Scanning On??", 0x50020003, {440, 400, 560, 430}, true, false},
    {19, "2", 0x50000004, {300, 440, 330, 470}, false, false},
    {20, "3", 0x50000004, {350, 440, 380, 470}, false, false},
    {21, "4", 0x50000004, {400, 440, 430, 470}, false, true},
    {22, "5", 0x50000004, {450, 440, 480, 470}, false, false},
};

bool QuitPosted(int *code)
{
    MSG msg;
    if (!PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE))
        return false;
    *code = (int)msg.wParam;
    return true;
}

} // namespace

TEST(MainWindow, IsDeclaredAndPlacedAsItShouldBe)
{
    HWND window = StartProgram();
    EXPECT_EQ(window, hwnd);
    char cls[32];
    GetClassNameA(window, cls, sizeof cls);
    EXPECT_STREQ(cls, "Orbisque");
    EXPECT_EQ(TextOf(window), "Orbisque");
    EXPECT_EQ(GetClassLongPtrA(window, GCL_STYLE), (ULONG_PTR)(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_HBRBACKGROUND), (ULONG_PTR)GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & ~(WS_VISIBLE | WS_CLIPSIBLINGS),
              WS_OVERLAPPEDWINDOW);
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, 25);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right - r.left, 750);
    EXPECT_EQ(r.bottom - r.top, 520);
}

TEST(MainWindow, ExeCarriesItsVersion)
{
    char exe[] = "..\\Orbisque.exe"; // CTest runs the tests in the build's tests folder
    std::vector<char> info(GetFileVersionInfoSizeA(exe, NULL));
    ASSERT_FALSE(info.empty());
    GetFileVersionInfoA(exe, 0, (DWORD)info.size(), info.data());
    char *value;
    UINT length;
    for (const char *field : {"ProductVersion", "FileVersion"}) {
        std::string key = std::string("\\StringFileInfo\\040904B0\\") + field;
        ASSERT_TRUE(VerQueryValueA(info.data(), key.c_str(), (void **)&value, &length));
        EXPECT_STREQ(value, ORBISQUE_VERSION);
    }
}

TEST(SelectionScreen, HasItsFourteenControls)
{
    StartProgram();
    int count = 0;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        count++;
    EXPECT_EQ(count, 14);

    HWND previous = NULL;
    for (const Control &c : kSelectionControls) {
        SCOPED_TRACE(c.text);
        HWND h = Child(c.id);
        ASSERT_NE(h, nullptr);
        char cls[16];
        GetClassNameA(h, cls, sizeof cls);
        EXPECT_STREQ(cls, "Button");
        EXPECT_EQ(TextOf(h), c.text);
        // The button control gives a checked radio button a tab stop of its own accord.
        EXPECT_EQ((DWORD)GetWindowLongA(h, GWL_STYLE) & ~(WS_DISABLED | WS_TABSTOP), c.style);
        EXPECT_EQ(GetWindowLongA(h, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY, 0);
        RECT r = PlaceOf(h);
        EXPECT_EQ(r.left, c.place.left);
        EXPECT_EQ(r.top, c.place.top);
        EXPECT_EQ(r.right, c.place.right);
        EXPECT_EQ(r.bottom, c.place.bottom);
        EXPECT_EQ(IsWindowEnabled(h) != 0, c.enabled);
        EXPECT_EQ(IsChecked(c.id), c.checked);
        // Created in the order of the table: each lies below the one before in z-order.
        if (previous) {
            EXPECT_EQ(GetWindow(previous, GW_HWNDNEXT), h);
        }
        previous = h;
    }
    EXPECT_EQ(questions[2], Child(kId20Capitals));
    EXPECT_EQ(hwndBlinks[0], Child(kIdBlinks2));
}

TEST(SelectionScreen, StartsWithTheStartCueAndTheTimer)
{
    StartProgram();
    EXPECT_EQ(CuePaths(), std::vector<std::string>{"Sounds\\success2.wav"});
    EXPECT_TRUE(cues[0].plain);
    EXPECT_EQ(noSelected, 20);
    EXPECT_EQ(buttonsLeft, 40);
    EXPECT_EQ(fontSize, 17);
    // The timer is running: a tick arrives within a few periods.
    MSG msg;
    DWORD start = GetTickCount();
    bool ticked = false;
    while (!ticked && GetTickCount() - start < 2000)
        ticked = PeekMessageA(&msg, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE) && msg.wParam == 1;
    EXPECT_TRUE(ticked);
}

TEST(SelectionScreen, CountButtonsSetTheGame)
{
    StartProgram();
    struct {
        int id, pairs, left, font;
    } steps[] = {{15, 16, 32, 22}, {14, 12, 24, 28}, {16, 20, 40, 17}, {14, 12, 24, 28}};
    for (const auto &s : steps) {
        cues.clear();
        Click(s.id);
        EXPECT_EQ(noSelected, s.pairs);
        EXPECT_EQ(buttonsLeft, s.left);
        EXPECT_EQ(fontSize, s.font);
        for (int id = kId12Capitals; id <= kId20Capitals; id++)
            EXPECT_EQ(IsChecked(id), id == s.id) << "after " << s.id << ", " << id;
        EXPECT_EQ(CuePaths(), std::vector<std::string>{kClick});
    }
}

TEST(SelectionScreen, ContinentBoxesToggleTheirFlagsSilently)
{
    StartProgram();
    struct {
        int id;
        bool *flag;
    } boxes[] = {{24, &easyOk}, {25, &africaOk}, {26, &americaOk}, {27, &europeOk}, {28, &asiaOk}};
    cues.clear();
    for (const auto &b : boxes) {
        Click(b.id);
        EXPECT_TRUE(*b.flag) << b.id;
        EXPECT_TRUE(IsChecked(b.id));
        Click(b.id);
        EXPECT_FALSE(*b.flag) << b.id;
    }
    EXPECT_TRUE(cues.empty());
}

TEST(SelectionScreen, StartWithoutAContinentIsRefused)
{
    StartProgram();
    Click(kIdAfrica);
    Click(kIdAfrica);
    cues.clear();
    for (int i = 0; i < 2; i++)
        Click(kIdStart);
    EXPECT_EQ(CuePaths(),
              (std::vector<std::string>{"Sounds\\continent.wav", "Sounds\\continent.wav"}));
    EXPECT_EQ(currentScreen, 0);
    EXPECT_NE(Child(kIdStart), nullptr);
    EXPECT_NE(Child(kIdBlinks5), nullptr);
}

TEST(SelectionScreen, ScanningBoxEnablesTheBlinkCounts)
{
    StartProgram();
    cues.clear();
    Click(kIdScanning);
    EXPECT_TRUE(scanOn);
    for (HWND b : hwndBlinks)
        EXPECT_TRUE(IsWindowEnabled(b));
    Click(kIdBlinks2);
    EXPECT_EQ(blinks, 2);
    EXPECT_TRUE(IsChecked(kIdBlinks2));
    EXPECT_FALSE(IsChecked(kIdBlinks2 + 2));
    Click(kIdBlinks5);
    EXPECT_EQ(blinks, 5);
    Click(kIdScanning);
    EXPECT_FALSE(scanOn);
    for (HWND b : hwndBlinks)
        EXPECT_FALSE(IsWindowEnabled(b));
    EXPECT_EQ(blinks, 5);
    EXPECT_TRUE(IsChecked(kIdBlinks5));
    EXPECT_EQ(cues.size(), 4u);
    // Disabled, the blink counts cannot be pressed; a stray command changes nothing either.
    Command(kIdBlinks2);
    EXPECT_EQ(blinks, 5);
}

TEST(Exit, ClosingTheWindowQuitsWithZero)
{
    StartProgram();
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    int code = -1;
    EXPECT_TRUE(QuitPosted(&code));
    EXPECT_EQ(code, 0);
}

TEST(Exit, ReturnButtonQuitsWithZeroAndOnlyFromTheFinalScreen)
{
    StartProgram();
    int code = -1;
    Command(kIdReturn); // stray on the selection screen
    EXPECT_FALSE(QuitPosted(&code));
    EXPECT_TRUE(IsWindow(hwnd));

    currentScreen = kFinalScreen;
    Command(0); // any command on the final screen brings up the return button
    HWND bye = Child(kIdReturn);
    ASSERT_NE(bye, nullptr);
    EXPECT_EQ(bye, hwndBye);
    EXPECT_EQ(TextOf(bye), "RETURN TO CHOOSER");
    EXPECT_EQ((DWORD)GetWindowLongA(bye, GWL_STYLE), 0x50020000u);
    RECT r = PlaceOf(bye);
    EXPECT_EQ(r.left, 200);
    EXPECT_EQ(r.top, 300);
    EXPECT_EQ(r.right, 410);
    EXPECT_EQ(r.bottom, 390);
    Click(kIdReturn);
    EXPECT_TRUE(QuitPosted(&code));
    EXPECT_EQ(code, 0);
}
