// Keeps a test session's Wine processes alive between test programs: a hidden window that
// waits. At start it brings up what test programs would otherwise start on first use (the
// desktop process, the audio and COM services), so that those services start here, with no
// test's output pipe to inherit, and then tells the session it is ready.
#include <windows.h>
#include <mmsystem.h>
#include <stdio.h>

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int) {
    GetDesktopWindow();
    waveOutGetNumDevs();
    midiOutGetNumDevs();
    PlaySoundA(NULL, NULL, 0);

    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = hInstance;
    wc.lpszClassName = "TwTestKeeper";
    RegisterClassA(&wc);
    CreateWindowExA(0, "TwTestKeeper", "", 0, 0, 0, 1, 1, NULL, NULL, hInstance, NULL);

    if (lpCmdLine != NULL && *lpCmdLine != '\0') {
        FILE* fp = fopen(lpCmdLine, "w");
        if (fp != NULL)
            fclose(fp);
    }
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0))
        DispatchMessageA(&msg);
    return 0;
}
