#pragma once

// The WM_PAINT handler: the fixed texts of the current screen.
void PaintScreen();
