// A Wine audio driver for the tests: MIDI output device 0 writes every call it is given, with
// the time it arrived, to the file named by TW_MIDI_LOG; the wave audio goes on to the
// PulseAudio driver, whose entry points this one forwards (see midi_log_drv.def).
//
// Log lines: "<microseconds> <kind> <message>", the time from QueryPerformanceCounter, the kind
// as in midi_log.h (open, reset, close, short message) and the message in hex (0x00D2D1SS).
#include <windows.h>
#include <mmsystem.h>
#include <mmddk.h>
#include <stdio.h>

namespace {

HANDLE hLog = INVALID_HANDLE_VALUE;
int bOpen = 0;

void WriteLine(int nKind, DWORD_PTR dwMsg = 0) {
    LARGE_INTEGER li, freq;
    QueryPerformanceCounter(&li);
    QueryPerformanceFrequency(&freq);
    // Split so that a long uptime cannot overflow the product.
    long long us = li.QuadPart / freq.QuadPart * 1000000 +
                   li.QuadPart % freq.QuadPart * 1000000 / freq.QuadPart;
    char szLine[64];
    int cch = snprintf(szLine, sizeof(szLine), "%lld %d %lx\n", us, nKind, (unsigned long)dwMsg);
    DWORD cbDone;
    WriteFile(hLog, szLine, (DWORD)cch, &cbDone, NULL);
}

} // namespace

// The installable-driver entry: winmm only keeps a driver that answers the open itself.
extern "C" LRESULT WINAPI DriverProc(DWORD_PTR dwDriverId, HDRVR hDriver, UINT uMsg, LPARAM lParam1,
                                     LPARAM lParam2) {
    if (uMsg >= DRV_LOAD && uMsg <= DRV_FREE)
        return 1;
    return DefDriverProc(dwDriverId, hDriver, uMsg, lParam1, lParam2);
}

extern "C" DWORD WINAPI modMessage(UINT uDeviceId, UINT uMsg, DWORD_PTR, DWORD_PTR dw1,
                                   DWORD_PTR dw2) {
    if (uMsg == MODM_GETNUMDEVS)
        return 1;
    if (uMsg == DRVM_INIT || uMsg == DRVM_EXIT || uMsg == DRVM_ENABLE || uMsg == DRVM_DISABLE)
        return MMSYSERR_NOERROR;
    if (uDeviceId != 0)
        return MMSYSERR_BADDEVICEID;
    if (uMsg == MODM_OPEN) {
        if (bOpen)
            return MMSYSERR_ALLOCATED;
        char szPath[MAX_PATH] = "";
        GetEnvironmentVariableA("TW_MIDI_LOG", szPath, sizeof(szPath));
        hLog = CreateFileA(szPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
        bOpen = 1;
        WriteLine(0);
        return MMSYSERR_NOERROR;
    }
    if (!bOpen && (uMsg == MODM_CLOSE || uMsg == MODM_DATA || uMsg == MODM_RESET))
        return MMSYSERR_INVALHANDLE;
    switch (uMsg) {
    case MODM_DATA:
        WriteLine(3, dw1);
        return MMSYSERR_NOERROR;
    case MODM_RESET:
        WriteLine(1);
        return MMSYSERR_NOERROR;
    case MODM_CLOSE:
        WriteLine(2);
        CloseHandle(hLog);
        bOpen = 0;
        return MMSYSERR_NOERROR;
    case MODM_GETDEVCAPS: {
        MIDIOUTCAPSW caps = {};
        caps.wTechnology = MOD_MIDIPORT;
        caps.wChannelMask = 0xFFFF;
        lstrcpynW(caps.szPname, L"Tintwell test MIDI log", MAXPNAMELEN);
        memcpy((void*)dw1, &caps, dw2 < sizeof(caps) ? dw2 : sizeof(caps));
        return MMSYSERR_NOERROR;
    }
    default:
        // Long messages are refused; prepare and unprepare are then done by winmm itself.
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
