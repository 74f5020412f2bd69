#include "game/Commands.h"

#include "access/Scanning.h"
#include "app/ControlIds.h"
#include "app/WndProc.h"
#include "audio/Sound.h"
#include "content/Select.h"
#include "game/Board.h"
#include "game/Matching.h"
#include "state/State.h"

namespace
{

// The count buttons, by ID less 14.
const struct {
    int pairs, fontSize;
} kCounts[] = {{12, 28}, {16, 22}, {20, 17}};

void CountCommand(int id)
{
    int n = id - kId12Capitals;
    noSelected = kCounts[n].pairs;
    fontSize = kCounts[n].fontSize;
    for (int i = 0; i < 3; i++)
        SendMessageA(questions[i], BM_SETCHECK, i == n ? BST_CHECKED : BST_UNCHECKED, 0);
    buttonsLeft = 2 * noSelected;
    PlayCue(clickCue);
}

bool *ContinentFlag(int id)
{
    switch (id) {
    case kIdAllButEasy: return &easyOk;
    case kIdAfrica: return &africaOk;
    case kIdAmerica: return &americaOk;
    case kIdEurope: return &europeOk;
    case kIdAsia: return &asiaOk;
    }
    return nullptr;
}

void StartCommand()
{
    if (!africaOk && !americaOk && !europeOk && !asiaOk && !easyOk) {
        PlayCue(continentCue);
        return;
    }
    PlayCue(gameCue);
    currentScreen = kGameScreen;
    EnumChildWindows(hwnd, CloseChildren, 0);

    // Erase what the closed controls uncovered now; the game screen paints after this handler.
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    InvalidateRect(hwnd, NULL, TRUE);

    Select();
    ShuffleArrays();
    BuildBoard();
    k = 0;
    flashOn = true;
    butSelected = repeatKey; // no switch press chooses before the first blink
    ShowCursor(scanOn ? FALSE : TRUE);
}

// A command from a game button names a pair still on the board; anything else is stray.
bool OnBoard(int id)
{
    int pick = id % 100;
    if (currentScreen != kGameScreen || pick >= noSelected)
        return false;
    return id < kIdStateBase ? cityPresent[cityPickedVal[pick]] : statePresent[pick];
}

} // namespace

void CreateByeButton()
{
    if (IsWindow(hwndBye))
        return; // one is enough: a new one would stand exactly on the old
    hwndBye = CreateWindowExA(0, "button", "RETURN TO CHOOSER",
                              WS_CHILD | WS_VISIBLE | WS_GROUP | BS_PUSHBUTTON, 200, 300, 210, 90,
                              hwnd, (HMENU)(INT_PTR)kIdReturn, childinst, NULL);
}

void CommandHandler(int id)
{
    // The selection controls live only on the selection screen; later, their IDs are stray.
    bool selecting = currentScreen == kSelectionScreen;
    bool gameButton = id >= kIdCityBase && id < kIdBandEnd;

    if (selecting && id >= kId12Capitals && id <= kId20Capitals)
        CountCommand(id);
    if (bool *flag = ContinentFlag(id); selecting && flag)
        *flag = !*flag;
    if (selecting && id == kIdScanning)
        ToggleScanning();
    if (selecting && scanOn && id >= kIdBlinks2 && id <= kIdBlinks5)
        SetBlinks(id); // the blink counts are greyed while scanning is off
    if (selecting && id == kIdStart)
        StartCommand();
    KeepFocus(); // before the switch's next press, not at the next tick
    if (gameButton && !scanOn && OnBoard(id)) {
        if (id < kIdStateBase) {
            cityHit = id - kIdCityBase;
            CityButtonHit();
        } else {
            stateHit = id - kIdStateBase;
            StateButtonHit();
        }
    }
    if (currentScreen == kFinalScreen)
        CreateByeButton();
    if (id == kIdReturn && currentScreen == kFinalScreen)
        SendMessageA(hwnd, WM_DESTROY, 0, 0);
}
