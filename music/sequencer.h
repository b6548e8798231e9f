// The sequencer's clock: decodes a loaded song's tracks while it plays, one timer period at a time,
// and hands the channel messages that fall due to an output.
#pragma once
#include "music/midi_file.h"

// What playback needs from the outside world: the MIDI device and the player.
class MidiOutput {
  public:
    virtual ~MidiOutput() {}
    // Sends one short message: status in bits 0-7, data byte 1 in bits 8-15, data byte 2 in 16-23.
    virtual void ShortMsg(uint32_t dwMsg) = 0;
    // Every track has ended: stop this timer and play the song again from its file. The song
    // may be replaced or freed by the time this returns.
    virtual void Restart() = 0;
};

// Puts the song at its start with the default tempo.
void Rewind(MidiSong* lpSong);

// The next three bytes as a big-endian 24-bit number.
uint32_t ReadTempo(const uint8_t* lpCur);

// Ticks that one timer period spans at the song's current tempo.
double StepTicks(const MidiSong* lpSong);

// Performs the track's next event; returns the track's bEnded.
int DispatchEvent(MidiSong* lpSong, int nTrack, MidiOutput* lpOut);

// One timer period: moves every running track on and sends what has fallen due; restarts the
// song through lpOut when every track has ended.
void SequencerTick(MidiSong* lpSong, MidiOutput* lpOut);
