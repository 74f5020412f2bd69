// Fonts sized in points, and what each screen draws.
#include <gtest/gtest.h>

#include "app/EZFont.h"
#include "state/State.h"
#include "support/Harness.h"

namespace
{

// Font heights asked for by tenths of a point: at 96 and at 120 dots per inch.
const struct {
    int deciPoints, at96, at120;
} kSizes[] = {{460, 61, 77}, {280, 37, 47}, {240, 32, 40}, {180, 24, 30}, {120, 16, 20}};

int Dpi()
{
    const char *expected = getenv("ORBISQUE_EXPECT_DPI"); // set where the prefix has 120
    return expected ? atoi(expected) : 96;
}

// What a paint drew, a line a text: place, text, colour on background, height in points.
std::vector<std::string> Painted()
{
    std::vector<std::string> lines;
    for (const auto &d : Repaint()) {
        int points = 0;
        for (const auto &s : kSizes)
            if (-d.fontHeight == (Dpi() == 120 ? s.at120 : s.at96))
                points = s.deciPoints / 10;
        char line[160];
        snprintf(line, sizeof line, "%d,%d %06lX/%06lX %dpt %s '%s'", d.x, d.y, d.colour,
                 d.background, points, d.face.c_str(), d.text.c_str());
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(EzCreateFont, SizesInPointsAndLeavesTheContextAsItWas)
{
    HDC screen = GetDC(NULL);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), Dpi());
    HDC hdc = CreateCompatibleDC(screen);
    SetGraphicsMode(hdc, GM_ADVANCED);
    XFORM scale = {2, 0, 0, 2, 5, 7};
    SetWorldTransform(hdc, &scale);
    SetViewportOrgEx(hdc, 11, 13, NULL);
    HGDIOBJ before = GetCurrentObject(hdc, OBJ_FONT);
    for (const auto &s : kSizes) {
        fontsMade.clear();
        HFONT font = EzCreateFont(hdc, "Times New Roman", s.deciPoints, 0, 0, TRUE);
        EXPECT_EQ(fontsMade.size(), 1u) << "width 0: made once";
        EXPECT_EQ(fontsMade[0].lfHeight, -(Dpi() == 120 ? s.at120 : s.at96)) << s.deciPoints;
        EXPECT_EQ(fontsMade[0].lfWeight, 0);
        DeleteObject(font);
    }
    // Attributes, and a width scaled from the font's own (made twice, the first deleted).
    liveObjects.clear();
    DeleteObject(EzCreateFont(hdc, "Tahoma", 240, 480, 3, TRUE));
    EXPECT_TRUE(liveObjects.empty());
    LOGFONTA lf = fontsMade.back();
    EXPECT_EQ(lf.lfWeight * 10 + lf.lfItalic + lf.lfUnderline + lf.lfStrikeOut, 7001);
    EXPECT_GT(lf.lfWidth, 0);

    XFORM after;
    POINT origin;
    GetWorldTransform(hdc, &after);
    GetViewportOrgEx(hdc, &origin);
    EXPECT_TRUE(after.eM11 == 2 && after.eDx == 5 && origin.x == 11);
    EXPECT_EQ(GetGraphicsMode(hdc), GM_ADVANCED);
    EXPECT_EQ(GetCurrentObject(hdc, OBJ_FONT), before);
    DeleteDC(hdc);
    ReleaseDC(NULL, screen);
}

TEST(Paint, EachScreenAsDesigned)
{
    StartProgram();
    EXPECT_EQ(Painted(),
              (std::vector<std::string>{
                  "-30,0 FF00FF/FFFFFF 46pt Times New Roman '                Orbisque'",
                  "48,70 FF0000/FFFFFF 28pt Times New Roman 'Hello! Let's find the capital cities'",
                  "30,130 000000/FFFFFF 18pt Times New Roman 'Please choose in which continents "
                  "you wish to find the capitals'",
                  "30,230 000000/FFFFFF 18pt Times New Roman 'Select how many Orbisque you want to "
                  "find - 12, 16 or 20'",
                  "10,330 000000/FFFFFF 18pt Times New Roman 'Confident? - Click here - '",
                  "10,400 000000/FFFFFF 18pt Times New Roman 'Switch access - click here to set "
                  "scanning - '",
                  "100,440 000000/FFFFFF 18pt Times New Roman 'Number of blinks?'",
              }));
    currentScreen = kGameScreen;
    EXPECT_EQ(Painted(), (std::vector<std::string>{
                             "10,0 FF0000/00FFFF 24pt Times New Roman 'City = '",
                             "430,0 0000FF/00FFFF 24pt Times New Roman 'State = '",
                         }));
    strcpy(cityString, "Falkland Islands");
    strcpy(stateString, "Equ. Guinea");
    questionSet = answerSet = true;
    EXPECT_EQ(Painted(), (std::vector<std::string>{
                             "10,0 FF0000/00FFFF 24pt Times New Roman 'City = '",
                             "100,0 FF0000/00FFFF 24pt Times New Roman 'Falkland Islands'",
                             "430,0 0000FF/00FFFF 24pt Times New Roman 'State = '",
                             "530,0 0000FF/00FFFF 24pt Times New Roman 'Equ. Guinea'",
                         }));
    currentScreen = kFinalScreen;
    std::vector<std::string> final = Painted();
    ASSERT_EQ(final.size(), 4u);
    EXPECT_EQ(final[0],
              "50,100 000000/FFFFFF 24pt Times New Roman 'Well done! You found all the Capitals'");
    EXPECT_EQ(final[1], "50,200 000000/FFFFFF 24pt Times New Roman 'Why not try again?'");
    EXPECT_EQ(final[3].substr(0, 40), "50,465 000000/FFFFFF 12pt Times New Roma");
    // Uncovering a corner of the final screen still repaints all of it.
    texts.clear();
    RECT corner = {0, 0, 10, 10};
    InvalidateRect(hwnd, &corner, TRUE);
    UpdateWindow(hwnd);
    EXPECT_EQ(texts.size(), 4u);
}

TEST(Paint, ThousandsOfPaintsLeaveNoFontOrBrushBehind)
{
    StartProgram();
    for (int screen : {kSelectionScreen, kGameScreen, kFinalScreen}) {
        currentScreen = screen;
        liveObjects.clear();
        fontsMade.clear();
        for (int i = 0; i < 1000; i++)
            Repaint();
        EXPECT_GE(fontsMade.size(), 1000u) << screen;
        EXPECT_TRUE(liveObjects.empty()) << screen << ": " << liveObjects.size() << " left";
    }
}
