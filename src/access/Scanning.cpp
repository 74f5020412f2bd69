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

} // namespace

// A control pressed keeps the keyboard focus, even after a press dragged off it and so never
// sent as a command, and Space would press it again: on the selection screen that changes a
// choice, and in a scanned game the switch's keys never reach the window. Only while we are in
// front, as taking the focus would pull the window forward, and while nothing is being pressed,
// as taking it then would cancel the press.
void KeepFocus()
{
    bool keysHere = currentScreen == kSelectionScreen || (currentScreen == kGameScreen && scanOn);
    if (keysHere && GetForegroundWindow() == hwnd && !IsIconic(hwnd) && !GetCapture() &&
        GetFocus() != hwnd)
        SetFocus(hwnd);
}

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
    KeepFocus();
    if (!flashOn || !scanOn)
        return;
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
