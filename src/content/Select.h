#pragma once

// Draw noSelected distinct entries of the chosen groups into the game's arrays, in draw order.
void Select();
// Shuffle the capitals' board slots.
void ShuffleArrays();
