#include "access/Scanning.h"

#include "app/ControlIds.h"
#include "audio/Sound.h"
#include "game/Commands.h"
#include "game/Matching.h"
#include "state/State.h"

namespace
{

void SwitchHalf()
{
    k = 0;
    blinkCounter = 0;
    flashingQuestion = !flashingQuestion;
    butSelected = repeatKey; // a press in the new half waits for its first blink
}

// A game button keeps the keyboard focus after a press, even one dragged off it and so never
// sent as a command, and the platform may focus any child; the switch's keys must come here.
// Only while we are in front: taking the focus would otherwise pull the window forward.
void KeepFocus()
{
    if (currentScreen == kGameScreen && GetForegroundWindow() == hwnd && !IsIconic(hwnd) &&
        GetFocus() != hwnd)
        SetFocus(hwnd);
}

} // namespace

void ToggleScanning()
{
    PlayCue(clickCue);
    scanOn = !scanOn;
    for (HWND b : hwndBlinks)
        EnableWindow(b, scanOn);
}

void SetBlinks(int id)
{
    blinks = id - 17;
    PlayCue(clickCue);
    for (HWND b : hwndBlinks)
        SendMessageA(b, BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(hwndBlinks[blinks - 2], BM_SETCHECK, BST_CHECKED, 0);
}

void ScanTick()
{
    if (!flashOn || !scanOn)
        return;
    KeepFocus();
    const bool *present = flashingQuestion ? cityPresent : statePresent;
    HWND *buttons = flashingQuestion ? hwndCityButs : hwndStateButs;

    while (k < noSelected && !present[k])
        k++;
    if (k >= noSelected) {
        SwitchHalf();
        return;
    }

    if (blinkCounter < blinks) {
        flashingButton = k;
        if (flipFlop) {
            ShowWindow(buttons[k], SW_SHOWNORMAL);
            blinkCounter++;
        } else {
            ShowWindow(buttons[k], SW_HIDE);
        }
        butSelected = flashingQuestion ? order[k] : k;
        flipFlop = !flipFlop;
        return;
    }

    // Advance tick: the button just left was last shown, so it stays visible.
    if (k < noSelected - 1) {
        k++;
        blinkCounter = 0;
    } else {
        SwitchHalf();
    }
}

void SwitchPressed()
{
    if (scanOn && butSelected != repeatKey) {
        if (flashingQuestion) {
            if (flashingButton < noSelected && cityPresent[flashingButton]) {
                cityHit = butSelected;
                CityButtonHit();
            }
        } else if (butSelected >= 0 && butSelected < noSelected && statePresent[butSelected]) {
            stateHit = butSelected;
            StateButtonHit();
        }
    }
    if (currentScreen == kFinalScreen) {
        ShowCursor(TRUE);
        CreateByeButton();
    }
}
