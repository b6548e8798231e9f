// Dialog templates as the dialog manager reads them, and the heights of the dialogs' fonts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/dialog_template.h"
#include "ui/font_heights.h"

namespace {

// Reads a template word by word; a string or a read past the end fails the test.
struct Reader {
    const std::vector<uint8_t>& data;
    size_t nPos = 0;
    uint32_t Word() {
        EXPECT_LE(nPos + 2, data.size());
        return nPos + 2 > data.size() ? 0 : (nPos += 2, data[nPos - 2] | data[nPos - 1] << 8);
    }
    uint32_t Dword() { return Word() | Word() << 16; }
    std::u16string String() {
        std::u16string str;
        for (uint32_t w = Word(); w != 0 && nPos < data.size(); w = Word())
            str += char16_t(w);
        return str;
    }
};

// The dialog manager turns dialog units into pixels as n x bx / 4 across and n x by / 8 down.
TEST(DialogTemplate, EveryControlLandsAtTwiceItsTableUnitsWhateverTheBaseUnits) {
    InitDialogTables();
    for (auto [bx, by] : {std::pair{8, 16}, {6, 13}, {7, 15}, {9, 18}, {1, 1}}) {
        const int nLossX = (bx + 2) / 4, nLossY = (by + 6) / 8; // the truncation of two divisions
        for (int nDialog = 0; nDialog < DLG_COUNT; nDialog++) {
            SCOPED_TRACE(testing::Message() << bx << " x " << by << ", dialog " << nDialog);
            std::vector<uint8_t> block(DLG_TEMPLATE_BYTES, 0);
            const size_t cb = WriteDialogTemplate(
                block.data(), block.size(), DialogHeaders[nDialog], DialogItems[nDialog], bx, by);
            Reader r{block};
            EXPECT_EQ(r.Dword(), STYLE_POPUP);
            EXPECT_EQ(r.Dword(), 0u);
            const uint32_t nCount = r.Word();
            EXPECT_EQ(r.Word() | r.Word(), 0u);
            auto Check = [&](int nTable, uint32_t nUnits, int nDiv, int b, int nLoss) {
                const int nPixels = int16_t(nUnits) * b / nDiv;
                EXPECT_LE(nPixels, 2 * nTable);
                EXPECT_GE(nPixels, 2 * nTable - nLoss);
            };
            Check(DialogHeaders[nDialog].cx, r.Word(), 4, bx, nLossX);
            Check(DialogHeaders[nDialog].cy, r.Word(), 8, by, nLossY);
            EXPECT_EQ(r.String() + r.String() + r.String(), u"");
            const DlgItem* lpItem = DialogItems[nDialog];
            for (uint32_t i = 0; i < nCount; i++, lpItem++) {
                ASSERT_NE(lpItem->lpszClass, nullptr);
                r.nPos = (r.nPos + 3) & ~size_t(3);
                EXPECT_EQ(r.Dword(), lpItem->dwStyle | STYLE_CHILD);
                EXPECT_EQ(r.Dword(), 0u);
                Check(lpItem->x, r.Word(), 4, bx, nLossX);
                Check(lpItem->y, r.Word(), 8, by, nLossY);
                Check(lpItem->cx, r.Word(), 4, bx, nLossX);
                Check(lpItem->cy, r.Word(), 8, by, nLossY);
                EXPECT_EQ(r.Word(), uint32_t(lpItem->id));
                EXPECT_EQ(r.String(), lpItem->lpszClass);
                EXPECT_EQ(r.String(), lpItem->lpszText);
                EXPECT_EQ(r.Word(), 0u);
            }
            EXPECT_EQ(lpItem->lpszClass, nullptr) << "every control is in the template";
            EXPECT_EQ(r.nPos, cb);
        }
    }
}

TEST(DialogTemplate, AFontIsWrittenAfterTheCaptionAndBadArgumentsWriteNothing) {
    InitDialogTables();
    DlgHeader header = DialogHeaders[DLG_ABOUT];
    header.dwStyle |= STYLE_SETFONT;
    header.nPointSize = 9;
    header.lpszFace = u"Odd";
    std::vector<uint8_t> block(DLG_TEMPLATE_BYTES, 0);
    const size_t cbNeeded = WriteDialogTemplate(block.data(), block.size(), header, nullptr, 8, 16);
    Reader r{block, 18};
    EXPECT_EQ(r.String() + r.String() + r.String(), u"");
    EXPECT_EQ(r.Word(), 9u);
    EXPECT_EQ(r.String(), u"Odd");
    EXPECT_EQ(r.nPos, cbNeeded);
    for (size_t cb = 0; cb < cbNeeded; cb++) {
        std::vector<uint8_t> small(cb + 16, 0);
        EXPECT_EQ(WriteDialogTemplate(small.data(), cb, header, nullptr, 8, 16), 0u);
        EXPECT_EQ(std::vector<uint8_t>(small.begin() + cb, small.end()),
                  std::vector<uint8_t>(16, 0))
            << "written past a block of " << cb;
    }
    for (auto [bx, by] : {std::pair{0, 16}, {8, 0}, {8, -1}})
        EXPECT_EQ(WriteDialogTemplate(block.data(), block.size(), header, nullptr, bx, by), 0u);
    EXPECT_EQ(WriteDialogTemplate(nullptr, 100, header, nullptr, 8, 16), 0u);
}

TEST(FontHeights, PointsBecomeRoundedPixelsAt96PerInch) {
    for (int n = 0; n <= FONT_MAX_POINTS; n++)
        EXPECT_EQ(FontHeights[n], -((8 * n + 3) / 6)) << n << " points";
    EXPECT_EQ(std::vector<int>(FontPointSizes, FontPointSizes + FONT_SLOTS),
              (std::vector<int>{8, 10, 11, 12, 18, 24, 36}));
}

} // namespace
