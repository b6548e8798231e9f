// Choosing the audio driver that programs started from now on get in the test's Wine prefix.
#pragma once
#include <string>

// Installs the test driver (winetwmidi.drv) in the system folder and selects it: MIDI output
// device 0 then logs to the file that TW_MIDI_LOG names, sound effects reach PulseAudio.
int UseMidiLogDriver();
// Back to Wine's own choice of drivers (PulseAudio, whose MIDI output needs an ALSA sequencer).
int UseDefaultDrivers();
// Names a fresh MIDI log for the programs this process starts; returns its path.
std::string NewMidiLog(const std::string& strName);
