#pragma once

// Takes the keyboard focus back from a control, wherever keys must not press one.
void KeepFocus();
// The scanning check box "Scanning On??".
void ToggleScanning();
// A blink-count button, "2" to "5" (IDs 19 to 22).
void SetBlinks(int id);
// One tick of the 300 ms timer: blink the button under the scan, or move on.
void ScanTick();
// A key press or a left click on the main window: choose the blinking button.
void SwitchPressed();
