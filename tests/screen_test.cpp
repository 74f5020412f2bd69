// The main window, the selection screen and its settings, and the ways out of the program.
#include <gtest/gtest.h>

#include "app/ControlIds.h"
#include "state/State.h"
#include "support/Harness.h"

namespace
{

const std::string kClick = "Sounds\\click.wav", kContinent = "Sounds\\continent.wav";

// The settings as one line: pairs, buttons left, font, count marks, the five continent flags
// (all but easy, Africa, America, Europe, Asia), scanning, blinks and the marks of "2" to "5".
std::string Settings()
{
    std::string marks;
    for (int id = kId12Capitals; id <= kId20Capitals; id++)
        marks += IsChecked(id) ? '1' : '0';
    marks += ' ';
    for (bool flag : {easyOk, africaOk, americaOk, europeOk, asiaOk})
        marks += flag ? '1' : '0';
    marks += scanOn ? " scan " : " noscan ";
    for (int id = kIdBlinks2; id <= kIdBlinks5; id++)
        marks += IsChecked(id) ? '1' : (IsWindowEnabled(Child(id)) ? '0' : '-');
    return std::to_string(noSelected) + " " + std::to_string(buttonsLeft) + " " +
           std::to_string(fontSize) + " " + marks + " " + std::to_string(blinks);
}

int QuitCode()
{
    MSG msg;
    return PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE) ? (int)msg.wParam : -1;
}

} // namespace

TEST(SelectionScreen, OpensWithItsWindowControlsCueAndTimer)
{
    StartProgram();
    RECT r;
    GetWindowRect(hwnd, &r);
    char cls[16];
    GetClassNameA(hwnd, cls, sizeof cls);
    EXPECT_EQ(cls + (" '" + TextOf(hwnd) + "' ") + std::to_string(r.left) + "," +
                  std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
                  std::to_string(r.bottom - r.top),
              "Orbisque 'Orbisque' 25,30 750x520");
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(GetClassLongPtrA(hwnd, GCL_STYLE), (ULONG_PTR)(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(GetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND), (ULONG_PTR)GetStockObject(WHITE_BRUSH));

    EXPECT_EQ(Controls(), (std::vector<std::string>{
                              "14 '12 Capitals' 50000004 100,270 110x20",
                              "15 '16 Capitals' 50000004 300,270 110x20",
                              "16 '20 Capitals' 50000004 500,270 110x20 checked",
                              "17 'I'll go with my choices' 50020000 260,330 180x30",
                              "24 'All but Easy' 50000003 20,170 100x30",
                              "25 'Africa' 50000003 155,170 100x30",
                              "26 'America' 50000003 290,170 100x30",
                              "27 'Europe' 50000003 425,170 100x30",
                              "28 'Asia and Australasia' 50000003 560,170 155x30",
                              "18 'Scanning On?\?' 50020003 440,400 120x30",
                              "19 '2' 50000004 300,440 30x30 greyed",
                              "20 '3' 50000004 350,440 30x30 greyed",
                              "21 '4' 50000004 400,440 30x30 greyed checked",
                              "22 '5' 50000004 450,440 30x30 greyed",
                          }));
    EXPECT_EQ(CuePaths(), std::vector<std::string>{"Sounds\\success2.wav"});
    EXPECT_TRUE(cues[0].plain) << "no module, SND_FILENAME | SND_ASYNC";

    MSG msg;
    DWORD start = GetTickCount();
    while (!PeekMessageA(&msg, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE) &&
           GetTickCount() - start < 2000)
        Sleep(10);
    EXPECT_EQ(msg.message, (UINT)WM_TIMER);
}

TEST(SelectionScreen, SettingsChangeTheGameAndClickAsTheyShould)
{
    struct {
        int id;
        bool stray; // sent as a command: the control cannot be pressed now
        const char *after;
        std::vector<std::string> cues;
    } steps[] = {
        {kId16Capitals, false, "16 32 22 010 00000 noscan --1- 4", {kClick}},
        {kId12Capitals, false, "12 24 28 100 00000 noscan --1- 4", {kClick}},
        {kIdAfrica, false, "12 24 28 100 01000 noscan --1- 4", {}},
        {kIdAfrica, false, "12 24 28 100 00000 noscan --1- 4", {}},
        {kIdStart, false, "12 24 28 100 00000 noscan --1- 4", {kContinent}},
        {kIdStart, false, "12 24 28 100 00000 noscan --1- 4", {kContinent}},
        {kIdBlinks2, true, "12 24 28 100 00000 noscan --1- 4", {}},
        {kIdScanning, false, "12 24 28 100 00000 scan 0010 4", {kClick}},
        {kIdBlinks2, false, "12 24 28 100 00000 scan 1000 2", {kClick}},
        {kIdBlinks5, false, "12 24 28 100 00000 scan 0001 5", {kClick}},
        {kIdScanning, false, "12 24 28 100 00000 noscan ---1 5", {kClick}},
        {kIdAllButEasy, false, "12 24 28 100 10000 noscan ---1 5", {}},
        {kIdAsia, false, "12 24 28 100 10001 noscan ---1 5", {}},
        {kId20Capitals, false, "20 40 17 001 10001 noscan ---1 5", {kClick}},
    };
    StartProgram();
    for (const auto &s : steps) {
        cues.clear();
        s.stray ? Command(s.id) : Click(s.id);
        EXPECT_EQ(Settings(), s.after) << "after " << s.id;
        EXPECT_EQ(CuePaths(), s.cues) << "after " << s.id;
    }
    EXPECT_EQ(Controls().size(), 14u) << "a refused start leaves the screen as it was";
}

TEST(Exit, ByTheCloseBoxOrTheReturnButtonWithCodeZero)
{
    StartProgram();
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(QuitCode(), 0);

    StartProgram();
    Command(kIdReturn); // stray while no return button stands
    EXPECT_EQ(QuitCode(), -1);
    currentScreen = kFinalScreen;
    Command(0); // any command on the final screen brings up the return button
    EXPECT_EQ(Describe(hwndBye), "23 'RETURN TO CHOOSER' 50020000 200,300 210x90");
    Click(kIdReturn);
    EXPECT_EQ(QuitCode(), 0);
}

TEST(Exit, ExeCarriesItsVersion)
{
    char exe[] = "..\\Orbisque.exe"; // CTest runs the tests in the build's tests folder
    std::vector<char> info(GetFileVersionInfoSizeA(exe, NULL));
    ASSERT_FALSE(info.empty());
    GetFileVersionInfoA(exe, 0, (DWORD)info.size(), info.data());
    for (const char *field : {"ProductVersion", "FileVersion"}) {
        char *value;
        UINT length;
        std::string key = std::string("\\StringFileInfo\\040904B0\\") + field;
        ASSERT_TRUE(VerQueryValueA(info.data(), key.c_str(), (void **)&value, &length));
        EXPECT_STREQ(value, ORBISQUE_VERSION);
    }
}
