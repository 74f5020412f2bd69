// Plays the running Orbisque.exe from outside, as a person at the screen would: finds its
// window, reads the buttons off it and clicks or presses keys through the system's input.
// Usage: driver selection|mouse|switch [screenshot prefix] [copies open]
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "content/Catalogue.h"
#include "state/State.h"

namespace
{

HWND mainWindow;
std::string shots;

[[noreturn]] void Fail(const char *what)
{
    fprintf(stderr, "driver: %s\n", what);
    exit(1);
}

template <typename F> void WaitFor(F done, const char *what, int ms = 5000)
{
    for (DWORD start = GetTickCount(); !done(); Sleep(5))
        if (GetTickCount() - start > (DWORD)ms)
            Fail(what);
}

std::string Text(HWND w)
{
    char text[64] = "";
    GetWindowTextA(w, text, sizeof text);
    return text;
}

std::vector<HWND> Buttons()
{
    std::vector<HWND> all;
    EnumChildWindows(
        mainWindow,
        [](HWND w, LPARAM all) {
            ((std::vector<HWND> *)all)->push_back(w);
            return TRUE;
        },
        (LPARAM)&all);
    return all;
}

// The upper half holds the continents and the capitals; the lower the rest.
bool Upper(HWND button)
{
    RECT r;
    GetWindowRect(button, &r);
    POINT p = {r.left, r.top};
    ScreenToClient(mainWindow, &p);
    return p.y < 250;
}

HWND Find(const std::string &text, bool upper)
{
    for (HWND b : Buttons())
        if (Text(b) == text && Upper(b) == upper)
            return b;
    return NULL;
}

void Click(HWND button)
{
    // The move travels with the press, so that the press cannot land where the pointer was.
    RECT r;
    GetWindowRect(button, &r);
    INPUT in[3] = {};
    for (INPUT &i : in) {
        i.type = INPUT_MOUSE;
        i.mi.dx = (r.left + r.right) / 2 * 65536 / GetSystemMetrics(SM_CXSCREEN);
        i.mi.dy = (r.top + r.bottom) / 2 * 65536 / GetSystemMetrics(SM_CYSCREEN);
        i.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    in[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    in[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(3, in, sizeof *in);
    Sleep(50);
}

void PressKey()
{
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = VK_SPACE;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof *in);
}

void Shot(const char *name)
{
    if (shots.empty())
        return;
    Sleep(400); // let the paint land
    RECT r;
    GetWindowRect(mainWindow, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(NULL), mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    BITMAPINFOHEADER bi = {sizeof bi, w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> pixels(((w * 3 + 3) & ~3) * h);
    GetDIBits(mem, bmp, 0, h, pixels.data(), (BITMAPINFO *)&bi, DIB_RGB_COLORS);
    BITMAPFILEHEADER bf = {0x4D42, DWORD(sizeof bf + sizeof bi + pixels.size()), 0, 0,
                           sizeof bf + sizeof bi};
    FILE *f = fopen((shots + name + ".bmp").c_str(), "wb");
    if (!f)
        Fail("cannot write the screenshot");
    fwrite(&bf, sizeof bf, 1, f);
    fwrite(&bi, sizeof bi, 1, f);
    fwrite(pixels.data(), pixels.size(), 1, f);
    fclose(f);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(NULL, screen);
}

std::string CountryOf(const std::string &capital)
{
    for (int i = 1; i < kCatalogueSize; i++)
        if (capital == city$[i])
            return state$[i];
    Fail("a capital that is not in the catalogue");
}

void Choose(const char *count, bool scanning)
{
    if (scanning) {
        Click(Find("Scanning On??", false));
        Click(Find("2", false));
    }
    Click(Find("Europe", true));
    Click(Find(count, false));
    Click(Find("I'll go with my choices", false));
    WaitFor([] { return Buttons().size() >= 24; }, "no game board");
}

HWND AnyCapital()
{
    for (HWND b : Buttons())
        if (Upper(b))
            return b;
    return NULL;
}

void PlayByMouse()
{
    Choose("12 Capitals", false);
    for (int pair = 0; HWND capital = AnyCapital(); pair++) {
        HWND country = Find(CountryOf(Text(capital)), false);
        Click(capital);
        if (pair == 2)
            Shot("game");
        Click(country);
        WaitFor([&] { return !IsWindow(capital) && !IsWindow(country); }, "pair not removed");
    }
}

// Waits for a button of the wanted half to be hidden by a blink, and measures the ticks.
std::vector<double> tickGaps;
LARGE_INTEGER lastBlink, frequency;

HWND WaitForBlink(bool capitals, const std::string &text = "")
{
    std::vector<HWND> buttons = Buttons();
    std::vector<bool> shown;
    for (HWND b : buttons)
        shown.push_back(IsWindowVisible(b));
    for (DWORD start = GetTickCount(); GetTickCount() - start < 60000; Sleep(1)) {
        for (size_t i = 0; i < buttons.size(); i++) {
            bool now = IsWindowVisible(buttons[i]);
            if (now == shown[i] || !IsWindow(buttons[i]))
                continue;
            shown[i] = now;
            LARGE_INTEGER t;
            QueryPerformanceCounter(&t);
            double gap = 1000.0 * (t.QuadPart - lastBlink.QuadPart) / frequency.QuadPart;
            if (lastBlink.QuadPart && gap < 450)
                tickGaps.push_back(gap);
            lastBlink = t;
            if (!now && Upper(buttons[i]) == capitals && (text.empty() || Text(buttons[i]) == text))
                return buttons[i];
        }
    }
    Fail("no blink");
}

void PlayBySwitch()
{
    QueryPerformanceFrequency(&frequency);
    Choose("12 Capitals", true);
    // A stray click on a game button chooses nothing, and must not take the keys away.
    Click(AnyCapital());
    while (AnyCapital()) {
        HWND capital = WaitForBlink(true);
        PressKey();
        lastBlink.QuadPart = 0;
        HWND country = WaitForBlink(false, CountryOf(Text(capital)));
        PressKey();
        lastBlink.QuadPart = 0;
        WaitFor([&] { return !IsWindow(capital) && !IsWindow(country); }, "pair not removed");
    }
    double sum = 0, worst = 0;
    for (double g : tickGaps) {
        sum += g;
        worst = std::fmax(worst, std::fabs(g - 300));
    }
    printf("tick period over %zu ticks: mean %.1f ms, worst deviation %.1f ms\n", tickGaps.size(),
           sum / tickGaps.size(), worst);
    if (tickGaps.size() < 30 || std::fabs(sum / tickGaps.size() - 300) > 30)
        Fail("the scan does not tick every 300 ms");
    PressKey(); // on the final screen: the pointer comes back with the return button
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        Fail("usage: driver selection|mouse|switch [screenshot prefix]");
    shots = argc > 2 ? argv[2] : "";
    LoadArrays();
    static int copies = argc > 3 ? atoi(argv[3]) : 1;
    WaitFor(
        [] {
            int open = 0;
            for (HWND w = NULL; (w = FindWindowExA(NULL, w, "Orbisque", NULL)); open++)
                mainWindow = w;
            return open >= copies;
        },
        "not all copies open", 30000);
    // With two copies open, a person plays one and drags the other aside.
    EnumWindows(
        [](HWND w, LPARAM) {
            char cls[16] = "";
            GetClassNameA(w, cls, sizeof cls);
            if (w != mainWindow && !strcmp(cls, "Orbisque"))
                SetWindowPos(w, HWND_BOTTOM, 1100, 30, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
            return TRUE;
        },
        0);
    SetWindowPos(mainWindow, HWND_TOP, 25, 30, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(mainWindow);
    WaitFor([] { return Buttons().size() == 14; }, "not fourteen controls");
    Sleep(300);

    if (!strcmp(argv[1], "selection")) {
        Shot("selection");
        PostMessageA(mainWindow, WM_CLOSE, 0, 0);
        return 0;
    }
    if (!strcmp(argv[1], "switch"))
        PlayBySwitch();
    else
        PlayByMouse();
    WaitFor([] { return Find("RETURN TO CHOOSER", false) != NULL; }, "no return button");
    Shot("final");
    Click(Find("RETURN TO CHOOSER", false));
    return 0;
}
