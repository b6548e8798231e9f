// The print option: which of the three print methods is used, kept in printer.dta.
#pragma once
#include <windows.h>

#include "ui/printopt_file.h"

// 0 Default, 1 Alternate 1, 2 Alternate 2; any other value prints like Alternate 1.
extern int nPrintMode;

// Reads printer.dta from the current directory, creating it with 0 when it is missing.
void LoadPrintMode();

// Writes nPrintMode into the first 4 bytes of printer.dta, creating it when it is missing.
void SavePrintMode();

INT_PTR CALLBACK PrintOptionsDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
