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

HANDLE hLog = INVALID_HANDLE_VALUE; // while the device is open

// nKind as in midi_log.h: 0 open, 1 reset, 2 close, 3 a short message.
DWORD WriteLine(int nKind, DWORD_PTR dwMsg = 0) {
    LARGE_INTEGER li, freq;
    QueryPerformanceCounter(&li);
    QueryPerformanceFrequency(&freq);
    char szLine[64];
    // Split so that a long uptime cannot overflow the product.
    int cch = snprintf(szLine, sizeof(szLine), "%lld %d %lx\n",
                       li.QuadPart / freq.QuadPart * 1000000 +
                           li.QuadPart % freq.QuadPart * 1000000 / freq.QuadPart,
                       nKind, (unsigned long)dwMsg);
    DWORD cbDone;
    WriteFile(hLog, szLine, (DWORD)cch, &cbDone, NULL);
    return MMSYSERR_NOERROR;
}

} // namespace

// The installable-driver entry: winmm only keeps a driver that answers the open itself.
extern "C" LRESULT WINAPI DriverProc(DWORD_PTR dwDriverId, HDRVR hDriver, UINT uMsg, LPARAM lParam1,
                                     LPARAM lParam2) {
    return uMsg >= DRV_LOAD && uMsg <= DRV_FREE
               ? 1
               : DefDriverProc(dwDriverId, hDriver, uMsg, lParam1, lParam2);
}

// One device; long messages are refused, and winmm then prepares headers itself.
extern "C" DWORD WINAPI modMessage(UINT, UINT uMsg, DWORD_PTR, DWORD_PTR dw1, DWORD_PTR) {
    char szPath[MAX_PATH] = "";
    switch (uMsg) {
    case MODM_GETNUMDEVS:
        return 1;
    case MODM_OPEN:
        if (hLog != INVALID_HANDLE_VALUE)
            return MMSYSERR_ALLOCATED;
        GetEnvironmentVariableA("TW_MIDI_LOG", szPath, sizeof(szPath));
        hLog = CreateFileA(szPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
        return WriteLine(0);
    case MODM_RESET:
        return WriteLine(1);
    case MODM_CLOSE:
        WriteLine(2);
        CloseHandle(hLog);
        hLog = INVALID_HANDLE_VALUE;
        return MMSYSERR_NOERROR;
    case MODM_DATA:
        return WriteLine(3, dw1);
    case MODM_PREPARE:
    case MODM_UNPREPARE:
    case MODM_LONGDATA:
        return MMSYSERR_NOTSUPPORTED;
    default: // the driver's own start and end, and the device's capabilities left blank
        return MMSYSERR_NOERROR;
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
