// make bench: Orbisque against the yardstick (the start-up work every copy must do, and no more)
// and a bare window, side by side in one run.
//   bench             start-up, peak memory and sizes of the exes, then the message costs
//   bench messages    (run by the above, one game per process) the window procedure's cost
#include <windows.h>
#include <mmsystem.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "../tests/ImportHook.h"
#include "app/MainWindow.h"
#include "state/State.h"

namespace
{

double Now()
{
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return 1e6 * t.QuadPart / f.QuadPart; // microseconds
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Start {
    double ms;
    SIZE_T peak;
};

// The client area as the screen shows it.
std::vector<DWORD> Pixels(HWND w)
{
    RECT r;
    GetClientRect(w, &r);
    POINT origin = {0, 0};
    ClientToScreen(w, &origin);
    HDC screen = GetDC(NULL);
    HDC copy = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
    HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, r.right, r.bottom, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(copy, old);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = r.right;
    bi.bmiHeader.biHeight = -r.bottom;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    std::vector<DWORD> pixels(r.right * r.bottom);
    GetDIBits(copy, bitmap, 0, r.bottom, pixels.data(), &bi, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(NULL, screen);
    return pixels;
}

// From process creation to its first window painted and the program waiting for input.
Start Launch(const char *exe, const char *cls, std::vector<DWORD> *pixels = nullptr)
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    char line[MAX_PATH];
    strcpy(line, exe);
    double t0 = Now();
    if (!CreateProcessA(NULL, line, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) {
        fprintf(stderr, "cannot start %s\n", exe);
        exit(1);
    }
    WaitForInputIdle(pi.hProcess, 20000);
    HWND w;
    while (!(w = FindWindowA(cls, NULL)) || !IsWindowVisible(w))
        Sleep(1);
    double ms = (Now() - t0) / 1000;
    Sleep(300); // let the start sound's thread and the first ticks settle
    if (pixels)
        *pixels = Pixels(w);
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc);
    PostMessageA(w, WM_CLOSE, 0, 0);
    WaitForSingleObject(pi.hProcess, 20000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return {ms, pmc.PeakWorkingSetSize};
}

long SizeOf(const char *file)
{
    WIN32_FILE_ATTRIBUTE_DATA a;
    return GetFileAttributesExA(file, GetFileExInfoStandard, &a) ? (long)a.nFileSizeLow : -1;
}

// pause: milliseconds before each, unmeasured, so that the cue before has ended as it has when
// a child plays.
double Cost(int times, const std::function<void()> &message, int pause = 0)
{
    std::vector<double> v;
    for (int i = 0; i < times; i++) {
        if (pause)
            Sleep(pause);
        double t0 = Now();
        message();
        v.push_back(Now() - t0);
    }
    return Median(v);
}

// Time spent inside PlaySoundA, which the program calls through this exe's import table: the
// slot is pointed at a wrapper that adds the call's time up, so a handler's own work shows.
double inPlaySound; // microseconds
decltype(&PlaySoundA) realPlaySound;

BOOL WINAPI TimedPlaySound(LPCSTR sound, HMODULE module, DWORD flags)
{
    double t0 = Now();
    BOOL ok = realPlaySound(sound, module, flags);
    inPlaySound += Now() - t0;
    return ok;
}

void Send(UINT message, WPARAM wParam = 0)
{
    SendMessageA(hwnd, message, wParam, 0);
}

// One WM_PAINT of the whole client area, its erase included; the buttons, which paint
// themselves, are brought up to date outside the measure.
double Paint()
{
    std::vector<double> v;
    for (int i = 0; i < 500; i++) {
        InvalidateRect(hwnd, NULL, TRUE);
        double t0 = Now();
        Send(WM_PAINT);
        v.push_back(Now() - t0);
        UpdateWindow(hwnd);
    }
    return Median(v);
}

struct Split {
    double whole, sound, own; // medians, each of its own
};

// A capital chosen by mouse, and how much of that was spent in PlaySoundA.
Split Choose(int times, int pause)
{
    static int capital = 0;
    std::vector<double> sound, own;
    double whole = Cost(
        times,
        [&] {
            double t = Now(), before = inPlaySound;
            Send(WM_COMMAND, 200 + (capital ^= 1));
            sound.push_back(inPlaySound - before);
            own.push_back(Now() - t - sound.back());
        },
        pause);
    return {whole, Median(sound), Median(own)};
}

int Messages()
{
    realPlaySound = HookImport("PlaySoundA", TimedPlaySound);
    // Where a start goes: the creation handler (controls, timer, start cue), the first paint.
    double t0 = Now();
    RegisterMainClass(GetModuleHandleA(NULL));
    HWND window = CreateMainWindow(GetModuleHandleA(NULL));
    double t1 = Now();
    double startCue = inPlaySound;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    double t2 = Now();
    auto click = [] { realPlaySound("Sounds\\click.wav", NULL, SND_FILENAME | SND_ASYNC); };
    double cue = Cost(200, click), lone = Cost(30, click, 100);
    double selection = Paint();
    Send(WM_COMMAND, 18); // scanning on for the ticks
    Send(WM_COMMAND, 27);
    Send(WM_COMMAND, 17);
    double tick = Cost(5000, [] { Send(WM_TIMER, 1); });
    double game = Paint();
    scanOn = false; // the mouse's own commands from here on
    Split choice = Choose(2000, 0), spaced = Choose(30, 100);
    for (int i = 0; i < noSelected; i++) {
        Send(WM_COMMAND, 200 + i);
        Send(WM_COMMAND, 300 + i);
    }
    double final = Paint();
    auto under = [](double us) { return us < 1000 ? "yes" : "NO"; };
    printf("  WM_TIMER, scanning on          %8.1f us\n", tick);
    printf("  WM_PAINT, selection screen     %8.1f us\n", selection);
    printf("  WM_PAINT, game screen          %8.1f us\n", game);
    printf("  WM_PAINT, final screen         %8.1f us\n", final);
    printf("  WM_COMMAND, a capital chosen   %8.1f us (back to back)\n", choice.whole);
    printf("    in the PlaySoundA it makes   %8.1f us, the rest %.1f us\n", choice.sound,
           choice.own);
    printf("  WM_COMMAND, a capital chosen   %8.1f us (0.1 s apart, as a child plays)\n",
           spaced.whole);
    printf("    in the PlaySoundA it makes   %8.1f us, the rest %.1f us\n", spaced.sound,
           spaced.own);
    double most = std::max({tick, selection, game, final, choice.own, spaced.own});
    printf("  every message under 1 ms, the program's own work: %s\n", under(most));
    printf("  every message under 1 ms, PlaySoundA included: %s back to back, %s 0.1 s apart\n",
           under(std::max(most, choice.whole)), under(std::max(most, spaced.whole)));
    printf("The platform's alone, for comparison:\n");
    printf("  PlaySoundA of the click cue    %8.1f us (back to back)\n", cue);
    printf("  PlaySoundA of the click cue    %8.1f us (0.1 s apart)\n", lone);
    printf("The first window in a fresh process, mostly the platform's first-use costs:\n");
    printf("  creation                       %8.1f us (14 controls, timer, start cue)\n", t1 - t0);
    printf("    in the start cue's PlaySoundA%8.1f us\n", startCue);
    printf("  first show and paint           %8.1f us (fonts found and loaded once)\n", t2 - t1);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && !strcmp(argv[1], "messages"))
        return Messages();
    const int runs = 15;
    // The bare window also once with the start cue, to show what the sound costs by itself.
    const struct {
        const char *line, *cls;
    } exes[] = {{"Orbisque.exe", "Orbisque"},
                {"bench\\yardstick.exe", "Yardstick"},
                {"bench\\bare.exe", "Bare"},
                {"bench\\bare.exe sound", "Bare"}};
    const int n = sizeof exes / sizeof *exes;
    std::vector<double> ms[n];
    double peak[n] = {}; // KB
    // Once each unmeasured: Wine's desktop and caches come up. The yardstick only measures
    // the required work while it draws the very screen that Orbisque draws.
    std::vector<DWORD> screens[2];
    for (int e = 0; e < n; e++)
        Launch(exes[e].line, exes[e].cls, e < 2 ? &screens[e] : nullptr);
    size_t differ = 0;
    if (screens[0].size() != screens[1].size())
        differ = screens[0].size();
    else
        for (size_t i = 0; i < screens[0].size(); i++)
            differ += screens[0][i] != screens[1][i];
    for (int i = 0; i < runs; i++) { // alternated, so that all meet the same machine
        for (int e = 0; e < n; e++) {
            Start s = Launch(exes[e].line, exes[e].cls);
            ms[e].push_back(s.ms);
            peak[e] = std::max(peak[e], s.peak / 1024.0);
        }
    }
    double so = Median(ms[0]), sy = Median(ms[1]), sb = Median(ms[2]), ss = Median(ms[3]);
    // Each run's two launches meet the same load from other programs, so their ratio is
    // steadier than the ratio of the two medians.
    std::vector<double> paired;
    for (int i = 0; i < runs; i++)
        paired.push_back(ms[0][i] / ms[1][i]);
    double ratio = Median(paired);
    auto met = [](double ratio) { return ratio <= 1.05 ? "met" : "NOT met"; };
    printf("The yardstick's window is Orbisque's selection screen: %s (%zu pixels differ)\n",
           differ ? "NO" : "yes", differ);
    printf("Start to first painted window, median of %d runs each:\n", runs);
    printf("  Orbisque %.1f ms, yardstick %.1f ms: %.3fx run by run (target <= 1.05x: %s)\n", so,
           sy, ratio, met(ratio));
    printf("  bare window %.1f ms (Orbisque %.3fx), with the start cue %.1f ms\n", sb, so / sb, ss);
    printf("Peak working set:\n");
    printf("  Orbisque %.0f KB, yardstick %.0f KB: %.3fx (target <= 1.05x: %s)\n", peak[0], peak[1],
           peak[0] / peak[1], met(peak[0] / peak[1]));
    printf("  bare window %.0f KB (Orbisque %.3fx), with the start cue %.0f KB\n", peak[2],
           peak[0] / peak[2], peak[3]);
    printf("Release exes (target < 300 KB each):\n");
    printf("  32-bit Orbisque.exe %ld bytes\n", SizeOf("..\\win32\\Orbisque.exe"));
    printf("  64-bit Orbisque.exe %ld bytes\n", SizeOf("Orbisque.exe"));
    printf("Cost of one message through the window procedure, median:\n");
    fflush(stdout);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    char line[] = "bench\\bench.exe messages";
    CreateProcessA(NULL, line, NULL, NULL, TRUE, 0, NULL, NULL, &si, &pi);
    WaitForSingleObject(pi.hProcess, 120000);
    return 0;
}
