// Platform calls that the unit tests make fail on demand. In the shipped program each
// TW_PLATFORM(fn) is the plain system call; only the test build routes it through a pointer.
#pragma once
#include <windows.h>
#include <ddraw.h>
#include <mmsystem.h>

#if defined(TW_SEAMS)
#define TW_SEAM(fn) extern decltype(&::fn) Seam_##fn;
#define TW_PLATFORM(fn) Seam_##fn
#else
#define TW_SEAM(fn)
#define TW_PLATFORM(fn) ::fn
#endif

TW_SEAM(SetTimer)
TW_SEAM(CreateMutexA)
TW_SEAM(GlobalAlloc)
TW_SEAM(GlobalLock)
TW_SEAM(_lwrite)
TW_SEAM(_hwrite)
TW_SEAM(DirectDrawCreate)
TW_SEAM(DestroyWindow)
TW_SEAM(PlaySoundA)
TW_SEAM(timeBeginPeriod)
TW_SEAM(timeEndPeriod)
TW_SEAM(timeSetEvent)
TW_SEAM(timeKillEvent)
TW_SEAM(midiOutReset)
TW_SEAM(Sleep)
