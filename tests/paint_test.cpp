// Fonts sized in points, and what each screen draws.
#include <gtest/gtest.h>

#include "app/EZFont.h"
#include "state/State.h"
#include "support/Harness.h"

namespace
{

int ScreenDpi()
{
    HDC screen = GetDC(NULL);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(NULL, screen);
    return dpi;
}

// Character heights (negative) asked for, by tenths of a point, at 96 and at 120 dots per inch.
struct Size {
    int deciPoints, at96, at120;
};
const Size kSizes[] = {
    {460, -61, -77}, {280, -37, -47}, {240, -32, -40}, {180, -24, -30}, {120, -16, -20}};

LONG HeightFor(int deciPoints)
{
    for (const Size &s : kSizes)
        if (s.deciPoints == deciPoints)
            return ScreenDpi() == 120 ? s.at120 : s.at96;
    return 0;
}

const COLORREF kMagenta = RGB(255, 0, 255), kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0),
               kYellow = RGB(255, 255, 0), kBlack = 0, kWhite = RGB(255, 255, 255);

struct Expected {
    int x, y;
    const char *text; // null: any text, checked by the other fields
    COLORREF colour, background;
    int deciPoints;
};

void ExpectDrawn(const std::vector<Drawn> &drawn, const std::vector<Expected> &expected)
{
    ASSERT_EQ(drawn.size(), expected.size());
    for (size_t i = 0; i < drawn.size(); i++) {
        SCOPED_TRACE(drawn[i].text);
        EXPECT_EQ(drawn[i].x, expected[i].x);
        EXPECT_EQ(drawn[i].y, expected[i].y);
        if (expected[i].text) {
            EXPECT_EQ(drawn[i].text, expected[i].text);
        }
        EXPECT_EQ(drawn[i].colour, expected[i].colour);
        EXPECT_EQ(drawn[i].background, expected[i].background);
        EXPECT_EQ(drawn[i].fontHeight, HeightFor(expected[i].deciPoints));
        EXPECT_EQ(drawn[i].face, "Times New Roman");
    }
}

} // namespace

TEST(EzCreateFont, SizesInPointsAtTheScreensResolution)
{
    int dpi = ScreenDpi();
    const char *expected = getenv("ORBISQUE_EXPECT_DPI");
    ASSERT_EQ(dpi, expected ? atoi(expected) : 96);
    HDC hdc = GetDC(NULL);
    for (const Size &s : kSizes) {
        fontsMade.clear();
        HFONT font = EzCreateFont(hdc, "Times New Roman", s.deciPoints, 0, 0, TRUE);
        ASSERT_NE(font, nullptr);
        ASSERT_EQ(fontsMade.size(), 1u) << "width 0 makes the font once";
        LOGFONTA lf;
        GetObjectA(font, sizeof lf, &lf);
        EXPECT_EQ(lf.lfHeight, dpi == 120 ? s.at120 : s.at96) << s.deciPoints;
        EXPECT_EQ(lf.lfWidth, 0);
        EXPECT_EQ(lf.lfWeight, 0);
        EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
        EXPECT_STREQ(lf.lfFaceName, "Times New Roman");
        DeleteObject(font);
    }
    ReleaseDC(NULL, hdc);
}

TEST(EzCreateFont, HonoursAttributesAndWidthAndLeavesTheContextAsItWas)
{
    HDC hdc = CreateCompatibleDC(NULL);
    SetGraphicsMode(hdc, GM_ADVANCED);
    XFORM scale = {2, 0, 0, 2, 5, 7};
    SetWorldTransform(hdc, &scale);
    SetViewportOrgEx(hdc, 11, 13, NULL);
    HGDIOBJ before = GetCurrentObject(hdc, OBJ_FONT);

    struct {
        int attributes;
        LONG weight;
        BYTE italic, underline, strikeout;
    } cases[] = {{0, 0, 0, 0, 0}, {3, 700, 1, 0, 0}, {12, 0, 0, 1, 1}, {15, 700, 1, 1, 1}};
    for (const auto &c : cases) {
        HFONT font = EzCreateFont(hdc, "Tahoma", 240, 0, c.attributes, TRUE);
        LOGFONTA lf;
        GetObjectA(font, sizeof lf, &lf);
        EXPECT_EQ(lf.lfWeight, c.weight) << c.attributes;
        EXPECT_EQ(lf.lfItalic, c.italic);
        EXPECT_EQ(lf.lfUnderline, c.underline);
        EXPECT_EQ(lf.lfStrikeOut, c.strikeout);
        DeleteObject(font);
    }

    // A width is scaled from the font's own average width: made twice, the first deleted.
    fontsMade.clear();
    liveObjects.clear();
    HFONT wide = EzCreateFont(hdc, "Tahoma", 240, 480, 0, TRUE);
    EXPECT_EQ(fontsMade.size(), 2u);
    EXPECT_EQ(liveObjects.size(), 1u);
    LOGFONTA lf;
    GetObjectA(wide, sizeof lf, &lf);
    EXPECT_GT(lf.lfWidth, 0);
    DeleteObject(wide);

    HFONT flat = EzCreateFont(hdc, "Tahoma", 0, 100, 0, TRUE); // no height: no ratio to scale by
    GetObjectA(flat, sizeof lf, &lf);
    EXPECT_EQ(lf.lfWidth, 0);
    DeleteObject(flat);

    XFORM after;
    GetWorldTransform(hdc, &after);
    EXPECT_EQ(after.eM11, 2);
    EXPECT_EQ(after.eDx, 5);
    POINT origin;
    GetViewportOrgEx(hdc, &origin);
    EXPECT_EQ(origin.x, 11);
    EXPECT_EQ(GetGraphicsMode(hdc), GM_ADVANCED);
    EXPECT_EQ(GetCurrentObject(hdc, OBJ_FONT), before);
    DeleteDC(hdc);
}

TEST(Paint, SelectionScreen)
{
    StartProgram();
    ExpectDrawn(Repaint(),
                {
                    {-30, 0, "                Orbisque", kMagenta, kWhite, 460},
                    {48, 70, nullptr, kBlue, kWhite, 280},
                    {30, 130, "Please choose in which continents you wish to find the capitals",
                     kBlack, kWhite, 180},
                    {30, 230, "Select how many Orbisque you want to find - 12, 16 or 20", kBlack,
                     kWhite, 180},
                    {10, 330, "Confident? - Click here - ", kBlack, kWhite, 180},
                    {10, 400, "Switch access - click here to set scanning - ", kBlack, kWhite, 180},
                    {100, 440, "Number of blinks?", kBlack, kWhite, 180},
                });
}

TEST(Paint, GameScreenHeaderShowsTheLastChoices)
{
    StartProgram();
    currentScreen = kGameScreen;
    liveObjects.clear();
    ExpectDrawn(Repaint(), {{10, 0, "City = ", kBlue, kYellow, 240},
                            {430, 0, "State = ", kRed, kYellow, 240}});

    strcpy(cityString, "Falkland Islands");
    strcpy(stateString, "Equ. Guinea");
    questionSet = answerSet = true;
    ExpectDrawn(Repaint(), {{10, 0, "City = ", kBlue, kYellow, 240},
                            {100, 0, "Falkland Islands", kBlue, kYellow, 240},
                            {430, 0, "State = ", kRed, kYellow, 240},
                            {530, 0, "Equ. Guinea", kRed, kYellow, 240}});
    EXPECT_TRUE(liveObjects.empty()) << "the yellow brush and the font are released";
}

TEST(Paint, FinalScreenRepaintsWhole)
{
    StartProgram();
    currentScreen = kFinalScreen;
    ExpectDrawn(Repaint(), {{50, 100, "Well done! You found all the Capitals", kBlack, kWhite, 240},
                            {50, 200, "Why not try again?", kBlack, kWhite, 240},
                            {50, 445, nullptr, kBlack, kWhite, 120},
                            {50, 465, nullptr, kBlack, kWhite, 120}});
    // Uncovering a corner still repaints everything.
    texts.clear();
    RECT corner = {0, 0, 10, 10};
    InvalidateRect(hwnd, &corner, TRUE);
    UpdateWindow(hwnd);
    EXPECT_EQ(texts.size(), 4u);
}

TEST(Paint, ManyPaintsLeaveNoFontOrBrushBehind)
{
    StartProgram();
    for (int screen : {kSelectionScreen, kGameScreen, kFinalScreen}) {
        currentScreen = screen;
        liveObjects.clear();
        fontsMade.clear();
        for (int i = 0; i < 300; i++)
            Repaint();
        EXPECT_GE(fontsMade.size(), 300u) << screen;
        EXPECT_TRUE(liveObjects.empty()) << screen << ": " << liveObjects.size() << " left";
    }
}
