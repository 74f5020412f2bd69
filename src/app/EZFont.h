#pragma once

#include <windows.h>

enum { EZ_ATTR_BOLD = 1, EZ_ATTR_ITALIC = 2, EZ_ATTR_UNDERLINE = 4, EZ_ATTR_STRIKEOUT = 8 };

// A font of the given face whose size is in tenths of a point, whatever the context's world
// transform and origins. fLogRes: logical rather than physical dots per inch. The caller owns
// and deletes the font; null when it cannot be made.
HFONT EzCreateFont(HDC hdc, const char *szFaceName, int iDeciPtHeight, int iDeciPtWidth,
                   int iAttributes, BOOL fLogRes);
