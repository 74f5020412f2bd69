#include "app/WndProc.h"

#include "access/Scanning.h"
#include "app/ControlIds.h"
#include "app/Paint.h"
#include "audio/Sound.h"
#include "content/Catalogue.h"
#include "content/Random.h"
#include "game/Commands.h"
#include "state/State.h"

namespace
{

const DWORD kRadio = WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON;
const DWORD kPush = WS_CHILD | WS_VISIBLE | WS_GROUP | BS_PUSHBUTTON;
const DWORD kCheck = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX;

// The selection screen, created in this order.
const struct {
    int id;
    const char *text;
    DWORD style;
    int x, y, width, height;
} kSelectionControls[] = {
    {kId12Capitals, "12 Capitals", kRadio, 100, 270, 110, 20},
    {kId16Capitals, "16 Capitals", kRadio, 300, 270, 110, 20},
    {kId20Capitals, "20 Capitals", kRadio, 500, 270, 110, 20},
    {kIdStart, "I'll go with my choices", kPush, 260, 330, 180, 30},
    {kIdAllButEasy, "All but Easy", kCheck, 20, 170, 100, 30},
    {kIdAfrica, "Africa", kCheck, 155, 170, 100, 30},
    {kIdAmerica, "America", kCheck, 290, 170, 100, 30},
    {kIdEurope, "Europe", kCheck, 425, 170, 100, 30},
    {kIdAsia, "Asia and Australasia", kCheck, 560, 170, 155, 30},
    {kIdScanning, "Scanning On??", kCheck | WS_GROUP, 440, 400, 120, 30},
    {kIdBlinks2, "2", kRadio, 300, 440, 30, 30},
    {kIdBlinks2 + 1, "3", kRadio, 350, 440, 30, 30},
    {kIdBlinks2 + 2, "4", kRadio, 400, 440, 30, 30},
    {kIdBlinks5, "5", kRadio, 450, 440, 30, 30},
};

void CreateSelectionControls()
{
    for (const auto &c : kSelectionControls) {
        HWND h = CreateWindowExA(0, "button", c.text, c.style, c.x, c.y, c.width, c.height, hwnd,
                                 (HMENU)(INT_PTR)c.id, childinst, NULL);
        if (c.id >= kId12Capitals && c.id <= kId20Capitals)
            questions[c.id - kId12Capitals] = h;
        if (c.id == kId20Capitals)
            SendMessageA(h, BM_SETCHECK, BST_CHECKED, 0);
        if (c.id >= kIdBlinks2 && c.id <= kIdBlinks5) {
            hwndBlinks[c.id - kIdBlinks2] = h;
            EnableWindow(h, FALSE); // until scanning is ticked
        }
    }
    SendMessageA(hwndBlinks[4 - 2], BM_SETCHECK, BST_CHECKED, 0);
}

void OnCreate(HWND window)
{
    hwnd = window;
    noSelected = 20;
    buttonsLeft = 40;
    fontSize = 17;
    Srand(Clock());
    SetTimer(hwnd, kScanTimer, kScanPeriod, NULL);
    k = 0;
    PlayCue(startCue);
    CreateSelectionControls();
}

} // namespace

BOOL CALLBACK CloseChildren(HWND chwnd, LPARAM)
{
    SendMessageA(chwnd, WM_CLOSE, 0, 0);
    return TRUE;
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    LoadArrays();
    setEasy();

    switch (message) {
    case WM_CREATE: OnCreate(hwnd); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_PAINT: PaintScreen(); return 0;
    case WM_COMMAND: CommandHandler(LOWORD(wParam)); return 0;
    case WM_TIMER: ScanTick(); return 0;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN: SwitchPressed(); return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
