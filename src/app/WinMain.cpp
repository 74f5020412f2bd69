#include "app/MainWindow.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int iCmdShow)
{
    if (!RegisterMainClass(hInstance)) {
        MessageBoxA(NULL, "This program requires Windows NT!", szAppName, MB_ICONERROR);
        return 0;
    }
    HWND window = CreateMainWindow(hInstance);
    if (!window)
        return 1; // without a window the loop below would wait for ever

    ShowWindow(window, iCmdShow);
    UpdateWindow(window);

    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}
