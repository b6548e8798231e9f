// Music control: when the background music plays. The shell calls Start once the main window is
// shown, OnActivateApp on every WM_ACTIVATEAPP, and Shutdown on the Quit command.
#pragma once
#include <windows.h>

#include "music/song_entry.h"

// The music file names, looked for in the process's current directory.
extern const char* const MusicFiles[];

class MusicControl {
  public:
    MusicControl();
    virtual ~MusicControl();

    // Builds the music file's path, opens the MIDI output and plays if the program is active.
    void Start(const char* const* lpFiles);
    // Plays the song from its beginning on activation; stops and releases it on deactivation.
    void OnActivateApp(WPARAM wParam);
    // Stops the music and closes the MIDI output.
    void Shutdown();

  private:
    void TryPlay();
    void Pause();

    int nCurSong;       // index of the song to play
    SongEntry Songs[1]; // the song list
    int bActive;        // the program is the active application
};

extern MusicControl MusicCtl;
