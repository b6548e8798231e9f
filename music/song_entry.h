// One song of the music list: its file name and the full path built from a directory.
#pragma once

class SongEntry {
  public:
    SongEntry() : lpszName(nullptr) { szPath[0] = '\0'; }
    virtual ~SongEntry() {}

    // Takes the file name and builds the path in lpszDir; false when there is no path.
    int SetFile(const char* lpszFileName, const char* lpszDir);
    // Builds "dir\name" in szPath; a directory that is missing or too long leaves it empty.
    int BuildPath(const char* lpszDir);

    char szPath[260];     // full path of the music file
    const char* lpszName; // file name, from the music file table
};
