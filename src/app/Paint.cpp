#include "app/Paint.h"

#include <cstring>

#include "app/EZFont.h"
#include "state/State.h"

namespace
{

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kYellow = RGB(255, 255, 0);

const char szString[] = "                Orbisque";
const char greeting[] = "Hello! Let's find the capital cities";
const char question$[] = "City = ";
const char answer$[] = "State = ";
const char complete0[] = "Well done! You found all the Capitals";
const char complete1[] = "Why not try again?";
const char feedback[] = "Found a fault or have an idea? Please write to orbisque@example.org";
const char authorship[] = "Orbisque is written and looked after by the Orbisque team";

struct Text {
    int x, y;
    const char *text;
};

// The prompts of the selection screen, each beside the controls of its row.
const Text kPrompts[] = {
    {30, 130, "Please choose in which continents you wish to find the capitals"},
    {30, 230, "Select how many Orbisque you want to find - 12, 16 or 20"},
    {10, 330, "Confident? - Click here - "},
    {10, 400, "Switch access - click here to set scanning - "},
    {100, 440, "Number of blinks?"},
};

void Say(HDC hdc, int x, int y, const char *text)
{
    TextOutA(hdc, x, y, text, (int)strlen(text));
}

// Select a fresh Times New Roman font of the given tenths of a point and delete the one it
// replaces; the first call replaces the context's own font, which is not ours to delete.
void UseFont(HDC hdc, int deciPoints, bool first)
{
    HFONT font = EzCreateFont(hdc, "Times New Roman", deciPoints, 0, 0, TRUE);
    HGDIOBJ old = SelectObject(hdc, font);
    if (!first && old)
        DeleteObject(old);
}

void ReleaseFont(HDC hdc)
{
    DeleteObject(SelectObject(hdc, GetStockObject(SYSTEM_FONT)));
}

void PaintSelection(HDC hdc)
{
    UseFont(hdc, 460, true);
    SetTextColor(hdc, kMagenta);
    Say(hdc, -30, 0, szString);

    UseFont(hdc, 280, false);
    SetTextColor(hdc, kBlue);
    Say(hdc, 48, 70, greeting);

    UseFont(hdc, 180, false);
    SetTextColor(hdc, RGB(0, 0, 0));
    for (const Text &t : kPrompts)
        Say(hdc, t.x, t.y, t.text);
    ReleaseFont(hdc);
}

void PaintGame(HDC hdc)
{
    RECT rect;
    GetClientRect(hwnd, &rect);
    HBRUSH brush = CreateSolidBrush(kYellow);
    FillRect(hdc, &rect, brush);

    UseFont(hdc, 240, true);
    SetTextColor(hdc, kBlue);
    SetBkColor(hdc, kYellow);
    Say(hdc, 10, 0, question$);
    if (questionSet)
        Say(hdc, 100, 0, cityString);

    SetTextColor(hdc, kRed);
    Say(hdc, 430, 0, answer$);
    if (answerSet)
        Say(hdc, 530, 0, stateString);

    DeleteObject(brush);
    ReleaseFont(hdc);
}

void PaintFinal(HDC hdc)
{
    UseFont(hdc, 240, true);
    Say(hdc, 50, 100, complete0);
    Say(hdc, 50, 200, complete1);

    UseFont(hdc, 120, false);
    Say(hdc, 50, 445, feedback);
    Say(hdc, 50, 465, authorship);
    ReleaseFont(hdc);
}

} // namespace

void PaintScreen()
{
    // The final screen always repaints whole, on a freshly erased background.
    if (currentScreen == kFinalScreen)
        InvalidateRect(hwnd, NULL, TRUE);

    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    switch (currentScreen) {
    case kSelectionScreen: PaintSelection(hdc); break;
    case kGameScreen: PaintGame(hdc); break;
    case kFinalScreen: PaintFinal(hdc); break;
    }
    EndPaint(hwnd, &ps);
}
