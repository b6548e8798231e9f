// The sound table: the WAVE resources, loaded once and kept for the whole run.
#pragma once
#include <windows.h>

#include "pages/sound.h"

extern HGLOBAL hWaveRes[IDW_COUNT];  // the loaded resources, by sound id
extern LPVOID lpWaveData[IDW_COUNT]; // their RIFF images in memory; null when missing

// Loads and locks WAVE resources 1..38 of hInstance; a missing one stays null.
void LoadSounds(HINSTANCE hInstance);
