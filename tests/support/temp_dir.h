// A fresh, empty folder made the current directory for one test, and removed with its files
// afterwards; the program reads and writes its page, music and print option files there.
#pragma once
#include <string>
#include <vector>

class CTempCurrentDir {
  public:
    explicit CTempCurrentDir(const char* lpszPrefix);
    virtual ~CTempCurrentDir();
    CTempCurrentDir(const CTempCurrentDir&) = delete;
    CTempCurrentDir& operator=(const CTempCurrentDir&) = delete;

    int Made() const { return bMade; }
    std::string Path(const char* lpszName) const { return strDir + "\\" + lpszName; }
    // The names of the files in the folder.
    std::vector<std::string> Files() const;

    std::string strDir;

  private:
    std::string strOldDir;
    int bMade;
};
