#pragma once

#include <windows.h>

extern const char szAppName[];

// Declare the main window's class; 0 when the platform refuses it.
ATOM RegisterMainClass(HINSTANCE hInstance);
// Create the main window; its creation handler builds the selection screen.
HWND CreateMainWindow(HINSTANCE hInstance);
