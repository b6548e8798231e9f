// The page buffers: allocation, the low-memory retry and the assertion naming a lost buffer.
#include "pages/page.h"
#include "shell/app.h"
#include "shell/base/seams.h"
#include "support/msgbox_observer.h"
#include <gtest/gtest.h>
#include <string>

namespace {

int nFailures = 0; // how many more allocations fail
int nFailFrom = 0; // the first allocation, counted from 1, that may fail
int nAllocs = 0;
int nLockFailures = 0; // how many more locks fail
int nHandlerCalls = 0;
int nRetries = 0; // how many times the handler asks for another try

HGLOBAL WINAPI FailingAlloc(UINT uFlags, SIZE_T cb) {
    if (++nAllocs >= nFailFrom && nFailures > 0) {
        nFailures--;
        return NULL;
    }
    return ::GlobalAlloc(uFlags, cb);
}

LPVOID WINAPI FailingLock(HGLOBAL hMem) {
    if (nLockFailures > 0) {
        nLockFailures--;
        return NULL;
    }
    return ::GlobalLock(hMem);
}

int CountingHandler(DWORD) {
    nHandlerCalls++;
    return nRetries-- > 0;
}

// A handler that itself needs memory, as a real one might, while memory is still short.
int AllocatingHandler(DWORD dwSize) {
    if (nHandlerCalls++ > 0)
        return 0; // called again from inside itself: the guard failed
    nFailures = 1;
    EXPECT_EQ(GmemAlloc(dwSize), (void*)NULL);
    return 0;
}

class PageBuffers : public testing::Test {
  protected:
    void SetUp() override {
        hWndMain = CreateWindowExA(0, "TWELLWIN3", "Tintwell 3", WS_POPUP, 0, 0, 800, 600, NULL,
                                   NULL, hInst, NULL);
        ASSERT_NE(hWndMain, (HWND)NULL);
        nFailures = 0;
        nLockFailures = 0;
        nFailFrom = 0;
        nAllocs = 0;
        nHandlerCalls = 0;
        nRetries = 0;
        Seam_GlobalAlloc = FailingAlloc;
        Seam_GlobalLock = FailingLock;
        lpfnOldHandler = SetLowMemoryHandler(CountingHandler);
    }
    void TearDown() override {
        Seam_GlobalAlloc = ::GlobalAlloc;
        Seam_GlobalLock = ::GlobalLock;
        SetLowMemoryHandler(lpfnOldHandler);
        FreePageBuffers();
        if (IsWindow(hWndMain))
            DestroyWindow(hWndMain);
        hWndMain = NULL;
    }
    LOWMEMHANDLER lpfnOldHandler = NULL;
};

TEST_F(PageBuffers, AllThreeAreAllocatedZeroFilled) {
    CMsgBoxObserver observer;
    ASSERT_EQ(AllocPageBuffers(), 1);
    ASSERT_NE(lpDib, (BYTE*)NULL);
    ASSERT_NE(lpDibClear, (BYTE*)NULL);
    ASSERT_NE(lpDibPrint, (BYTE*)NULL);
    EXPECT_GE(GlobalSize(GlobalHandle(lpDibPrint)), SIZE_T(468 * 668));
    // The print frame relies on the margin of lpDibPrint staying 0.
    for (int i = 0; i < PRINT_BYTES; i++)
        ASSERT_EQ(lpDibPrint[i], 0) << i;
    EXPECT_TRUE(observer.Boxes().empty());
    FreePageBuffers();
    EXPECT_EQ(lpDib, (BYTE*)NULL);
}

TEST_F(PageBuffers, EachRetryRepeatsTheFailedAllocation) {
    nFailures = 3;
    nRetries = 3;
    CMsgBoxObserver observer;
    EXPECT_EQ(AllocPageBuffers(), 1);
    EXPECT_EQ(nHandlerCalls, 3);
    EXPECT_TRUE(observer.Boxes().empty());

    FreePageBuffers();
    nLockFailures = 2; // the memory is there but cannot be locked: the same retry
    nRetries = 2;
    nHandlerCalls = 0;
    EXPECT_EQ(AllocPageBuffers(), 1);
    EXPECT_EQ(nHandlerCalls, 2);
}

TEST_F(PageBuffers, GivingUpShowsTheAssertionForTheBufferAndFreesTheOthers) {
    const char* const lpszTexts[] = {
        "at line 20 in file Gmem: \"lpDib\": OK to continue.",
        "at line 26 in file Gmem: \"lpDibClear\": OK to continue.",
        "at line 31 in file Gmem: \"lpDibPrint\": OK to continue.",
    };
    for (int n = 0; n < 3; n++) {
        SCOPED_TRACE(lpszTexts[n]);
        nAllocs = 0;
        nFailFrom = n + 1;
        nFailures = 1;
        nRetries = 0;
        nHandlerCalls = 0;
        CMsgBoxObserver observer;
        EXPECT_EQ(AllocPageBuffers(), 0);
        EXPECT_EQ(nHandlerCalls, 1);
        ASSERT_EQ(observer.Boxes().size(), 1u);
        EXPECT_EQ(observer.Boxes()[0].strText, lpszTexts[n]);
        EXPECT_EQ(observer.Boxes()[0].strCaption, "ASSERTION FAILURE");
        EXPECT_EQ(lpDib, (BYTE*)NULL);
        EXPECT_EQ(lpDibClear, (BYTE*)NULL);
        EXPECT_EQ(lpDibPrint, (BYTE*)NULL);
    }
}

TEST_F(PageBuffers, HandlerIsNeverCalledWhileItRunsOrWhenThereIsNone) {
    SetLowMemoryHandler(AllocatingHandler);
    nFailures = 1;
    EXPECT_EQ(GmemAlloc(1000), (void*)NULL);
    EXPECT_EQ(nHandlerCalls, 1);

    SetLowMemoryHandler(NULL);
    nFailures = 1;
    EXPECT_EQ(GmemAlloc(1000), (void*)NULL);
    void* lpMem = GmemAlloc(1000); // memory is back
    EXPECT_NE(lpMem, (void*)NULL);
    GmemFree(lpMem);
    GmemFree(NULL);
}

} // namespace
