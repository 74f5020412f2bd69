#include "Harness.h"
#include "ImportHook.h"

#include <mmsystem.h>

#include <fcntl.h>
#include <io.h>
#include <sstream>

#include <gtest/gtest.h>

#include "app/MainWindow.h"
#include "content/Random.h"
#include "state/State.h"

std::string cues;
std::set<HGDIOBJ> liveObjects;
std::vector<std::string> painted;
std::string refuse, asked;
bool realInput;
const int screenDpi = getenv("ORBISQUE_EXPECT_DPI") ? 120 : 96;

namespace
{

decltype(&PlaySoundA) realPlaySound;
decltype(&CreateFontIndirectA) realCreateFont;
decltype(&CreateSolidBrush) realCreateBrush;
decltype(&DeleteObject) realDeleteObject;
decltype(&TextOutA) realTextOut;
decltype(&RegisterClassA) realRegisterClass;
decltype(&CreateWindowExA) realCreateWindow;
decltype(&SetTimer) realSetTimer;

BOOL WINAPI RecordPlaySound(LPCSTR sound, HMODULE module, DWORD flags)
{
    std::string cue = std::string(sound).substr(7); // less "Sounds\"
    cues += (cues.empty() ? "" : " ") + cue.substr(0, cue.find(".wav")) +
            (module || flags != (SND_FILENAME | SND_ASYNC) ? "!" : "");
    return realPlaySound(sound, module, flags);
}

// A font or a brush made: live until deleted.
template <typename Object, typename From, Object(WINAPI **real)(From)> Object WINAPI Made(From from)
{
    Object made = (*real)(from);
    liveObjects.insert(made);
    return made;
}

BOOL WINAPI RecordDeleteObject(HGDIOBJ object)
{
    liveObjects.erase(object);
    return realDeleteObject(object);
}

BOOL WINAPI RecordTextOut(HDC hdc, int x, int y, LPCSTR text, int length)
{
    char line[200];
    snprintf(line, sizeof line, "%d,%d %06lX/%06lX %s '%.*s'", x, y, GetTextColor(hdc),
             GetBkColor(hdc), Looks(GetCurrentObject(hdc, OBJ_FONT), 0, DEFAULT_CHARSET).c_str(),
             length, text);
    painted.push_back(line);
    return realTextOut(hdc, x, y, text, length);
}

ATOM WINAPI RecordRegisterClass(const WNDCLASSA *wc)
{
    return refuse == "RegisterClassA" ? 0 : realRegisterClass(wc);
}

HWND WINAPI RecordCreateWindow(DWORD ex, LPCSTR cls, LPCSTR title, DWORD style, int x, int y, int w,
                               int h, HWND parent, HMENU menu, HINSTANCE inst, LPVOID data)
{
    return refuse == "CreateWindowExA"
               ? NULL
               : realCreateWindow(ex, cls, title, style, x, y, w, h, parent, menu, inst, data);
}

UINT_PTR WINAPI RecordSetTimer(HWND window, UINT_PTR id, UINT ms, TIMERPROC call)
{
    asked += "timer " + std::to_string(id) + " " + std::to_string(ms) + (call ? "! " : " ");
    return realSetTimer(window, id, ms, call);
}

int WINAPI RecordMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    asked += std::to_string((INT_PTR)owner) + "|" + text + "|" + caption + "|" +
             std::to_string(type) + " ";
    return IDOK;
}

char doing[80]; // the input being given
int keyUps;     // WM_KEYUP delivered: a real key's press is over

// A fault fails the test it happens in, named with its code, place and the input being given.
// Wine and 64-bit Windows swallow one raised in a window procedure that a system call sends to,
// and under Wine a crash can still end the process with exit code 0; this handler sees every
// exception first. Those below the error severity (debug output, C++ throws, RPC notices) pass.
LONG CALLBACK Faulted(EXCEPTION_POINTERS *e)
{
    const EXCEPTION_RECORD *r = e->ExceptionRecord;
    if ((r->ExceptionCode & 0xC0000000) != 0xC0000000)
        return EXCEPTION_CONTINUE_SEARCH;
    HMODULE module = NULL;
    char name[MAX_PATH] = "?";
    RtlPcToFileHeader(r->ExceptionAddress, (void **)&module);
    GetModuleFileNameA(module, name, sizeof name);
    char what[MAX_PATH + 100];
    snprintf(what, sizeof what, "exception %08lX at %s+0x%llX, at input '%s'", r->ExceptionCode,
             strrchr(name, '\\') ? strrchr(name, '\\') + 1 : name,
             (unsigned long long)((BYTE *)r->ExceptionAddress - (BYTE *)module), doing);
    fprintf(stderr, "%s\n", what); // in case the process does not live to report it
    fflush(stderr);
    if (r->ExceptionCode != EXCEPTION_STACK_OVERFLOW)
        ADD_FAILURE() << what;
    return EXCEPTION_CONTINUE_SEARCH;
}

// A program caught in a loop, or a fault that comes back at every paint, fails its test soon,
// naming the input; at CTest's timeout it would end with nothing said.
DWORD WINAPI Watchdog(void *)
{
    Sleep(15000);
    fprintf(stderr, "no answer within 15 s, at input '%s'\n", doing);
    ExitProcess(1);
}

} // namespace

std::string Looks(HGDIOBJ font, LONG weight, BYTE charset)
{
    LOGFONTA lf = {}, as = {}; // a handle that holds no font leaves lf as it is
    if (GetObjectA(font, sizeof lf, &lf) != sizeof lf)
        return "no font";
    as.lfHeight = lf.lfHeight, as.lfWeight = weight, as.lfCharSet = charset;
    memcpy(as.lfFaceName, lf.lfFaceName, LF_FACESIZE);
    char seen[200];
    int n = snprintf(seen, sizeof seen, "%ldpx ", -lf.lfHeight);
    if (memcmp(&lf, &as, sizeof lf))
        snprintf(seen + n, sizeof seen - n, "[%ld %ld %ld %ld %d %d %d %d %d %d %d %d] ",
                 lf.lfWidth, lf.lfEscapement, lf.lfOrientation, lf.lfWeight, lf.lfItalic,
                 lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision,
                 lf.lfClipPrecision, lf.lfQuality, lf.lfPitchAndFamily);
    return seen + std::string(lf.lfFaceName);
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        if (msg.message == WM_QUIT)
            return PostQuitMessage((int)msg.wParam);
        else if (msg.message != WM_TIMER) // ticks are the tests' to give
            keyUps += msg.message == WM_KEYUP, DispatchMessageA(&msg);
}

void StartProgram(unsigned seed)
{
    auto two = [] { return Rand() * 32768 + Rand(); };
    Srand(seed);
    RegisterMainClass(GetModuleHandleA(NULL));
    ShowWindow(CreateMainWindow(GetModuleHandleA(NULL)), SW_SHOWNORMAL);
    int drawn = two();
    Srand(seed);
    EXPECT_NE(drawn, two()) << "the generator is not seeded from the clock at start";
    Srand(seed); // the game is drawn only at its start, so this fixes its board
    Pump();
}

void Mouse(DWORD flags, POINT at)
{
    INPUT in = {INPUT_MOUSE,
                {{at.x * 65536 / GetSystemMetrics(SM_CXSCREEN),
                  at.y * 65536 / GetSystemMetrics(SM_CYSCREEN), 0, flags, 0, 0}}};
    SendInput(1, &in, sizeof in);
}

// Pressed in the middle and let go there; `held` across a tick of the scan's timer: another
// program's own, or here one given once the press has arrived.
void Press(HWND button, bool held)
{
    RECT r;
    GetWindowRect(button, &r);
    // The move travels with each press, so that it cannot land where the pointer was.
    for (DWORD press : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
        Mouse(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | press,
              {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        bool down = press == MOUSEEVENTF_LEFTDOWN; // in-process, until it has been taken
        (void)(realInput || Within(1000, [&] { return Pump(), (GetCapture() == button) == down; }));
        if (held && down) {
            realInput ? Sleep(450) : (void)SendMessageA(hwnd, WM_TIMER, 1, 0);
            EXPECT_TRUE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED)
                << "a press held across a tick was let go, on control " << GetDlgCtrlID(button);
        }
    }
    Sleep(realInput ? 50 : 0);
}

void Key(WORD key, WORD with)
{
    INPUT in[4] = {};
    int n = 0;
    for (int i = 0; i < 4; i++) // `with` down, the key down and up, `with` up
        if (WORD k = i % 3 ? key : with)
            in[n].type = INPUT_KEYBOARD, in[n++].ki = {k, 0, i < 2 ? 0u : KEYEVENTF_KEYUP, 0, 0};
    SendInput(n, in, sizeof *in);
}

namespace
{

// One tick, told as what it did: "C3s" capital slot 3 shown, "S0h" country slot 0 hidden, "-".
std::string TickAndWatch()
{
    bool capital = flashingQuestion, show = flipFlop;
    SendMessageA(hwnd, WM_TIMER, 1, 0);
    if (flipFlop == show)
        return "-";
    HWND button = (capital ? hwndCityButs : hwndStateButs)[flashingButton];
    EXPECT_EQ(IsWindowVisible(button) != 0, show) << flashingButton;
    return (capital ? "C" : "S") + std::to_string(flashingButton) + (show ? "s" : "h");
}

// As many ticks as `expected` tells, told as `expected` is written: a button's blinks in a row
// as "C3:hshs" (capital slot 3 hidden, shown, ...), a tick that blinks nothing as "-".
std::string Scanned(const std::string &expected)
{
    std::string told, last;
    for (char c : expected) // a tick for each of its blinks and dashes
        if (c == 'h' || c == 's' || c == '-') {
            std::string now = TickAndWatch(), button = now.substr(0, now.size() - 1); // "" for "-"
            told += now == "-"       ? " -"
                    : button == last ? std::string(1, now.back())
                                     : " " + button + ":" + now.back();
            last = button;
        }
    return told.substr(told.empty() ? 0 : 1);
}

} // namespace

void Do(const std::string &inputs)
{
    std::istringstream words(inputs);
    for (std::string in; words >> in; Pump()) {
        snprintf(doing, sizeof doing, "%s", in.c_str());
        int n = atoi(in.c_str() + 1), tries = 0, ups = keyUps;
        HWND control = NULL;
        auto standing = [&] { // the control named, there to be pressed
            control = GetDlgItem(hwnd, n + (in[0] == 'C' ? 200 : in[0] == 'S' ? 300 : 0));
            return IsWindowEnabled(control) && IsWindowVisible(control);
        };
        switch (in[0]) {
        case 'm': SendMessageA(hwnd, WM_COMMAND, n, 0); break;
        case 'k': SendMessageA(hwnd, WM_KEYDOWN, VK_RETURN, 1); break;
        case 'K': // waits, in-process, until this thread has taken the key's release
            Key(VK_SPACE);
            ASSERT_TRUE(realInput || Within(1000, [&] { return Pump(), keyUps > ups; }));
            break;
        case 'b': SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(740, 5)); break;
        case 'r': SendMessageA(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(740, 5)); break;
        case 't':
            while (n--)
                SendMessageA(hwnd, WM_TIMER, 1, 0);
            break;
        case 'u':
        case 'w':
            if (in.size() > 1 && in[0] == 'w') { // a button named: until a blink hides it
                control = GetDlgItem(hwnd, atoi(&in[2]) + (in[1] == 'C' ? 200 : 300));
                ASSERT_TRUE(control) << "no " << in;
            }
            while (in[0] == 'u' ? TickAndWatch() != in.substr(1)
                   : control    ? (TickAndWatch(), IsWindowVisible(control))
                                : TickAndWatch() == "-")
                ASSERT_LT(++tries, 1000) << "the scan never comes to " << in;
            break;
        default:
            // Another program shows a control only at the end of its creation: wait, as a
            // person waits to see it.
            ASSERT_TRUE(Within(realInput ? 5000 : 0, standing)) << "no " << in;
            realInput || in[0] == 'H' ? Press(control, in[0] == 'H')
                                      : (void)SendMessageA(control, BM_CLICK, 0, 0);
        }
    }
    *doing = 0;
}

void FinishGame(const char *press)
{
    // The board tells the pairs: capital 200 + n and country 300 + n. By mouse each country
    // alone first, then its capital; by the switch each capital at its blink, then its country.
    for (int pair = 0; pair < kMaxPairs; pair++) {
        std::string n = std::to_string(pair);
        if (GetDlgItem(hwnd, 300 + pair))
            Do(scanOn ? "wC" + n + " " + press + " wS" + n + " " + press : "S" + n + " C" + n);
    }
}

int QuitCode()
{
    MSG quit = {};
    return PeekMessageA(&quit, NULL, WM_QUIT, WM_QUIT, PM_REMOVE) ? (int)quit.wParam : -1;
}

std::vector<std::string> Controls()
{
    std::vector<std::string> all;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(NULL, hwnd, (POINT *)&r, 2);
        // The button control gives a checked radio button a tab stop of its own accord.
        char text[64], line[160];
        GetWindowTextA(c, text, sizeof text);
        snprintf(line, sizeof line, "%d '%s' %08lX %ld,%ld %ldx%ld%s%s", GetDlgCtrlID(c), text,
                 GetWindowLongA(c, GWL_STYLE) & ~(WS_DISABLED | WS_TABSTOP), r.left, r.top,
                 r.right - r.left, r.bottom - r.top, IsWindowEnabled(c) ? "" : " greyed",
                 SendMessageA(c, BM_GETCHECK, 0, 0) ? " checked" : "");
        all.push_back(line);
    }
    return all;
}

void Play(const std::vector<std::vector<std::string>> &steps)
{
    for (const auto &step : steps) {
        painted.clear();
        Do(step[0]);
        std::string after = cues + " / ", header;
        cues.clear();
        // The settings: pairs, buttons left, font, the continent flags (all but easy, Africa,
        // America, Europe, Asia), scanning, blinks; then the controls in creation order: '.',
        // or 'x' checked, '-' greyed, '+' both.
        if (currentScreen == kSelectionScreen) {
            after += std::to_string(noSelected) + " " + std::to_string(buttonsLeft) + " " +
                     std::to_string(fontSize) + " ";
            for (bool flag : {easyOk, africaOk, americaOk, europeOk, asiaOk, scanOn})
                after += flag ? '1' : '0';
            after += " " + std::to_string(blinks) + " ";
            for (const std::string &c : Controls())
                after +=
                    ".x-+"[(c.find(" checked") < c.size()) + 2 * (c.find(" greyed") < c.size())];
        } else {
            for (const std::string &line : painted)
                header += line.substr(line.find('\'') + 1, line.size() - line.find('\'') - 2) + "|";
            after += header.substr(std::min(header.rfind("City = "), header.size())) +
                     (flashingQuestion ? " C " : " S ") + std::to_string(buttonsClicked);
        }
        for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            after += IsWindowVisible(c) ? "" : " hidden " + std::to_string(GetDlgCtrlID(c));
        EXPECT_EQ(after, step[1]) << step[0];
        std::string scan = step.size() > 2 ? step[2] : ""; // no ticks where none is told
        EXPECT_EQ(Scanned(scan), scan) << step[0];
    }
}

int main(int argc, char **argv)
{
    _setmode(_fileno(stdout), _O_BINARY); // CTest reads the test list: no carriage returns
    AddVectoredExceptionHandler(1, Faulted);
    realPlaySound = HookImport("PlaySoundA", RecordPlaySound);
    realCreateFont =
        HookImport("CreateFontIndirectA", Made<HFONT, const LOGFONTA *, &realCreateFont>);
    realCreateBrush = HookImport("CreateSolidBrush", Made<HBRUSH, COLORREF, &realCreateBrush>);
    realDeleteObject = HookImport("DeleteObject", RecordDeleteObject);
    realTextOut = HookImport("TextOutA", RecordTextOut);
    realRegisterClass = HookImport("RegisterClassA", RecordRegisterClass);
    realCreateWindow = HookImport("CreateWindowExA", RecordCreateWindow);
    realSetTimer = HookImport("SetTimer", RecordSetTimer);
    HookImport("MessageBoxA", RecordMessageBox); // answered at once: no one is there to click
    if (!getenv("ORBISQUE_DRIVE")) {
        testing::GTEST_FLAG(filter) = "-Drive.*"; // e2e.sh plays them, on the built exe
        CreateThread(NULL, 0, Watchdog, NULL, 0, NULL);
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
