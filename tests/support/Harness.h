// Drives the real main window in-process and watches what the program asks of the platform.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

// Create the main window with the program's own class and window procedure, as WinMain does.
HWND StartProgram();
// Deliver everything posted to this thread (paints, timers) without waiting for more.
void Pump();

HWND Child(int id);
// Press a control as the mouse would: the button sends its own command.
void Click(int id);
// A WM_COMMAND as if from a control, whether it exists or not.
void Command(int id);
void Tick(int times = 1);
void KeyPress(WPARAM key = VK_SPACE);
// One tick, told as what it did: "C3s" capital slot 3 shown, "S0h" country slot 0 hidden, "-".
std::string TickAndWatch();
// Tick until the scan blinks the given button ("C3", "S0"); false if it never does.
bool TickUntil(const std::string &button);
// Match every pair left on the board: by mouse, or with scanning on by the switch given.
void FinishGame(void (*press)() = [] { KeyPress(); });
void ClickBackground(int x = 740, int y = 5);

std::string TextOf(HWND window);
// A control as one line: ID, text, style, place, size, and its enabled and check states.
std::string Describe(HWND control);
std::vector<std::string> Controls(); // every child of the main window, in creation order
bool IsChecked(int id);
RECT PlaceOf(HWND child); // in the main window's client coordinates

// Every PlaySoundA call, in order: the path, and whether module and flags were as they must be.
struct Cue {
    std::string path;
    bool plain; // no module, SND_FILENAME | SND_ASYNC only
};
extern std::vector<Cue> cues;
std::vector<std::string> CuePaths();

// Fonts and brushes created through gdi32 and not yet deleted, and every font requested.
extern std::set<HGDIOBJ> liveObjects;
extern std::vector<LOGFONTA> fontsMade;

// Every TextOutA call with the colours and font height it was drawn in.
struct Drawn {
    int x, y;
    std::string text;
    COLORREF colour, background;
    LONG fontHeight;
    std::string face;
};
extern std::vector<Drawn> texts;
// Repaint the whole client area now and return what was drawn.
std::vector<Drawn> Repaint();

// Start a game with the given pairs and continent boxes; the seed fixes the board.
void StartGame(int pairs, std::vector<int> continentIds, unsigned seed);
