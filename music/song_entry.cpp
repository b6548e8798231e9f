// The music file's full path.
#include "music/song_entry.h"

#include <cstdio>

int SongEntry::SetFile(const char* lpszFileName, const char* lpszDir) {
    lpszName = lpszFileName;
    return BuildPath(lpszDir);
}

// A path that does not fit is not cut short: a shortened path could name another file.
int SongEntry::BuildPath(const char* lpszDir) {
    szPath[0] = '\0';
    if (!lpszDir || !lpszName)
        return 0;
    int cch = snprintf(szPath, sizeof(szPath), "%s\\%s", lpszDir, lpszName);
    if (cch < 0 || (size_t)cch >= sizeof(szPath)) {
        szPath[0] = '\0';
        return 0;
    }
    return 1;
}
