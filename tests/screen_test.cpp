// The main window, the selection screen and its settings, and what each screen paints.
#include <gtest/gtest.h>

#include "Harness.h"
#include "state/State.h"

namespace
{

// The character heights in pixels of the paint's 46, 28, 24, 18 and 12 points, at 96 and 120 dpi.
const int kPoints[] = {46, 28, 24, 18, 12};
const int kPixels[][5] = {{61, 37, 32, 24, 16}, {77, 47, 40, 30, 20}};

// Repaints it all: what was drawn ("x,y colour/background points 'text'", all in Times New
// Roman, a height not the points' exactly left in pixels), and the colour then left at
// 700,400, on a screen of the dpi the run expects.
std::vector<std::string> Painted()
{
    painted.clear();
    liveObjects.clear();
    RedrawWindow(hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_TRUE(liveObjects.empty()) << "a font or brush outlives its paint";
    for (std::string &line : painted) {
        line.erase(std::min(line.find(" Times New Roman '"), line.size()), 16);
        for (int i = 0; i < 5; i++) {
            std::string px = " " + std::to_string(kPixels[screenDpi == 120][i]) + "px ";
            if (size_t at = line.find(px); at < line.size())
                line.replace(at, px.size(), " " + std::to_string(kPoints[i]) + " ");
        }
    }
    HDC dc = GetDC(hwnd);
    painted.push_back(std::to_string(GetPixel(dc, 700, 400)));
    ReleaseDC(hwnd, dc);
    return painted;
}

} // namespace

TEST(Start, EndsAtOnceWhenThePlatformRefusesTheWindow)
{
    // What is refused; what WinMain then returns and asks: the message box, and no timer.
    const struct {
        const char *refused;
        int code;
        const char *asked;
    } kRefusals[] = {
        {"RegisterClassA", 0, "0|This program requires Windows NT!|Orbisque|16 "},
        {"CreateWindowExA", 1, ""}, // not 0: no game was played
    };
    for (const auto &r : kRefusals) {
        refuse = r.refused;
        EXPECT_EQ(WinMain(GetModuleHandleA(NULL), NULL, (LPSTR) "", SW_SHOWNORMAL), r.code)
            << r.refused;
        EXPECT_EQ(asked + "/" + cues, r.asked + std::string("/")) << r.refused;
        asked.clear();
    }
}

TEST(Selection, OpensAsDesignedAndItsSettingsChangeTheGame)
{
    StartProgram();
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(std::to_string(r.left + r.top * 1000) + " " + std::to_string(r.right - r.left) + "x" +
                  std::to_string(r.bottom - r.top) + " " +
                  std::to_string(GetWindowLongA(hwnd, GWL_STYLE) & WS_OVERLAPPEDWINDOW) + " " +
                  std::to_string(GetClassLongPtrA(hwnd, GCL_STYLE)),
              "30025 750x520 13565952 3");
    EXPECT_EQ(asked, "timer 1 300 ") << "the scan's ticks: timer 1, every 300 ms, set once";
    EXPECT_EQ(
        Controls(),
        (std::vector<std::string>{
            "14 '12 Capitals' 50000004 100,270 110x20", "15 '16 Capitals' 50000004 300,270 110x20",
            "16 '20 Capitals' 50000004 500,270 110x20 checked",
            "17 'I'll go with my choices' 50020000 260,330 180x30",
            "24 'All but Easy' 50000003 20,170 100x30", "25 'Africa' 50000003 155,170 100x30",
            "26 'America' 50000003 290,170 100x30", "27 'Europe' 50000003 425,170 100x30",
            "28 'Asia and Australasia' 50000003 560,170 155x30",
            "18 'Scanning On?\?' 50020003 440,400 120x30", "19 '2' 50000004 300,440 30x30 greyed",
            "20 '3' 50000004 350,440 30x30 greyed", "21 '4' 50000004 400,440 30x30 greyed checked",
            "22 '5' 50000004 450,440 30x30 greyed"}));
    Play({{"", "success2 / 20 40 17 000000 4 ..x.......--+-"},
          {"c15 K c17 K", "click continent / 16 32 22 000000 4 .x........--+-"},
          {"c14 c25 K c25 K", "click / 12 24 28 000000 4 x.........--+-"},
          {"c17 m19 m23 H18 K", "continent click / 12 24 28 000001 4 x........x..x."},
          {"c19 K c22 K", "click click / 12 24 28 000001 5 x........x...x"},
          {"c18 K c24 c28 c25 c27 K", "click / 12 24 28 110110 5 x...xx.xx.---+"},
          {"c16", "click / 20 40 17 110110 5 ..x.xx.xx.---+"},
          {"c28 c25 c27 c17", "success1 / City = |State = | C 0"}}); // "All but Easy" alone
    EXPECT_EQ(QuitCode(), -1) << "the way out's command ended the program before its screen";
}

TEST(Paint, EachScreenAsDesigned)
{
    StartProgram();
    EXPECT_EQ(Painted(),
              (std::vector<std::string>{
                  "-30,0 FF00FF/FFFFFF 46 '                Orbisque'",
                  "48,70 FF0000/FFFFFF 28 'Hello! Let's find the capital cities'",
                  "30,130 000000/FFFFFF 18 'Please choose in which continents you wish "
                  "to find the capitals'",
                  "30,230 000000/FFFFFF 18 'Select how many Orbisque you want to find - "
                  "12, 16 or 20'",
                  "10,330 000000/FFFFFF 18 'Confident? - Click here - '",
                  "10,400 000000/FFFFFF 18 'Switch access - click here to set scanning - '",
                  "100,440 000000/FFFFFF 18 'Number of blinks?'", "16777215"}));
    currentScreen = kGameScreen;
    EXPECT_EQ(Painted(), (std::vector<std::string>{"10,0 FF0000/00FFFF 24 'City = '",
                                                   "430,0 0000FF/00FFFF 24 'State = '", "65535"}));
    strcpy(cityString, "Falkland Islands");
    strcpy(stateString, "Equ. Guinea");
    questionSet = answerSet = true;
    EXPECT_EQ(Painted(),
              (std::vector<std::string>{"10,0 FF0000/00FFFF 24 'City = '",
                                        "100,0 FF0000/00FFFF 24 'Falkland Islands'",
                                        "430,0 0000FF/00FFFF 24 'State = '",
                                        "530,0 0000FF/00FFFF 24 'Equ. Guinea'", "65535"}));
    currentScreen = kFinalScreen;
    std::vector<std::string> final = Painted();
    final[2].resize(25), final[3].resize(25); // the feedback and authorship lines are free
    EXPECT_EQ(final, (std::vector<std::string>{
                         "50,100 000000/FFFFFF 24 'Well done! You found all the Capitals'",
                         "50,200 000000/FFFFFF 24 'Why not try again?'",
                         "50,445 000000/FFFFFF 12 '", "50,465 000000/FFFFFF 12 '", "16777215"}));
    // Uncovering a corner of the final screen repaints all of it, on a fresh white.
    HDC dc = GetDC(hwnd);
    PatBlt(dc, 0, 0, 750, 520, BLACKNESS);
    RECT corner = {0, 0, 10, 10};
    RedrawWindow(hwnd, &corner, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(GetPixel(dc, 700, 400), RGB(255, 255, 255));
}
