// How many GDI objects this process holds, for tests that look for leaks (see the .cpp for
// what Wine lets it count).
#pragma once
#include <windows.h>

// The count, or -1 when the system cannot tell.
int CountGdiObjects();
// The same for another process, opened with query and read access.
int CountGdiObjectsOf(HANDLE hProcess);
