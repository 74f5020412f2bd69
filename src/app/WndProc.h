#pragma once

#include <windows.h>

LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Enumeration callback of the game start: closes one selection control.
BOOL CALLBACK CloseChildren(HWND chwnd, LPARAM chlp);
