// The four bands of the frame around the page.
#include "shell/app.h"
#include "shell/base/diag.h"
#include "shell/paint.h"

// Where the frame's one assertion says it is.
static const char szModule[] = "Drawbrdr";
static const unsigned nLineDeleteSave = 97;

void DrawBorder(HDC hdc) {
    HDC hdcWork = CreateCompatibleDC(hdc);
    HDC hdcSource = CreateCompatibleDC(hdc);
    HBITMAP HBMSave = CreateCompatibleBitmap(hdc, 800, 600);
    HGDIOBJ hbmOldWork = SelectObject(hdcWork, HBMSave);

    HGDIOBJ hbmOldSource = NULL;
    if (hbmTopBottom != NULL) {
        hbmOldSource = SelectObject(hdcSource, hbmTopBottom);
        BitBlt(hdcWork, 0, 0, 800, 70, hdcSource, 0, 0, SRCCOPY);
        BitBlt(hdcWork, 0, 530, 800, 70, hdcSource, 0, 70, SRCCOPY);
    }
    if (hbmLeftRight != NULL) {
        HGDIOBJ hbmPrev = SelectObject(hdcSource, hbmLeftRight);
        if (hbmOldSource == NULL)
            hbmOldSource = hbmPrev;
        BitBlt(hdcWork, 0, 70, 70, 460, hdcSource, 0, 0, SRCCOPY);
        BitBlt(hdcWork, 730, 70, 70, 460, hdcSource, 70, 0, SRCCOPY);
    }
    // The inner 660 x 460 is left undrawn: the page covers it right after.
    BitBlt(hdc, 0, 0, 800, 600, hdcWork, 0, 0, SRCCOPY);

    if (hbmOldSource != NULL)
        SelectObject(hdcSource, hbmOldSource);
    SelectObject(hdcWork, hbmOldWork);
    DeleteDC(hdcWork);
    DeleteDC(hdcSource);
    ASSERT_AT(DeleteObject(HBMSave), szModule, nLineDeleteSave, "DeleteObject ( HBMSave )");
}
