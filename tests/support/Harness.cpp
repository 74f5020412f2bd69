#include "support/Harness.h"

#include <mmsystem.h>

#include <cstring>
#include <fcntl.h>
#include <io.h>

#include <gtest/gtest.h>

#include "app/ControlIds.h"
#include "app/MainWindow.h"
#include "content/Random.h"
#include "state/State.h"

std::vector<Cue> cues;
std::set<HGDIOBJ> liveObjects;
std::vector<LOGFONTA> fontsMade;
std::vector<Drawn> texts;

namespace
{

// Import table patching: the program keeps calling the real functions by their real names.
void **ImportSlot(const char *dll, const char *function)
{
    BYTE *base = (BYTE *)GetModuleHandleA(NULL);
    auto *nt = (IMAGE_NT_HEADERS *)(base + ((IMAGE_DOS_HEADER *)base)->e_lfanew);
    auto dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto *imp = (IMAGE_IMPORT_DESCRIPTOR *)(base + dir.VirtualAddress); imp->Name; imp++) {
        if (lstrcmpiA((const char *)(base + imp->Name), dll) != 0)
            continue;
        auto *names = (IMAGE_THUNK_DATA *)(base + imp->OriginalFirstThunk);
        auto *slots = (IMAGE_THUNK_DATA *)(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; names++, slots++) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            auto *byName = (IMAGE_IMPORT_BY_NAME *)(base + names->u1.AddressOfData);
            if (strcmp((const char *)byName->Name, function) == 0)
                return (void **)&slots->u1.Function;
        }
    }
    return nullptr;
}

template <typename F> F Hook(const char *dll, const char *function, F replacement)
{
    void **slot = ImportSlot(dll, function);
    if (!slot)
        return nullptr;
    DWORD protect;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protect);
    F real = (F)*slot;
    *slot = (void *)replacement;
    VirtualProtect(slot, sizeof *slot, protect, &protect);
    return real;
}

decltype(&PlaySoundA) realPlaySound;
decltype(&CreateFontIndirectA) realCreateFont;
decltype(&CreateSolidBrush) realCreateBrush;
decltype(&DeleteObject) realDeleteObject;
decltype(&TextOutA) realTextOut;

BOOL WINAPI RecordPlaySound(LPCSTR sound, HMODULE module, DWORD flags)
{
    cues.push_back({sound ? sound : "", module == NULL && flags == (SND_FILENAME | SND_ASYNC)});
    return realPlaySound(sound, module, flags);
}

HFONT WINAPI RecordCreateFont(const LOGFONTA *lf)
{
    HFONT font = realCreateFont(lf);
    fontsMade.push_back(*lf);
    if (font)
        liveObjects.insert(font);
    return font;
}

HBRUSH WINAPI RecordCreateBrush(COLORREF colour)
{
    HBRUSH brush = realCreateBrush(colour);
    if (brush)
        liveObjects.insert(brush);
    return brush;
}

BOOL WINAPI RecordDeleteObject(HGDIOBJ object)
{
    liveObjects.erase(object);
    return realDeleteObject(object);
}

BOOL WINAPI RecordTextOut(HDC hdc, int x, int y, LPCSTR text, int length)
{
    LOGFONTA lf = {};
    GetObjectA(GetCurrentObject(hdc, OBJ_FONT), sizeof lf, &lf);
    texts.push_back({x, y, std::string(text, length), GetTextColor(hdc), GetBkColor(hdc),
                     lf.lfHeight, lf.lfFaceName});
    return realTextOut(hdc, x, y, text, length);
}

} // namespace

std::vector<Drawn> Repaint()
{
    texts.clear();
    RedrawWindow(hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return texts;
}

HWND StartProgram()
{
    RegisterMainClass(GetModuleHandleA(NULL));
    HWND window = CreateMainWindow(GetModuleHandleA(NULL));
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    Pump();
    return window;
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage((int)msg.wParam); // left for the test to find
            return;
        }
        if (msg.message == WM_TIMER && msg.hwnd == hwnd)
            continue; // ticks are the tests' to give, one at a time
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

HWND Child(int id)
{
    return GetDlgItem(hwnd, id);
}

void Click(int id)
{
    HWND button = Child(id);
    ASSERT_NE(button, nullptr) << "no control " << id;
    ASSERT_TRUE(IsWindowEnabled(button) && IsWindowVisible(button)) << "cannot press " << id;
    SendMessageA(button, BM_CLICK, 0, 0);
    Pump();
}

void Command(int id)
{
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    Pump();
}

void Tick(int times)
{
    for (int i = 0; i < times; i++)
        SendMessageA(hwnd, WM_TIMER, kScanTimer, 0);
}

std::string TickAndWatch()
{
    bool capital = flashingQuestion, show = flipFlop;
    Tick();
    if (flipFlop == show)
        return "-";
    HWND button = (capital ? hwndCityButs : hwndStateButs)[flashingButton];
    EXPECT_EQ(IsWindowVisible(button) != 0, show) << flashingButton;
    return (capital ? "C" : "S") + std::to_string(flashingButton) + (show ? "s" : "h");
}

bool TickUntil(const std::string &button)
{
    for (int ticks = 0; ticks < 2000; ticks++)
        if (TickAndWatch().rfind(button, 0) == 0)
            return true;
    return false;
}

void FinishGame(void (*press)())
{
    while (currentScreen == kGameScreen) {
        if (!scanOn) {
            for (int i = 0; i < noSelected; i++)
                if (statePresent[i]) {
                    Click(kIdCityBase + i);
                    Click(kIdStateBase + i);
                }
            continue;
        }
        // Whichever capital blinks first, then its country.
        while (TickAndWatch()[0] != 'C') {
        }
        press();
        ASSERT_TRUE(questionSet);
        ASSERT_TRUE(TickUntil("S" + std::to_string(cityHit)));
        press();
    }
}

void KeyPress(WPARAM key)
{
    SendMessageA(hwnd, WM_KEYDOWN, key, 1);
    SendMessageA(hwnd, WM_KEYUP, key, 0xC0000001);
}

void ClickBackground(int x, int y)
{
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

std::string TextOf(HWND window)
{
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string Describe(HWND control)
{
    RECT r = PlaceOf(control);
    // The button control gives a checked radio button a tab stop of its own accord.
    char line[160];
    snprintf(line, sizeof line, "%d '%s' %08lX %ld,%ld %ldx%ld%s%s", GetDlgCtrlID(control),
             TextOf(control).c_str(),
             GetWindowLongA(control, GWL_STYLE) & ~(WS_DISABLED | WS_TABSTOP), r.left, r.top,
             r.right - r.left, r.bottom - r.top, IsWindowEnabled(control) ? "" : " greyed",
             SendMessageA(control, BM_GETCHECK, 0, 0) ? " checked" : "");
    return line;
}

std::vector<std::string> Controls()
{
    std::vector<std::string> all;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        all.push_back(Describe(c));
    return all;
}

bool IsChecked(int id)
{
    return SendMessageA(Child(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

RECT PlaceOf(HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(NULL, hwnd, (POINT *)&r, 2);
    return r;
}

std::vector<std::string> CuePaths()
{
    std::vector<std::string> paths;
    for (const Cue &c : cues)
        paths.push_back(c.path);
    return paths;
}

void StartGame(int pairs, std::vector<int> continentIds, unsigned seed)
{
    Click(pairs == 12 ? kId12Capitals : pairs == 16 ? kId16Capitals : kId20Capitals);
    for (int id : continentIds)
        Click(id);
    Srand(seed);
    Click(kIdStart);
}

int main(int argc, char **argv)
{
    // CTest reads the test list through a pipe: plain newlines, no carriage returns.
    _setmode(_fileno(stdout), _O_BINARY);
    realPlaySound = Hook("winmm.dll", "PlaySoundA", RecordPlaySound);
    realCreateFont = Hook("gdi32.dll", "CreateFontIndirectA", RecordCreateFont);
    realCreateBrush = Hook("gdi32.dll", "CreateSolidBrush", RecordCreateBrush);
    realDeleteObject = Hook("gdi32.dll", "DeleteObject", RecordDeleteObject);
    realTextOut = Hook("gdi32.dll", "TextOutA", RecordTextOut);
    if (!realPlaySound || !realCreateFont || !realCreateBrush || !realDeleteObject ||
        !realTextOut) {
        fprintf(stderr, "could not watch the program's platform calls\n");
        return 2;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
