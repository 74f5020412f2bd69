#pragma once

// The scanning check box (ID 18) and the blink-count buttons (IDs 19 to 22).
void ScanningCommand(int id);
// One tick of the 300 ms timer: blink the button under the scan, or move on.
void ScanTick();
// A key press or a left click on the main window: choose the blinking button.
void SwitchPressed();
