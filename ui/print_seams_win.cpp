// The test build's pointers behind the printing calls: the real calls unless a test swaps one.
#include "ui/print_seams.h"

#include <commdlg.h>

#if defined(TW_SEAMS)
decltype(&::PrintDlgA) Seam_PrintDlgA = ::PrintDlgA;
decltype(&::GetDeviceCaps) Seam_GetDeviceCaps = ::GetDeviceCaps;
decltype(&::StartDocW) Seam_StartDocW = ::StartDocW;
decltype(&::StartPage) Seam_StartPage = ::StartPage;
decltype(&::EndPage) Seam_EndPage = ::EndPage;
decltype(&::EndDoc) Seam_EndDoc = ::EndDoc;
decltype(&::SetAbortProc) Seam_SetAbortProc = ::SetAbortProc;
decltype(&::StretchBlt) Seam_StretchBlt = ::StretchBlt;
decltype(&::BitBlt) Seam_BitBlt = ::BitBlt;
#endif
