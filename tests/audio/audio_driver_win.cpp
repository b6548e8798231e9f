// Selecting the audio driver through the registry key that Wine's mmdevapi reads at start-up.
#include "audio/audio_driver.h"

#include <windows.h>

namespace {

const char szDriversKey[] = "Software\\Wine\\Drivers";

} // namespace

int UseMidiLogDriver() {
    char szSystem[MAX_PATH];
    UINT cch = GetSystemDirectoryA(szSystem, sizeof(szSystem));
    if (cch == 0 || cch >= sizeof(szSystem))
        return FALSE;
    std::string strTarget = std::string(szSystem) + "\\winetwmidi.drv";
    if (!CopyFileA(TW_DRIVER_WIN, strTarget.c_str(), FALSE))
        return FALSE;
    HKEY hKey;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, szDriversKey, 0, NULL, 0, KEY_SET_VALUE, NULL, &hKey,
                        NULL) != ERROR_SUCCESS)
        return FALSE;
    static const char szName[] = "twmidi";
    LONG lErr = RegSetValueExA(hKey, "Audio", 0, REG_SZ, (const BYTE*)szName, sizeof(szName));
    RegCloseKey(hKey);
    return lErr == ERROR_SUCCESS;
}

int UseDefaultDrivers() {
    HKEY hKey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, szDriversKey, 0, KEY_SET_VALUE, &hKey) != ERROR_SUCCESS)
        return TRUE;
    LONG lErr = RegDeleteValueA(hKey, "Audio");
    RegCloseKey(hKey);
    return lErr == ERROR_SUCCESS || lErr == ERROR_FILE_NOT_FOUND;
}

std::string NewMidiLog(const std::string& strName) {
    std::string strPath = std::string(TW_AUDIO_TMP_WIN) + "\\" + strName + ".midilog";
    DeleteFileA(strPath.c_str());
    SetEnvironmentVariableA("TW_MIDI_LOG", strPath.c_str());
    return strPath;
}
