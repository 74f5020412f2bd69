// The yardstick: the least a Win32 window program can be, built the same way as Orbisque.
#include <windows.h>
#include <mmsystem.h>
#include <cstring>

static LRESULT CALLBACK BareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// With the argument "sound" it plays Orbisque's start cue as its window opens.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR szCmdLine, int iCmdShow)
{
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = BareProc;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(NULL, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = "Bare";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "Bare", "Bare", WS_OVERLAPPEDWINDOW, 25, 30, 750, 520, NULL,
                                NULL, hInstance, NULL);
    if (strstr(szCmdLine, "sound"))
        PlaySoundA("Sounds\\success2.wav", NULL, SND_FILENAME | SND_ASYNC);
    ShowWindow(hwnd, iCmdShow);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}
