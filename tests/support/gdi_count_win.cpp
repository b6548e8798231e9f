// Counting GDI objects: the system's own count where it keeps one, else the live entries of
// the process's GDI handle table (Wine keeps no per-process count). From the table, regions
// are left out: the system makes and drops them for its windows' update and visible areas
// on a schedule of its own.
#include "support/gdi_count.h"

#include <windows.h>
#include <winternl.h>

#include <vector>

namespace {

// One entry of the GDI handle table that the PEB points to; Type 0 is a free entry.
struct GdiHandleEntry {
    UINT64 Object;
    USHORT ProcessId, Lock, Unique;
    UCHAR Type, Flags;
    UINT64 UserPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "GDI handle table entry");

const int GDI_TABLE_ENTRIES = 0x10000;
const UCHAR GDI_TYPE_REGION = 0x04;

// Read through ReadProcessMemory, so that the same walk serves this process and the program
// under test.
int CountTableEntries(HANDLE hProcess) {
    // The PEB's address from the system rather than through the TEB: g++ 12 warns wrongly on
    // the segment read that NtCurrentTeb inlines.
    PROCESS_BASIC_INFORMATION pbi = {};
    if (sizeof(void*) != 8 ||
        NtQueryInformationProcess(hProcess, ProcessBasicInformation, &pbi, sizeof(pbi), NULL) != 0)
        return -1;
    // The table pointer's place in the PEB of a 64-bit process.
    const BYTE* lpPeb = reinterpret_cast<const BYTE*>(pbi.PebBaseAddress);
    const GdiHandleEntry* lpTable = NULL;
    if (!ReadProcessMemory(hProcess, lpPeb + 0xF8, &lpTable, sizeof(lpTable), NULL) ||
        lpTable == NULL)
        return -1;
    std::vector<GdiHandleEntry> table(GDI_TABLE_ENTRIES);
    if (!ReadProcessMemory(hProcess, lpTable, table.data(), table.size() * sizeof(table[0]), NULL))
        return -1;
    USHORT wPid = static_cast<USHORT>(pbi.UniqueProcessId);
    int n = 0;
    for (const GdiHandleEntry& entry : table)
        if (entry.Type != 0 && entry.Type != GDI_TYPE_REGION &&
            (entry.ProcessId == 0 || entry.ProcessId == wPid))
            n++;
    return n;
}

} // namespace

int CountGdiObjects() {
    return CountGdiObjectsOf(GetCurrentProcess());
}

int CountGdiObjectsOf(HANDLE hProcess) {
    DWORD dwCount = GetGuiResources(hProcess, GR_GDIOBJECTS);
    if (dwCount != 0)
        return static_cast<int>(dwCount);
    return CountTableEntries(hProcess);
}
