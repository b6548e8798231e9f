// Diagnostics used everywhere: the string table, assertions and the (switched-off) trace.
#pragma once

#include "shell/base/ids.h"

// Loads string id into slot 0 or 1 and returns the slot's buffer, in the system's code page
// (LoadResStringW in shell/base/language.h gives the letters of any language).
char* LoadResString(unsigned id, int nSlot);

void AssertFail(const char* lpszExpression, const char* lpszFile, unsigned nLine);

// Always active: a failed check shows the assertion box, OK goes on, Cancel ends the program.
#define ASSERT(expr)                                                                               \
    do {                                                                                           \
        if (!(expr))                                                                               \
            AssertFail(#expr, TW_MODULE, __LINE__);                                                \
    } while (0)

// Like ASSERT, but with the module, line and expression text given, for checks whose
// place in the program's messages is fixed.
#define ASSERT_AT(expr, lpszModule, nLine, lpszText)                                               \
    do {                                                                                           \
        if (!(expr))                                                                               \
            AssertFail(lpszText, lpszModule, nLine);                                               \
    } while (0)

#ifndef TW_MODULE
#define TW_MODULE __FILE__
#endif

extern int bLogOn; // the trace switch; on only in the diagnosis build

int DebugLog(const char* lpszFormat, ...) __attribute__((format(printf, 1, 2)));
