// The program's entry point: guard, window, music, message loop.
#include "shell/app.h"
#include "shell/oneinstance.h"
#include "music/music.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    char szMutexName[64];
    BuildMutexName(szMutexName, sizeof(szMutexName));
    if (!OneInstance.IsFirst(szMutexName))
        return 0;

    RegisterMainClass(hInstance);
    if (!InitInstance(hInstance, nCmdShow))
        return 0;
    MusicCtl.Start(MusicFiles);

    return RunMessageLoop();
}
