/* noactivate_probe [setwindowpos] [SECONDS]: shows a topmost window without activating it, the way an
 * always-on-top helper must appear over the game the user is typing in, and quits after SECONDS
 * (default 8) by itself so that a probe can never hang the script that runs it. */
#include <stdlib.h>
#include <string.h>
#include <windows.h>

static LRESULT CALLBACK probe_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_TIMER:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

int WINAPI WinMain(HINSTANCE inst, HINSTANCE prev, LPSTR cmd, int show)
{
    (void)prev, (void)cmd, (void)show;
    BOOL use_setwindowpos = FALSE;
    UINT seconds = 8;
    for (int i = 1; i < __argc; i++) {
        if (!strcmp(__argv[i], "setwindowpos"))
            use_setwindowpos = TRUE;
        else if (atoi(__argv[i]) > 0)
            seconds = (UINT)atoi(__argv[i]);
    }

    WNDCLASSW wc = {0};
    wc.lpfnWndProc = probe_proc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = L"NoActivateProbe";
    if (!RegisterClassW(&wc))
        return 1;

    HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"noactivate-probe", WS_OVERLAPPEDWINDOW,
                                100, 100, 300, 200, NULL, NULL, inst, NULL);
    if (!hwnd)
        return 1;
    SetTimer(hwnd, 1, seconds * 1000, NULL);

    if (use_setwindowpos)
        SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    else
        ShowWindow(hwnd, SW_SHOWNOACTIVATE);

    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
