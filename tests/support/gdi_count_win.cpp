// Counting GDI objects: the system's own count where it keeps one, else the live entries of
// the process's GDI handle table (Wine keeps no per-process count). From the table, regions
// are left out: the system makes and drops them for its windows' update and visible areas
// on a schedule of its own.
#include "support/gdi_count.h"

#include <windows.h>
#include <winternl.h>

namespace {

// One entry of the GDI handle table that the PEB points to; Type 0 is a free entry.
struct GdiHandleEntry {
    UINT64 Object;
    USHORT ProcessId;
    USHORT Lock;
    USHORT Unique;
    UCHAR Type;
    UCHAR Flags;
    UINT64 UserPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "GDI handle table entry");

const int GDI_TABLE_ENTRIES = 0x10000;
const UCHAR GDI_TYPE_REGION = 0x04;

int CountTableEntries() {
    // The PEB's address from the system rather than through the TEB: g++ 12 warns wrongly on
    // the segment read that NtCurrentTeb inlines.
    PROCESS_BASIC_INFORMATION pbi = {};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &pbi, sizeof(pbi),
                                  NULL) != 0)
        return -1;
    const BYTE* lpPeb = reinterpret_cast<const BYTE*>(pbi.PebBaseAddress);
    // The table pointer's place in the PEB: 0xF8 in 64-bit processes, 0x94 in 32-bit ones.
    size_t nOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
    const GdiHandleEntry* lpTable =
        *reinterpret_cast<const GdiHandleEntry* const*>(lpPeb + nOffset);
    if (lpTable == NULL || sizeof(void*) != 8)
        return -1;
    USHORT wPid = static_cast<USHORT>(GetCurrentProcessId());
    int n = 0;
    for (int i = 0; i < GDI_TABLE_ENTRIES; i++)
        if (lpTable[i].Type != 0 && lpTable[i].Type != GDI_TYPE_REGION &&
            (lpTable[i].ProcessId == 0 || lpTable[i].ProcessId == wPid))
            n++;
    return n;
}

} // namespace

int CountGdiObjects() {
    DWORD dwCount = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (dwCount != 0)
        return static_cast<int>(dwCount);
    return CountTableEntries();
}
