#pragma once

// The classic generator and clock, as the program's own code so that a game is the same on every
// C runtime for the same seed (MinGW's rand uses other constants, and its clock counts CPU time).
void Srand(unsigned seed);
int Rand();       // 0 to 32767
unsigned Clock(); // local date and time in milliseconds since 1970, reduced to 32 bits
