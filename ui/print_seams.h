// Printing calls that the unit tests replace, so that a print can run without a printer.
#pragma once
#include <windows.h>

#include "shell/base/seams.h"

TW_SEAM(PrintDlgA)
TW_SEAM(GetDeviceCaps)
TW_SEAM(StartDocW)
TW_SEAM(StartPage)
TW_SEAM(EndPage)
TW_SEAM(EndDoc)
TW_SEAM(SetAbortProc)
TW_SEAM(StretchBlt)
TW_SEAM(BitBlt)
