// Dialog templates: the bytes the dialog manager reads, the pixel sizes they come out at, and
// the heights of the dialogs' fonts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/dialog_template.h"
#include "ui/font_heights.h"

namespace {

struct ParsedItem {
    size_t nOffset;
    uint32_t dwStyle, dwExStyle;
    int16_t x, y, cx, cy;
    uint16_t id;
    std::u16string strClass, strText;
    uint16_t cbCreationData;
};

struct ParsedTemplate {
    uint32_t dwStyle, dwExStyle;
    uint16_t nCount;
    int16_t x, y, cx, cy;
    std::u16string strMenu, strClass, strCaption, strFace;
    uint16_t nPointSize;
    std::vector<ParsedItem> items;
};

// Reads a template the way the dialog manager does, refusing anything that runs past the end
// or names a class by number.
class TemplateReader {
  public:
    TemplateReader(const std::vector<uint8_t>& bytes) : data(bytes) {}

    bool Parse(ParsedTemplate* lpOut) {
        ParsedTemplate& t = *lpOut;
        t = {};
        if (!Dword(&t.dwStyle) || !Dword(&t.dwExStyle) || !Word(&t.nCount) || !Short(&t.x) ||
            !Short(&t.y) || !Short(&t.cx) || !Short(&t.cy))
            return false;
        if (!String(&t.strMenu) || !String(&t.strClass) || !String(&t.strCaption))
            return false;
        if ((t.dwStyle & STYLE_SETFONT) && (!Word(&t.nPointSize) || !String(&t.strFace)))
            return false;
        for (int i = 0; i < t.nCount; i++) {
            nPos = (nPos + 3) & ~size_t(3);
            ParsedItem item = {};
            item.nOffset = nPos;
            if (!Dword(&item.dwStyle) || !Dword(&item.dwExStyle) || !Short(&item.x) ||
                !Short(&item.y) || !Short(&item.cx) || !Short(&item.cy) || !Word(&item.id) ||
                !String(&item.strClass) || !String(&item.strText) || !Word(&item.cbCreationData))
                return false;
            t.items.push_back(item);
        }
        return true;
    }
    size_t Pos() const { return nPos; }

  private:
    bool Word(uint16_t* lpw) {
        if (nPos + 2 > data.size())
            return false;
        *lpw = static_cast<uint16_t>(data[nPos] | data[nPos + 1] << 8);
        nPos += 2;
        return true;
    }
    bool Short(int16_t* lpn) {
        uint16_t w;
        if (!Word(&w))
            return false;
        *lpn = static_cast<int16_t>(w);
        return true;
    }
    bool Dword(uint32_t* lpdw) {
        uint16_t lo, hi;
        if (!Word(&lo) || !Word(&hi))
            return false;
        *lpdw = lo | static_cast<uint32_t>(hi) << 16;
        return true;
    }
    bool String(std::u16string* lpstr) {
        uint16_t w;
        if (!Word(&w) || w == 0xFFFF) // 0xFFFF would start a class or resource number
            return false;
        while (w != 0) {
            lpstr->push_back(static_cast<char16_t>(w));
            if (!Word(&w))
                return false;
        }
        return true;
    }

    const std::vector<uint8_t>& data;
    size_t nPos = 0;
};

class DialogTemplateTest : public testing::Test {
  protected:
    void SetUp() override { InitDialogTables(); }

    ParsedTemplate Build(int nDialog, int bx, int by) {
        std::vector<uint8_t> block(DLG_TEMPLATE_BYTES, 0);
        size_t cb = WriteDialogTemplate(block.data(), block.size(), DialogHeaders[nDialog],
                                        DialogItems[nDialog], bx, by);
        EXPECT_GT(cb, 0u);
        ParsedTemplate t;
        TemplateReader reader(block);
        EXPECT_TRUE(reader.Parse(&t));
        EXPECT_EQ(reader.Pos(), cb);
        return t;
    }
};

// The dialog manager's own conversion back from dialog units to pixels.
int PixelsAcross(int n, int bx) {
    return n * bx / 4;
}
int PixelsDown(int n, int by) {
    return n * by / 8;
}

size_t ListLength(const DlgItem* lpItems) {
    size_t n = 0;
    while (lpItems[n].lpszClass != nullptr)
        n++;
    return n;
}

TEST_F(DialogTemplateTest, InfoDialogIs360PixelsSquareAndCentredWithBaseUnits8By16) {
    ParsedTemplate t = Build(DLG_INFO, 8, 16);
    int cx = PixelsAcross(t.cx, 8), cy = PixelsDown(t.cy, 16);
    EXPECT_EQ(cx, 360);
    EXPECT_EQ(cy, 360);
    EXPECT_EQ((800 - cx) / 2, 220);
    EXPECT_EQ((600 - cy) / 2, 120);
}

TEST_F(DialogTemplateTest, EveryControlLandsAtTwiceItsTableUnitsWithBaseUnits8By16) {
    for (int nDialog = 0; nDialog < DLG_COUNT; nDialog++) {
        ParsedTemplate t = Build(nDialog, 8, 16);
        ASSERT_EQ(t.items.size(), ListLength(DialogItems[nDialog]));
        EXPECT_EQ(PixelsAcross(t.cx, 8), 2 * DialogHeaders[nDialog].cx);
        EXPECT_EQ(PixelsDown(t.cy, 16), 2 * DialogHeaders[nDialog].cy);
        for (size_t i = 0; i < t.items.size(); i++) {
            const DlgItem& row = DialogItems[nDialog][i];
            const ParsedItem& item = t.items[i];
            SCOPED_TRACE(testing::Message() << "dialog " << nDialog << " control " << row.id);
            EXPECT_EQ(PixelsAcross(item.x, 8), 2 * row.x);
            EXPECT_EQ(PixelsDown(item.y, 16), 2 * row.y);
            EXPECT_EQ(PixelsAcross(item.cx, 8), 2 * row.cx);
            EXPECT_EQ(PixelsDown(item.cy, 16), 2 * row.cy);
        }
    }
}

// With other fonts the two pixels per unit hold but for the truncation of the two divisions.
TEST_F(DialogTemplateTest, OtherBaseUnitsLoseAtMostTheTruncation) {
    const int units[][2] = {{6, 13}, {7, 15}, {9, 18}, {5, 11}};
    for (const auto& bu : units) {
        int bx = bu[0], by = bu[1];
        int nLossX = (bx - 1 + 3) / 4, nLossY = (by - 1 + 7) / 8;
        ParsedTemplate t = Build(DLG_ABOUT, bx, by);
        for (size_t i = 0; i < t.items.size(); i++) {
            const DlgItem& row = DialogItems[DLG_ABOUT][i];
            int nX = PixelsAcross(t.items[i].x, bx), nY = PixelsDown(t.items[i].y, by);
            int nCx = PixelsAcross(t.items[i].cx, bx), nCy = PixelsDown(t.items[i].cy, by);
            SCOPED_TRACE(testing::Message() << bx << " x " << by << ", control " << row.id);
            EXPECT_LE(nX, 2 * row.x);
            EXPECT_GE(nX, 2 * row.x - nLossX);
            EXPECT_LE(nY, 2 * row.y);
            EXPECT_GE(nY, 2 * row.y - nLossY);
            EXPECT_LE(nCx, 2 * row.cx);
            EXPECT_GE(nCx, 2 * row.cx - nLossX);
            EXPECT_LE(nCy, 2 * row.cy);
            EXPECT_GE(nCy, 2 * row.cy - nLossY);
        }
    }
}

TEST_F(DialogTemplateTest, TemplatesHoldBorderlessPopupsOfChildControlsNamedByClass) {
    for (int nDialog = 0; nDialog < DLG_COUNT; nDialog++) {
        SCOPED_TRACE(nDialog);
        ParsedTemplate t = Build(nDialog, 8, 16);
        EXPECT_EQ(t.dwStyle, STYLE_POPUP);
        EXPECT_EQ(t.dwExStyle, 0u);
        EXPECT_EQ(t.nCount, t.items.size());
        EXPECT_EQ(t.x, 0);
        EXPECT_EQ(t.y, 0);
        EXPECT_TRUE(t.strMenu.empty());
        EXPECT_TRUE(t.strClass.empty());
        EXPECT_TRUE(t.strCaption.empty());
        for (size_t i = 0; i < t.items.size(); i++) {
            const DlgItem& row = DialogItems[nDialog][i];
            const ParsedItem& item = t.items[i];
            EXPECT_EQ(item.nOffset % 4, 0u);
            EXPECT_EQ(item.dwStyle, row.dwStyle | STYLE_CHILD);
            EXPECT_EQ(item.dwExStyle, 0u);
            EXPECT_EQ(item.id, row.id);
            EXPECT_EQ(item.strClass, row.lpszClass);
            EXPECT_EQ(item.strText, row.lpszText);
            EXPECT_EQ(item.cbCreationData, 0);
        }
    }
    EXPECT_EQ(Build(DLG_INFO, 8, 16).items[0].strText, u"&Done");
    EXPECT_EQ(Build(DLG_ABOUT, 8, 16).items[0].strText, u"TWLIcon");
    EXPECT_EQ(Build(DLG_PRINTOPTIONS, 8, 16).items[2].id, IDC_PRINTALTERNATE2);
}

TEST_F(DialogTemplateTest, AFontInTheHeaderIsWrittenAndTheItemsStayAligned) {
    DlgHeader header = DialogHeaders[DLG_ABOUT];
    header.dwStyle |= STYLE_SETFONT;
    header.nPointSize = 9;
    header.lpszFace = u"Odd";
    header.lpszCaption = u"Ab";
    std::vector<uint8_t> block(DLG_TEMPLATE_BYTES, 0);
    size_t cb =
        WriteDialogTemplate(block.data(), block.size(), header, DialogItems[DLG_ABOUT], 8, 16);
    ASSERT_GT(cb, 0u);
    ParsedTemplate t;
    TemplateReader reader(block);
    ASSERT_TRUE(reader.Parse(&t));
    EXPECT_EQ(t.nPointSize, 9);
    EXPECT_EQ(t.strFace, u"Odd");
    EXPECT_EQ(t.strCaption, u"Ab");
    ASSERT_EQ(t.items.size(), 4u);
    for (const ParsedItem& item : t.items)
        EXPECT_EQ(item.nOffset % 4, 0u);
    EXPECT_EQ(t.items[3].strText, u"&OK");
}

TEST_F(DialogTemplateTest, ABlockTooSmallOrBadBaseUnitsAreRefusedWithoutWritingPastTheBlock) {
    std::vector<uint8_t> block(DLG_TEMPLATE_BYTES, 0);
    size_t cbNeeded = WriteDialogTemplate(block.data(), block.size(), DialogHeaders[DLG_ABOUT],
                                          DialogItems[DLG_ABOUT], 8, 16);
    ASSERT_GT(cbNeeded, 0u);
    for (size_t cb = 0; cb < cbNeeded; cb++) {
        std::vector<uint8_t> small(cb + 16, 0);
        EXPECT_EQ(WriteDialogTemplate(small.data(), cb, DialogHeaders[DLG_ABOUT],
                                      DialogItems[DLG_ABOUT], 8, 16),
                  0u);
        for (size_t i = cb; i < small.size(); i++)
            ASSERT_EQ(small[i], 0) << "byte " << i << " written with a block of " << cb;
    }
    EXPECT_EQ(WriteDialogTemplate(block.data(), block.size(), DialogHeaders[DLG_INFO],
                                  DialogItems[DLG_INFO], 0, 16),
              0u);
    EXPECT_EQ(WriteDialogTemplate(block.data(), block.size(), DialogHeaders[DLG_INFO],
                                  DialogItems[DLG_INFO], 8, -1),
              0u);
    EXPECT_EQ(
        WriteDialogTemplate(nullptr, 100, DialogHeaders[DLG_INFO], DialogItems[DLG_INFO], 8, 16),
        0u);
}

TEST_F(DialogTemplateTest, WithoutAControlListTheDialogIsEmpty) {
    std::vector<uint8_t> block(DLG_TEMPLATE_BYTES, 0);
    ASSERT_GT(
        WriteDialogTemplate(block.data(), block.size(), DialogHeaders[DLG_INFO], nullptr, 8, 16),
        0u);
    ParsedTemplate t;
    TemplateReader reader(block);
    ASSERT_TRUE(reader.Parse(&t));
    EXPECT_EQ(t.nCount, 0);
}

TEST(FontHeights, PointsBecomeRoundedPixelsAt96PerInch) {
    for (int n = 0; n <= FONT_MAX_POINTS; n++)
        EXPECT_EQ(FontHeights[n], -((8 * n + 3) / 6)) << n << " points";
    const int32_t slotHeights[FONT_SLOTS] = {-11, -13, -15, -16, -24, -32, -48};
    for (int nSlot = 0; nSlot < FONT_SLOTS; nSlot++)
        EXPECT_EQ(FontHeights[FontPointSizes[nSlot]], slotHeights[nSlot]) << "slot " << nSlot;
}

} // namespace
