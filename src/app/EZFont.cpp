#include "app/EZFont.h"

#include <cmath>
#include <cstring>

HFONT EzCreateFont(HDC hdc, const char *szFaceName, int iDeciPtHeight, int iDeciPtWidth,
                   int iAttributes, BOOL fLogRes)
{
    SaveDC(hdc);
    SetGraphicsMode(hdc, GM_ADVANCED);
    ModifyWorldTransform(hdc, NULL, MWT_IDENTITY);
    SetViewportOrgEx(hdc, 0, 0, NULL);
    SetWindowOrgEx(hdc, 0, 0, NULL);

    FLOAT cxDpi, cyDpi;
    if (fLogRes) {
        cxDpi = (FLOAT)GetDeviceCaps(hdc, LOGPIXELSX);
        cyDpi = (FLOAT)GetDeviceCaps(hdc, LOGPIXELSY);
    } else {
        cxDpi = (FLOAT)(25.4 * GetDeviceCaps(hdc, HORZRES) / GetDeviceCaps(hdc, HORZSIZE));
        cyDpi = (FLOAT)(25.4 * GetDeviceCaps(hdc, VERTRES) / GetDeviceCaps(hdc, VERTSIZE));
    }

    // Multiplying by the float nearest 1/72, which lies just above it, keeps whole products whole.
    const FLOAT perPoint = 1.0f / 72;
    POINT pt;
    pt.x = (LONG)(iDeciPtWidth * cxDpi * perPoint);
    pt.y = (LONG)(iDeciPtHeight * cyDpi * perPoint);
    DPtoLP(hdc, &pt, 1);

    LOGFONTA lf = {};
    lf.lfHeight = -(LONG)(std::fabs((double)pt.y) * 0.1 + 0.5);
    lf.lfWeight = (iAttributes & EZ_ATTR_BOLD) ? 700 : 0;
    lf.lfItalic = (iAttributes & EZ_ATTR_ITALIC) ? 1 : 0;
    lf.lfUnderline = (iAttributes & EZ_ATTR_UNDERLINE) ? 1 : 0;
    lf.lfStrikeOut = (iAttributes & EZ_ATTR_STRIKEOUT) ? 1 : 0;
    lf.lfCharSet = DEFAULT_CHARSET;
    strncpy(lf.lfFaceName, szFaceName, LF_FACESIZE - 1);

    HFONT hFont = CreateFontIndirectA(&lf);

    // A width is scaled from the font's own average width; with no height there is no ratio.
    if (iDeciPtWidth != 0 && pt.y != 0) {
        HFONT old = (HFONT)SelectObject(hdc, hFont);
        TEXTMETRICA tm;
        GetTextMetricsA(hdc, &tm);
        SelectObject(hdc, old);
        DeleteObject(hFont);
        lf.lfWidth =
            (LONG)(tm.tmAveCharWidth * std::fabs((double)pt.x) / std::fabs((double)pt.y) + 0.5);
        hFont = CreateFontIndirectA(&lf);
    }

    RestoreDC(hdc, -1);
    return hFont;
}
