// The guard that keeps a second copy of the program from running.
#pragma once
#include <windows.h>

class COneInstance {
  public:
    COneInstance() : hMutexOneInstance(NULL) {}
    virtual ~COneInstance();

    // TRUE when this process is the first instance; otherwise the first one is brought to the front.
    int IsFirst(const char* lpszName);

    HANDLE hMutexOneInstance;
};

extern COneInstance OneInstance;

// Window handle of the first instance's main window, shared by every process of the image.
extern volatile LONG hGlobal;

// Builds "TWELLWIN3S-0b0f3aac-dfa8-11d9-947a-00e08161165f" into a 64-byte buffer.
void BuildMutexName(char* lpszName, size_t cbName);
