// The test build's pointers behind TW_PLATFORM: the real calls unless a test swaps one.
#include "shell/base/seams.h"
#include <ddraw.h>

#if defined(TW_SEAMS)
decltype(&::SetTimer) Seam_SetTimer = ::SetTimer;
decltype(&::CreateMutexA) Seam_CreateMutexA = ::CreateMutexA;
decltype(&::GlobalAlloc) Seam_GlobalAlloc = ::GlobalAlloc;
decltype(&::GlobalLock) Seam_GlobalLock = ::GlobalLock;
decltype(&::_lwrite) Seam__lwrite = ::_lwrite;
decltype(&::_hwrite) Seam__hwrite = ::_hwrite;
decltype(&::DirectDrawCreate) Seam_DirectDrawCreate = ::DirectDrawCreate;
decltype(&::DestroyWindow) Seam_DestroyWindow = ::DestroyWindow;
decltype(&::PlaySoundA) Seam_PlaySoundA = ::PlaySoundA;
decltype(&::timeBeginPeriod) Seam_timeBeginPeriod = ::timeBeginPeriod;
decltype(&::timeEndPeriod) Seam_timeEndPeriod = ::timeEndPeriod;
decltype(&::timeSetEvent) Seam_timeSetEvent = ::timeSetEvent;
decltype(&::timeKillEvent) Seam_timeKillEvent = ::timeKillEvent;
decltype(&::midiOutReset) Seam_midiOutReset = ::midiOutReset;
decltype(&::Sleep) Seam_Sleep = ::Sleep;
#endif
