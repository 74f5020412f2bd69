#pragma once

#include <windows.h>

// Create the capital buttons in their shuffled slots and the country buttons in draw order.
void BuildBoard();
// Destroy one game button together with the font it was given.
void DestroyGameButton(HWND button);
