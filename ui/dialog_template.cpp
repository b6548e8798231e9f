// Building a dialog template: little-endian words into a fixed block, items on 4-byte bounds.
#include "ui/dialog_template.h"

namespace {

// Writes little-endian values into a fixed buffer; once something does not fit it stops
// writing and remembers the overflow.
class TemplateWriter {
  public:
    TemplateWriter(uint8_t* lpBuffer, size_t cbBuffer) : lpBuf(lpBuffer), cbBuf(cbBuffer) {}

    void Word(uint16_t w) {
        if (!Room(2))
            return;
        lpBuf[nPos++] = static_cast<uint8_t>(w);
        lpBuf[nPos++] = static_cast<uint8_t>(w >> 8);
    }
    void Dword(uint32_t dw) {
        Word(static_cast<uint16_t>(dw));
        Word(static_cast<uint16_t>(dw >> 16));
    }
    // A zero-terminated UTF-16 string; a missing one is written empty.
    void String(const char16_t* lpsz) {
        if (lpsz != nullptr)
            for (; *lpsz != 0; lpsz++)
                Word(static_cast<uint16_t>(*lpsz));
        Word(0);
    }
    // The buffer is zero-filled, so moving on leaves zeros behind.
    void AlignDword() {
        size_t nPad = (4 - nPos % 4) % 4;
        if (Room(nPad))
            nPos += nPad;
    }
    void PatchWord(size_t nAt, uint16_t w) {
        if (nAt + 2 <= cbBuf) {
            lpBuf[nAt] = static_cast<uint8_t>(w);
            lpBuf[nAt + 1] = static_cast<uint8_t>(w >> 8);
        }
    }
    size_t Pos() const { return nPos; }
    bool Overflowed() const { return bOverflow; }

  private:
    bool Room(size_t cb) {
        if (bOverflow || cb > cbBuf - nPos) {
            bOverflow = true;
            return false;
        }
        return true;
    }

    uint8_t* lpBuf;
    size_t cbBuf;
    size_t nPos = 0;
    bool bOverflow = false;
};

// Table units to dialog units: the dialog manager multiplies by the base unit and divides by
// 4 across and 8 down, so one table unit comes out as two pixels.
uint16_t Across(int32_t n, int bx) {
    return static_cast<uint16_t>(n * 8 / bx);
}
uint16_t Down(int32_t n, int by) {
    return static_cast<uint16_t>(n * 16 / by);
}

} // namespace

size_t WriteDialogTemplate(uint8_t* lpBuf, size_t cbBuf, const DlgHeader& header,
                           const DlgItem* lpItems, int bx, int by) {
    if (lpBuf == nullptr || bx <= 0 || by <= 0)
        return 0;
    TemplateWriter w(lpBuf, cbBuf);
    w.Dword(header.dwStyle);
    w.Dword(0); // extended style
    size_t nCountAt = w.Pos();
    w.Word(0);
    w.Word(static_cast<uint16_t>(header.x));
    w.Word(static_cast<uint16_t>(header.y));
    w.Word(Across(header.cx, bx));
    w.Word(Down(header.cy, by));
    w.String(header.lpszMenu);
    w.String(header.lpszClass);
    w.String(header.lpszCaption);
    if (header.dwStyle & STYLE_SETFONT) {
        w.Word(static_cast<uint16_t>(header.nPointSize));
        w.String(header.lpszFace);
    }

    uint16_t nCount = 0;
    for (const DlgItem* lpItem = lpItems; lpItem != nullptr && lpItem->lpszClass != nullptr;
         lpItem++) {
        w.AlignDword();
        w.Dword(lpItem->dwStyle | STYLE_CHILD);
        w.Dword(0); // extended style
        w.Word(Across(lpItem->x, bx));
        w.Word(Down(lpItem->y, by));
        w.Word(Across(lpItem->cx, bx));
        w.Word(Down(lpItem->cy, by));
        w.Word(static_cast<uint16_t>(lpItem->id));
        w.String(lpItem->lpszClass); // by name, never as a predefined class number
        w.String(lpItem->lpszText);
        w.Word(0); // no creation data
        nCount++;
    }
    if (w.Overflowed())
        return 0;
    w.PatchWord(nCountAt, nCount);
    return w.Pos();
}
