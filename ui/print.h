// Printing the page: the print dialog, the job, and the three ways of putting the page on paper.
#pragma once
#include <windows.h>

// The Print command: asks for a printer and prints the current page as coloured so far, by
// the method nPrintMode chooses. The main window is disabled and busy meanwhile.
void PrintPage(HWND hWnd);

// Shows the system's print dialog; the chosen printer's DC, or null when cancelled.
HDC GetPrinterDC(HWND hWnd);

// Keeps the program's windows served while the printing system works.
BOOL CALLBACK PrintAbortProc(HDC hdc, int iError);

// Method 0: the turned, framed page in one stretch. FALSE, drawing nothing, without a page.
BOOL PrintDefault(HDC hdcPrn, short xPage, short yPage);

// Methods 1 and 2: the turned page in two framed halves, stretched to the printer (1) or
// enlarged tile by tile in memory (2). FALSE, drawing nothing, without a page.
BOOL PrintAlternate(HDC hdcPrn, short xPage, short yPage);
