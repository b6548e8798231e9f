// The MIDI player: output device 0, the multimedia timer that drives the sequencer, and the song.
#pragma once
#include <windows.h>
#include <mmsystem.h>

#include "music/midi_file.h"

class MidiPlayer {
  public:
    MidiPlayer();

    // Opens the output device with every channel at program 0.
    void Open();
    // Loads lpszPath (or the file last started) and plays it from its beginning.
    void Play(const char* lpszPath = NULL);
    // Stops the timer and silences the device; keeps the song.
    void Stop();
    // Stops and frees the song.
    void Release();
    // Stops, closes the device and frees the song.
    void Close();

    MidiSong song;        // the song being played, with its playback state
    UINT uDeviceId;       // MIDI output device number
    const char* lpszFile; // path of the song last started; owned by the caller

  private:
    static void CALLBACK TimerProc(UINT uTimerId, UINT uMsg, DWORD_PTR dwUser, DWORD_PTR dw1,
                                   DWORD_PTR dw2);

    // Held by whoever touches the song: Open, Play, Stop, Release, Close and each timer period.
    CRITICAL_SECTION csSong;
};

extern MidiPlayer Player;

// Opens an output device, resets it and sets every channel to program 0; null on failure.
HMIDIOUT OpenMidiOut(UINT uDeviceId);

// Sends one short message: status OR channel, then the two data bytes.
void SendShortMsg(HMIDIOUT hMidiOut, BYTE bStatus, BYTE bChannel, BYTE bData1, BYTE bData2);
