#include "app/MainWindow.h"

#include "app/WndProc.h"

const char szAppName[] = "Orbisque";
static const char szTitle[] = "Orbisque";

ATOM RegisterMainClass(HINSTANCE hInstance)
{
    WNDCLASSA wndclass = {};
    wndclass.style = CS_HREDRAW | CS_VREDRAW;
    wndclass.lpfnWndProc = WndProc;
    wndclass.hInstance = hInstance;
    wndclass.hIcon = LoadIconA(NULL, IDI_APPLICATION);
    wndclass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wndclass.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wndclass.lpszClassName = szAppName;
    return RegisterClassA(&wndclass);
}

HWND CreateMainWindow(HINSTANCE hInstance)
{
    return CreateWindowExA(0, szAppName, szTitle, WS_OVERLAPPEDWINDOW, 25, 30, 750, 520, NULL, NULL,
                           hInstance, NULL);
}
