// Playing the sound effects from memory with PlaySoundA.
#include "pages/sound_win.h"

#include <mmsystem.h>

#include "pages/rng.h"
#include "shell/base/seams.h"

HGLOBAL hWaveRes[IDW_COUNT];
LPVOID lpWaveData[IDW_COUNT];

namespace {

uint32_t MultimediaMilliseconds() {
    return timeGetTime();
}

// The sound's image, or null for an unknown id (which then plays as silence).
LPCSTR WaveData(int idSound) {
    if (idSound < 1 || idSound >= IDW_COUNT)
        return NULL;
    return static_cast<LPCSTR>(lpWaveData[idSound]);
}

} // namespace

// The generator is seeded from the multimedia clock while the statics are built, before
// WinMain runs: whichever of this and Rng is built first, Rng ends up seeded from timeGetTime.
static struct RngClockSetter {
    RngClockSetter() {
        lpfnRngClock = MultimediaMilliseconds;
        Rng.Reseed();
    }
} rngClockSetter;

void LoadSounds(HINSTANCE hInstance) {
    for (int n = 1; n < IDW_COUNT; n++) {
        HRSRC hRes = FindResourceA(hInstance, MAKEINTRESOURCEA(n), "WAVE");
        hWaveRes[n] = hRes != NULL ? LoadResource(hInstance, hRes) : NULL;
        lpWaveData[n] = hWaveRes[n] != NULL ? LockResource(hWaveRes[n]) : NULL;
    }
}

void PlaySoundOnce(int idSound) {
    TW_PLATFORM(PlaySoundA)(WaveData(idSound), NULL, SND_MEMORY | SND_ASYNC);
}

void PlaySoundLoop(int idSound) {
    TW_PLATFORM(PlaySoundA)(WaveData(idSound), NULL, SND_MEMORY | SND_ASYNC | SND_LOOP);
}

void StopSound() {
    TW_PLATFORM(PlaySoundA)(NULL, NULL, 0);
}
