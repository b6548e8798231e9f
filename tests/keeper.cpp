// Keeps Wine's desktop process alive between test programs: a hidden window that waits.
#include <windows.h>

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = hInstance;
    wc.lpszClassName = "TwTestKeeper";
    RegisterClassA(&wc);
    CreateWindowExA(0, "TwTestKeeper", "", 0, 0, 0, 1, 1, NULL, NULL, hInstance, NULL);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0))
        DispatchMessageA(&msg);
    return 0;
}
