// The yardstick: only the start-up work that every copy of Orbisque must do, written as plainly
// as it can be and sharing no code with it, so that it shows what that work costs the platform.
#include <windows.h>
#include <mmsystem.h>
#include <cstring>

static const struct {
    int id;
    const char *text;
    DWORD style;
    int x, y, width, height;
} kControls[] = {
    {14, "12 Capitals", WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, 100, 270, 110, 20},
    {15, "16 Capitals", WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, 300, 270, 110, 20},
    {16, "20 Capitals", WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, 500, 270, 110, 20},
    {17, "I'll go with my choices", WS_CHILD | WS_VISIBLE | WS_GROUP | BS_PUSHBUTTON, 260, 330, 180,
     30},
    {24, "All but Easy", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 20, 170, 100, 30},
    {25, "Africa", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 155, 170, 100, 30},
    {26, "America", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 290, 170, 100, 30},
    {27, "Europe", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 425, 170, 100, 30},
    {28, "Asia and Australasia", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 560, 170, 155, 30},
    {18, "Scanning On??", WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTOCHECKBOX, 440, 400, 120, 30},
    {19, "2", WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, 300, 440, 30, 30},
    {20, "3", WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, 350, 440, 30, 30},
    {21, "4", WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, 400, 440, 30, 30},
    {22, "5", WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, 450, 440, 30, 30},
};

static const struct {
    int deciPoints, x, y;
    COLORREF color;
    const char *text;
} kTexts[] = {
    {460, -30, 0, RGB(255, 0, 255), "                Orbisque"},
    {280, 48, 70, RGB(0, 0, 255), "Hello! Let's find the capital cities"},
    {180, 30, 130, RGB(0, 0, 0), "Please choose in which continents you wish to find the capitals"},
    {180, 30, 230, RGB(0, 0, 0), "Select how many Orbisque you want to find - 12, 16 or 20"},
    {180, 10, 330, RGB(0, 0, 0), "Confident? - Click here - "},
    {180, 10, 400, RGB(0, 0, 0), "Switch access - click here to set scanning - "},
    {180, 100, 440, RGB(0, 0, 0), "Number of blinks?"},
};

static HFONT MakeFont(HDC hdc, int deciPoints)
{
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(deciPoints, GetDeviceCaps(hdc, LOGPIXELSY), 720);
    lf.lfCharSet = DEFAULT_CHARSET;
    strcpy(lf.lfFaceName, "Times New Roman");
    return CreateFontIndirectA(&lf);
}

// Three fonts, each made when its first text is drawn and deleted before the paint ends.
static void Paint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    HGDIOBJ original = GetCurrentObject(hdc, OBJ_FONT);
    int size = 0;
    for (const auto &t : kTexts) {
        if (t.deciPoints != size) {
            size = t.deciPoints;
            HGDIOBJ old = SelectObject(hdc, MakeFont(hdc, size));
            if (old != original)
                DeleteObject(old);
        }
        SetTextColor(hdc, t.color);
        TextOutA(hdc, t.x, t.y, t.text, (int)strlen(t.text));
    }
    DeleteObject(SelectObject(hdc, original));
    EndPaint(hwnd, &ps);
}

static LRESULT CALLBACK YardstickProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        SetTimer(hwnd, 1, 300, NULL);
        PlaySoundA("Sounds\\success2.wav", NULL, SND_FILENAME | SND_ASYNC);
        for (const auto &c : kControls) {
            HWND h = CreateWindowExA(0, "button", c.text, c.style, c.x, c.y, c.width, c.height,
                                     hwnd, (HMENU)(INT_PTR)c.id, NULL, NULL);
            if (c.id == 16 || c.id == 21)
                SendMessageA(h, BM_SETCHECK, BST_CHECKED, 0);
            if (c.id >= 19 && c.id <= 22) // the blink counts, until scanning is ticked
                EnableWindow(h, FALSE);
        }
        return 0;
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int iCmdShow)
{
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = YardstickProc;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(NULL, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = "Yardstick";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "Yardstick", "Yardstick", WS_OVERLAPPEDWINDOW, 25, 30, 750, 520,
                                NULL, NULL, hInstance, NULL);
    ShowWindow(hwnd, iCmdShow);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}
