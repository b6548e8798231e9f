// A Wine audio driver for the tests: MIDI output device 0 writes every message it is given, with
// the time it arrived, to the file named by TW_MIDI_LOG; sound effects and the rest of the audio
// go on to the PulseAudio driver, whose entry points this one forwards (see midi_log_drv.def).
//
// Log lines: "<microseconds> <what>", the time from QueryPerformanceCounter, where <what> is
// "open", "reset", "close" or a short message as eight hex digits (0x00D2D1SS).
#include <windows.h>
#include <mmsystem.h>
#include <mmddk.h>
#include <stdio.h>

extern "C" {
BOOL WINAPI DriverCallback(DWORD_PTR dwCallback, DWORD dwFlags, HDRVR hDevice, DWORD dwMsg,
                           DWORD_PTR dwUser, DWORD_PTR dw1, DWORD_PTR dw2);
}

namespace {

// The one open of the device, if any.
struct MidiOpen {
    int bOpen;
    MIDIOPENDESC desc;
    DWORD dwFlags;
    HANDLE hLog; // INVALID_HANDLE_VALUE when no log was asked for
};

CRITICAL_SECTION csLog;
MidiOpen Open = {0, {}, 0, INVALID_HANDLE_VALUE};
LONGLONG nCountsPerSecond = 0;

unsigned long long Microseconds() {
    LARGE_INTEGER li;
    QueryPerformanceCounter(&li);
    // Split so that a long uptime cannot overflow the product.
    return (unsigned long long)(li.QuadPart / nCountsPerSecond) * 1000000ull +
           (unsigned long long)(li.QuadPart % nCountsPerSecond) * 1000000ull /
               (unsigned long long)nCountsPerSecond;
}

void WriteLine(const char* lpszWhat) {
    unsigned long long us = Microseconds();
    EnterCriticalSection(&csLog);
    if (Open.hLog != INVALID_HANDLE_VALUE) {
        char szLine[64];
        int cch = snprintf(szLine, sizeof(szLine), "%llu %s\n", us, lpszWhat);
        DWORD cbDone;
        WriteFile(Open.hLog, szLine, (DWORD)cch, &cbDone, NULL);
    }
    LeaveCriticalSection(&csLog);
}

void Notify(DWORD dwMsg) {
    DriverCallback(Open.desc.dwCallback, HIWORD(Open.dwFlags), (HDRVR)Open.desc.hMidi, dwMsg,
                   Open.desc.dwInstance, 0, 0);
}

DWORD OnOpen(const MIDIOPENDESC* lpDesc, DWORD dwFlags) {
    if (lpDesc == NULL)
        return MMSYSERR_INVALPARAM;
    if (Open.bOpen)
        return MMSYSERR_ALLOCATED;
    char szPath[MAX_PATH];
    DWORD cch = GetEnvironmentVariableA("TW_MIDI_LOG", szPath, sizeof(szPath));
    HANDLE hLog = INVALID_HANDLE_VALUE;
    if (cch > 0 && cch < sizeof(szPath))
        hLog = CreateFileA(szPath, FILE_APPEND_DATA,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    EnterCriticalSection(&csLog);
    Open.bOpen = 1;
    Open.desc = *lpDesc;
    Open.dwFlags = dwFlags;
    Open.hLog = hLog;
    LeaveCriticalSection(&csLog);
    WriteLine("open");
    Notify(MOM_OPEN);
    return MMSYSERR_NOERROR;
}

DWORD OnClose() {
    if (!Open.bOpen)
        return MMSYSERR_INVALHANDLE;
    WriteLine("close");
    Notify(MOM_CLOSE);
    EnterCriticalSection(&csLog);
    if (Open.hLog != INVALID_HANDLE_VALUE)
        CloseHandle(Open.hLog);
    Open.hLog = INVALID_HANDLE_VALUE;
    Open.bOpen = 0;
    LeaveCriticalSection(&csLog);
    return MMSYSERR_NOERROR;
}

DWORD OnData(DWORD dwMsg) {
    if (!Open.bOpen)
        return MMSYSERR_INVALHANDLE;
    char szMsg[16];
    snprintf(szMsg, sizeof(szMsg), "%08lx", (unsigned long)dwMsg);
    WriteLine(szMsg);
    return MMSYSERR_NOERROR;
}

// Long messages are not logged, only handed back as done, as a device that drops them would.
DWORD OnLongData(MIDIHDR* lpHdr, DWORD_PTR cbHdr) {
    if (!Open.bOpen)
        return MMSYSERR_INVALHANDLE;
    if (lpHdr == NULL || cbHdr < sizeof(MIDIHDR) || !(lpHdr->dwFlags & MHDR_PREPARED))
        return MIDIERR_UNPREPARED;
    lpHdr->dwFlags = (lpHdr->dwFlags & ~MHDR_INQUEUE) | MHDR_DONE;
    DriverCallback(Open.desc.dwCallback, HIWORD(Open.dwFlags), (HDRVR)Open.desc.hMidi, MOM_DONE,
                   Open.desc.dwInstance, (DWORD_PTR)lpHdr, 0);
    return MMSYSERR_NOERROR;
}

DWORD OnGetDevCaps(MIDIOUTCAPSW* lpCaps, DWORD_PTR cbCaps) {
    if (lpCaps == NULL)
        return MMSYSERR_INVALPARAM;
    MIDIOUTCAPSW caps = {};
    caps.wMid = 0xFF;
    caps.wPid = 1;
    caps.vDriverVersion = 0x0100;
    lstrcpynW(caps.szPname, L"Tintwell test MIDI log", MAXPNAMELEN);
    caps.wTechnology = MOD_MIDIPORT;
    caps.wChannelMask = 0xFFFF;
    memcpy(lpCaps, &caps, cbCaps < sizeof(caps) ? cbCaps : sizeof(caps));
    return MMSYSERR_NOERROR;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        InitializeCriticalSection(&csLog);
        LARGE_INTEGER li;
        nCountsPerSecond = QueryPerformanceFrequency(&li) && li.QuadPart > 0 ? li.QuadPart : 1;
    }
    return TRUE;
}

// The installable-driver entry: winmm only keeps a driver that answers the open itself.
extern "C" LRESULT WINAPI DriverProc(DWORD_PTR dwDriverId, HDRVR hDriver, UINT uMsg, LPARAM lParam1,
                                     LPARAM lParam2) {
    switch (uMsg) {
    case DRV_LOAD:
    case DRV_FREE:
    case DRV_OPEN:
    case DRV_CLOSE:
    case DRV_ENABLE:
    case DRV_DISABLE:
        return 1;
    case DRV_QUERYCONFIGURE:
        return 0;
    default:
        return DefDriverProc(dwDriverId, hDriver, uMsg, lParam1, lParam2);
    }
}

extern "C" DWORD WINAPI modMessage(UINT uDeviceId, UINT uMsg, DWORD_PTR, DWORD_PTR dw1,
                                   DWORD_PTR dw2) {
    switch (uMsg) {
    case DRVM_INIT:
    case DRVM_EXIT:
    case DRVM_ENABLE:
    case DRVM_DISABLE:
        return MMSYSERR_NOERROR;
    case MODM_GETNUMDEVS:
        return 1;
    }
    if (uDeviceId != 0)
        return MMSYSERR_BADDEVICEID;
    switch (uMsg) {
    case MODM_GETDEVCAPS:
        return OnGetDevCaps((MIDIOUTCAPSW*)dw1, dw2);
    case MODM_OPEN:
        return OnOpen((const MIDIOPENDESC*)dw1, (DWORD)dw2);
    case MODM_CLOSE:
        return OnClose();
    case MODM_DATA:
        return OnData((DWORD)dw1);
    case MODM_LONGDATA:
        return OnLongData((MIDIHDR*)dw1, dw2);
    case MODM_RESET:
        if (!Open.bOpen)
            return MMSYSERR_INVALHANDLE;
        WriteLine("reset");
        return MMSYSERR_NOERROR;
    default:
        // Prepare and unprepare are then done by winmm itself.
        return MMSYSERR_NOTSUPPORTED;
    }
}

// mmdevapi keeps the driver with the highest priority. PulseAudio's own answer is passed on,
// but never "unavailable": the MIDI log must work even where no sound server runs.
extern "C" int WINAPI GetPriority() {
    typedef int(WINAPI * PriorityFn)();
    HMODULE hPulse = LoadLibraryA("winepulse.drv");
    PriorityFn lpfn = hPulse ? (PriorityFn)(void*)GetProcAddress(hPulse, "GetPriority") : NULL;
    int nPriority = lpfn ? lpfn() : 0;
    return nPriority > 1 ? nPriority : 1;
}
