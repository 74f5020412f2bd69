// Drives the real main window in-process and watches, through the program's own import
// table, what it asks of the platform.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

// Every PlaySoundA call, as "click fail ...": the stem of "Sounds\<stem>.wav", marked '!'
// where the module or the flags are not the plain ones.
extern std::string cues;
extern std::set<HGDIOBJ> liveObjects; // fonts and brushes made and not yet deleted
// Every TextOutA call, as "x,y colour/background font 'text'", the font as Looks tells it
// against the paint's own: Times New Roman of no weight and the default character set.
extern std::vector<std::string> painted;
// A font as a person sees it: "24px Tahoma", its character height and face; where any other
// field is not as designed (all 0 but `weight` and `charset`), all of them between, in LOGFONTA's
// order from width to pitch ("24px [0 0 0 0 0 0 1 1 0 0 0 0] Times New Roman": struck out); "no
// font" for a handle that holds none.
std::string Looks(HGDIOBJ font, LONG weight, BYTE charset);
extern std::string refuse; // "RegisterClassA" or "CreateWindowExA": the platform refuses it
// Every MessageBoxA, as "owner|text|caption|style " and answered OK, and every SetTimer, as
// "timer id period ", with '!' after it where it has a callback.
extern std::string asked;

// The main window as WinMain makes it, shown and painted, with the game's seed fixed.
void StartProgram(unsigned seed = 1);
// Inputs, separated by blanks (through the system's input when `realInput`, as to another
// program's window): "c17" presses control 17 as the mouse does, "C3" and "S3" the
// capital and the country of pair 3, "m17" is a WM_COMMAND 17 from nowhere, "H18" presses control
// 18 through the system's mouse and holds it across a tick, "k" a key to the window, "K" a Space
// through the system's input to whatever holds the focus, "b" a left and "r" a right click on the
// background, "t9" nine ticks, "uC3h" ticks until the scan hides capital slot 3 ("s" shows), "w"
// ticks until a button blinks, "wC3" until a blink hides the capital of pair 3. Whatever they post
// (paints) is delivered after each.
void Do(const std::string &inputs);
extern bool realInput;
void Pump();    // delivers what is posted; a quit is left for the test to find
int QuitCode(); // of the quit message posted, taking it; -1 when none is
// Waits up to `ms` for `done`, as a person waits for what they mean to press to appear.
template <typename F> bool Within(DWORD ms, F done)
{
    for (DWORD start = GetTickCount(); !done(); Sleep(1))
        if (GetTickCount() - start > ms)
            return false;
    return true;
}
extern const int screenDpi; // of the prefix the run is in: 120 where ORBISQUE_EXPECT_DPI says so
// The system's mouse: MOUSEEVENTF_ `flags`, moved to the screen point `at` where they say so.
void Mouse(DWORD flags, POINT at = {});
void Key(WORD key, WORD with = 0); // pressed and let go, `with` held around it
// Match every pair left: by mouse, or with scanning on by the given switch ("k" or "b").
void FinishGame(const char *press = "k");
std::vector<std::string> Controls(); // "ID 'text' style x,y wxh [greyed] [checked]" each
// Steps: inputs, and what must stand after them: the cues since the last step, then on the
// selection screen the settings (see Harness.cpp); on the game screen the header line as last
// painted ("City = |Oslo|State = |"), the half scanned next (C or S), the choices counted and
// any button hidden. A third entry is the scan of the ticks that follow, as "C0:shs - C1:h".
void Play(const std::vector<std::vector<std::string>> &steps);
