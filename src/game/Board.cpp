#include "game/Board.h"

#include <cstring>

#include "app/ControlIds.h"
#include "state/State.h"

namespace
{

// Top-left corners by slot; slots fill the board column by column, four to a column.
const int QX12Pos[] = {30, 30, 30, 30, 270, 270, 270, 270, 510, 510, 510, 510};
const int AX12Pos[] = {30, 30, 30, 30, 270, 270, 270, 270, 510, 510, 510, 510};
const int QY12Pos[] = {50, 100, 150, 200, 50, 100, 150, 200, 50, 100, 150, 200};
const int AY12Pos[] = {280, 330, 380, 430, 280, 330, 380, 430, 280, 330, 380, 430};
const int QX16Pos[] = {20, 20, 20, 20, 200, 200, 200, 200, 380, 380, 380, 380, 560, 560, 560, 560};
const int AX16Pos[] = {20, 20, 20, 20, 200, 200, 200, 200, 380, 380, 380, 380, 560, 560, 560, 560};
const int QY16Pos[] = {50, 100, 150, 200, 50, 100, 150, 200, 50, 100, 150, 200, 50, 100, 150, 200};
const int AY16Pos[] = {280, 330, 380, 430, 280, 330, 380, 430,
                       280, 330, 380, 430, 280, 330, 380, 430};
const int QX20Pos[] = {20,  20,  20,  20,  170, 170, 170, 170, 320, 320,
                       320, 320, 470, 470, 470, 470, 620, 620, 620, 620};
const int AX20Pos[] = {20,  20,  20,  20,  170, 170, 170, 170, 320, 320,
                       320, 320, 470, 470, 470, 470, 620, 620, 620, 620};
const int QY20Pos[] = {50,  100, 150, 200, 50,  100, 150, 200, 50,  100,
                       150, 200, 50,  100, 150, 200, 50,  100, 150, 200};
const int AY20Pos[] = {280, 330, 380, 430, 280, 330, 380, 430, 280, 330,
                       380, 430, 280, 330, 380, 430, 280, 330, 380, 430};

struct Layout {
    int pairs;
    const int *qx, *qy, *ax, *ay;
    int shift, width, height; // shift: added to the tables' x
};

const Layout kLayouts[] = {
    {12, QX12Pos, QY12Pos, AX12Pos, AY12Pos, 0, 210, 40},
    {16, QX16Pos, QY16Pos, AX16Pos, AY16Pos, 0, 160, 30},
    {20, QX20Pos, QY20Pos, AX20Pos, AY20Pos, -12, 124, 30},
};

const Layout &LayoutFor(int pairs)
{
    for (const Layout &l : kLayouts)
        if (l.pairs == pairs)
            return l;
    return kLayouts[2];
}

HWND MakeButton(const char *text, int x, int y, const Layout &l, int id)
{
    return CreateWindowExA(0, "button", text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x + l.shift, y,
                           l.width, l.height, hwnd, (HMENU)(INT_PTR)id, childinst, NULL);
}

// Tahoma at fontSize pixels on a 96 dpi screen, grown in proportion on finer screens.
void GiveFont(HWND button, int logPixelsY)
{
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(fontSize, logPixelsY, 96);
    lf.lfWeight = FW_NORMAL;
    strcpy(lf.lfFaceName, "Tahoma");
    SendMessageA(button, WM_SETFONT, (WPARAM)CreateFontIndirectA(&lf), TRUE);
}

} // namespace

void BuildBoard()
{
    const Layout &l = LayoutFor(noSelected);
    HDC screen = GetDC(NULL);
    int logPixelsY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(NULL, screen);

    for (int i = 0; i < noSelected; i++) {
        int s = order[i];
        hwndCityButs[s] = MakeButton(pickedCity$[i], l.qx[s], l.qy[s], l, kIdCityBase + i);
    }
    for (int s = 0; s < noSelected; s++)
        GiveFont(hwndCityButs[s], logPixelsY);
    for (int i = 0; i < noSelected; i++)
        hwndStateButs[i] = MakeButton(pickedState$[i], l.ax[i], l.ay[i], l, kIdStateBase + i);
    for (int s = 0; s < noSelected; s++)
        GiveFont(hwndStateButs[s], logPixelsY);
}

void DestroyGameButton(HWND button)
{
    HGDIOBJ font = (HGDIOBJ)SendMessageA(button, WM_GETFONT, 0, 0);
    DestroyWindow(button);
    DeleteObject(font); // each button has a font of its own, no longer used
}
