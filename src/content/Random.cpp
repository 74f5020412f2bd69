#include "content/Random.h"

#include <windows.h>

static unsigned randState = 1;

void Srand(unsigned seed)
{
    randState = seed;
}

int Rand()
{
    randState = randState * 1103515245u + 12345u;
    return (randState >> 16) & 0x7FFF;
}

unsigned Clock()
{
    FILETIME utc, local;
    GetSystemTimeAsFileTime(&utc);
    FileTimeToLocalFileTime(&utc, &local);
    ULARGE_INTEGER t;
    t.LowPart = local.dwLowDateTime;
    t.HighPart = local.dwHighDateTime;
    const unsigned long long k1601To1970 = 116444736000000000ull; // in 100 ns steps
    return (unsigned)((t.QuadPart - k1601To1970) / 10000);
}
