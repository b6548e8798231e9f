// Music control: the music plays while the program is the active application.
#include "music/music.h"

#include "music/midi_player.h"
#include "shell/base/diag.h"

const char* const MusicFiles[] = {"twell3.mid"};

MusicControl MusicCtl;

MusicControl::MusicControl() : nCurSong(0), bActive(0) {}

// Destroys the song entries only: the music is not stopped at exit.
MusicControl::~MusicControl() {}

void MusicControl::Start(const char* const* lpFiles) {
    char szDir[MAX_PATH];
    DWORD cch = GetCurrentDirectoryA(sizeof(szDir), szDir);
    // A directory that does not fit leaves the path empty and the music off.
    const char* lpszDir = (cch > 0 && cch < sizeof(szDir)) ? szDir : NULL;
    for (int i = 0; i < (int)(sizeof(Songs) / sizeof(Songs[0])); i++)
        Songs[i].SetFile(lpFiles[i], lpszDir);
    Player.Open();
    TryPlay();
}

void MusicControl::OnActivateApp(WPARAM wParam) {
    DebugLog("WM_ACTIVATEAPP %i", bActive);
    bActive = (int)wParam;
    if (!bActive)
        Pause();
    TryPlay();
}

void MusicControl::Shutdown() {
    Player.Close();
}

// Starts the current song from its file when the program is active.
void MusicControl::TryPlay() {
    if (bActive)
        Player.Play(Songs[nCurSong].szPath);
}

void MusicControl::Pause() {
    Player.Release();
}
