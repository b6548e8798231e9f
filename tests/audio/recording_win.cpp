// Recording the PulseAudio sink's monitor with parec, a Unix program that Wine starts for us.
#include "audio/sound_check.h"

#include <windows.h>
#include <stdio.h>

#include "e2e/driver.h"

namespace {

std::string TmpWin(const std::string& strFile) {
    return std::string(TW_AUDIO_TMP_WIN) + "\\" + strFile;
}
std::string TmpUnix(const std::string& strFile) {
    return std::string(TW_AUDIO_TMP_UNIX) + "/" + strFile;
}

// Runs a Unix program. Wine gives no handle for it, so completion is seen through files.
int RunUnix(const char* lpszExe, const std::string& strArgs) {
    std::string strCmd = std::string(lpszExe) + " " + strArgs;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::string strApp = std::string("Z:") + lpszExe;
    if (!CreateProcessA(strApp.c_str(), &strCmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return FALSE;
    if (pi.hProcess)
        CloseHandle(pi.hProcess);
    if (pi.hThread)
        CloseHandle(pi.hThread);
    return TRUE;
}

DWORD FileSize(const std::string& strPath) {
    WIN32_FILE_ATTRIBUTE_DATA fad;
    return GetFileAttributesExA(strPath.c_str(), GetFileExInfoStandard, &fad) ? fad.nFileSizeLow
                                                                              : 0;
}

int WriteText(const std::string& strPath, const std::string& strText) {
    FILE* fp = fopen(strPath.c_str(), "wb");
    if (fp == NULL)
        return FALSE;
    fwrite(strText.data(), 1, strText.size(), fp);
    fclose(fp);
    return TRUE;
}

} // namespace

std::vector<float> LoadEffect(int idSound) {
    char szName[32];
    snprintf(szName, sizeof(szName), "wave%d.wav", idSound);
    return ReadWave(ReadFileBytes(PathIn(TW_ASSETS_DIR, szName)));
}

CRecorder::~CRecorder() {
    if (bRunning)
        Stop();
}

int CRecorder::Start(const std::string& strNameIn) {
    strName = strNameIn;
    for (const char* lpszExt : {".raw", ".pid", ".done"})
        DeleteFileA(TmpWin(strName + lpszExt).c_str());
    // The recorder ends by itself after two minutes should the test never stop it.
    std::string strScript =
        "cd '" + std::string(TW_AUDIO_TMP_UNIX) + "'\n" +
        "timeout -s INT 120 parec --device=tw_null.monitor --raw --format=s16le --rate=" +
        std::to_string(nSampleRate) + " --channels=1 --latency-msec=10 '" + strName + ".raw' &\n" +
        "echo $! > '" + strName + ".pid'\n" + "wait $!\n" + "touch '" + strName + ".done'\n";
    if (!WriteText(TmpWin(strName + ".sh"), strScript) ||
        !RunUnix("/bin/sh", "\"" + TmpUnix(strName + ".sh") + "\"")) {
        strError = "cannot start /bin/sh for parec";
        return FALSE;
    }
    bRunning = TRUE;
    DWORD dwStart = GetTickCount();
    while (GetTickCount() - dwStart < 10000) {
        if (FileSize(TmpWin(strName + ".raw")) > 0)
            return TRUE;
        if (FileSize(TmpWin(strName + ".done")) == 0 && FileExists(TmpWin(strName + ".done")))
            break;
        Sleep(10);
    }
    strError = "parec recorded nothing from tw_null.monitor: is the test PulseAudio server "
               "running (tools/pulse.sh) and PULSE_SERVER exported?";
    Stop();
    return FALSE;
}

std::vector<float> CRecorder::Stop() {
    std::vector<float> samples;
    if (!bRunning)
        return samples;
    bRunning = FALSE;
    std::vector<uint8_t> pid = ReadFileBytes(TmpWin(strName + ".pid"));
    std::string strPid(pid.begin(), pid.end());
    while (!strPid.empty() && (strPid.back() == '\n' || strPid.back() == '\r'))
        strPid.pop_back();
    if (!strPid.empty() && strPid.find_first_not_of("0123456789") == std::string::npos)
        RunUnix("/bin/kill", "-INT " + strPid);
    DWORD dwStart = GetTickCount();
    while (!FileExists(TmpWin(strName + ".done")) && GetTickCount() - dwStart < 5000)
        Sleep(20);
    std::vector<uint8_t> raw = ReadFileBytes(TmpWin(strName + ".raw"));
    samples.reserve(raw.size() / 2);
    for (size_t i = 0; i + 1 < raw.size(); i += 2)
        samples.push_back((int16_t)(raw[i] | raw[i + 1] << 8) / 32768.0f);
    return samples;
}
