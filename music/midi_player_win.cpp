// The MIDI player: the device, the multimedia timer and the song, shared by the window thread
// and the timer's callback thread.
#include "music/midi_player.h"

#include "music/sequencer.h"
#include "shell/base/diag.h"
#include "shell/base/seams.h"

#include <cstdio>
#include <cstring>

MidiPlayer Player;

namespace {

// Where the sequencer's messages and its end-of-song go during one timer period.
class TimerOutput : public MidiOutput {
  public:
    TimerOutput(MidiPlayer* lpPlayerIn, UINT uTimerIdIn)
        : lpPlayer(lpPlayerIn), uTimerId(uTimerIdIn) {}
    void ShortMsg(uint32_t dwMsg) override {
        midiOutShortMsg((HMIDIOUT)lpPlayer->song.hMidiOut, dwMsg);
    }
    void Restart() override {
        timeKillEvent(uTimerId);
        lpPlayer->Play(NULL);
    }

  private:
    MidiPlayer* lpPlayer;
    UINT uTimerId;
};

} // namespace

HMIDIOUT OpenMidiOut(UINT uDeviceId) {
    HMIDIOUT hMidiOut = NULL;
    if (midiOutOpen(&hMidiOut, uDeviceId, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR)
        return NULL;
    midiOutReset(hMidiOut);
    for (BYTE bChannel = 0; bChannel < 16; bChannel++) {
        SendShortMsg(hMidiOut, 0xC0, bChannel, 0, 0);
        Sleep(10);
    }
    return hMidiOut;
}

void SendShortMsg(HMIDIOUT hMidiOut, BYTE bStatus, BYTE bChannel, BYTE bData1, BYTE bData2) {
    midiOutShortMsg(hMidiOut,
                    (DWORD)(bStatus | bChannel) | (DWORD)bData1 << 8 | (DWORD)bData2 << 16);
}

MidiPlayer::MidiPlayer() : song(), uDeviceId(0), lpszFile(NULL) {
    InitializeCriticalSection(&csSong);
}

void MidiPlayer::Open() {
    EnterCriticalSection(&csSong);
    song.hMidiOut = OpenMidiOut(uDeviceId);
    if (!song.hMidiOut)
        DebugLog("The default MIDI output device cannot be opened at this time.");
    LeaveCriticalSection(&csSong);
}

// Runs on the window thread and, at the end of the song, on the timer thread; the lock keeps
// the two apart, and lets the timer thread come back in through Restart.
void MidiPlayer::Play(const char* lpszPath) {
    EnterCriticalSection(&csSong);
    MidiSong next;
    memset(&next, 0, sizeof(next));
    next.hMidiOut = song.hMidiOut;
    if (const char* lpszMsg = LoadMidiFile(lpszPath ? lpszPath : lpszFile, &next)) {
        char szText[260];
        snprintf(szText, sizeof(szText), "LoadMidiFile reports: %s\n", lpszMsg);
        OutputDebugStringA(szText);
        LeaveCriticalSection(&csSong);
        return;
    }
    if (lpszPath)
        lpszFile = lpszPath;
    Stop();
    FreeSong(&song);
    song = next;
    TIMECAPS tc;
    // Without the timer's capabilities, a 1 ms period is the usual finest.
    song.uPeriod = timeGetDevCaps(&tc, sizeof(tc)) == TIMERR_NOERROR ? tc.wPeriodMin : 1;
    Rewind(&song);
    TW_PLATFORM(timeBeginPeriod)(song.uPeriod);
    song.bTimerOn = 1;
    song.uTimerId =
        TW_PLATFORM(timeSetEvent)(song.uPeriod, 0, TimerProc, (DWORD_PTR)this,
                                  TIME_PERIODIC | TIME_CALLBACK_FUNCTION | TIME_KILL_SYNCHRONOUS);
    LeaveCriticalSection(&csSong);
}

// The song is freed only after Stop, under the lock: a killed timer's callback either has
// returned (the kill waits for it) or finds the lock held or the timer no longer current.
void MidiPlayer::Stop() {
    EnterCriticalSection(&csSong);
    if (song.bTimerOn) {
        TW_PLATFORM(timeKillEvent)(song.uTimerId);
        TW_PLATFORM(timeEndPeriod)(song.uPeriod);
        TW_PLATFORM(midiOutReset)((HMIDIOUT)song.hMidiOut);
        TW_PLATFORM(Sleep)(10);
        song.bTimerOn = 0;
    }
    LeaveCriticalSection(&csSong);
}

void MidiPlayer::Release() {
    EnterCriticalSection(&csSong);
    Stop();
    FreeSong(&song);
    LeaveCriticalSection(&csSong);
}

void MidiPlayer::Close() {
    EnterCriticalSection(&csSong);
    if (song.hMidiOut) {
        Stop();
        midiOutClose((HMIDIOUT)song.hMidiOut);
        FreeSong(&song);
        song.hMidiOut = NULL;
    }
    LeaveCriticalSection(&csSong);
}

// A period that finds the lock taken is skipped, not waited for: the window thread may be
// killing this very timer, and the kill waits for the callback to return.
void CALLBACK MidiPlayer::TimerProc(UINT uTimerId, UINT, DWORD_PTR dwUser, DWORD_PTR, DWORD_PTR) {
    MidiPlayer* lpPlayer = (MidiPlayer*)dwUser;
    if (!TryEnterCriticalSection(&lpPlayer->csSong))
        return;
    if (lpPlayer->song.bTimerOn && lpPlayer->song.uTimerId == uTimerId) {
        TimerOutput out(lpPlayer, uTimerId);
        SequencerTick(&lpPlayer->song, &out);
    }
    LeaveCriticalSection(&lpPlayer->csSong);
}
