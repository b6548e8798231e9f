// Fuzzes the page maker with any picture: the first bytes give its size, kind of pixels and
// settings, the rest its pixels. A picture either gives a reason or a whole page of outline
// and blank only, and a page file of the book's size. (Each run makes a whole page, which
// takes a while under the sanitizers: one page a run.)
#include "pagemaker/core/make_page.h"
#include "pages/pixels.h"

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* lpData, size_t cbData) {
    if (cbData < 6)
        return 0;
    static const PictureFormat formats[] = {PICTURE_GREY, PICTURE_RGB, PICTURE_RGBA, PICTURE_BGRA};
    const int w = 1 + (lpData[0] | (lpData[1] & 3) << 8),
              h = 1 + (lpData[2] | (lpData[3] & 3) << 8);
    const PictureFormat nFormat = formats[lpData[4] & 3];
    const int cb = nFormat == PICTURE_GREY ? 1 : nFormat == PICTURE_RGB ? 3 : 4;
    const MakeSettings settings = {lpData[5] & 31, (lpData[5] >> 5) % 3 - 1};
    // The pixels repeat what the input holds, row after row with a stride of its own.
    const size_t nStride = size_t(w) * cb + (lpData[4] >> 2 & 7);
    std::vector<uint8_t> pixels(nStride * h);
    for (size_t i = 0; i < pixels.size(); i++)
        pixels[i] = cbData > 6 ? lpData[6 + i % (cbData - 6)] : 255;
    const Picture picture = {pixels.data(), w, h, nStride, nFormat};
    MadePage page;
    const MakeResult nResult = MakePage(picture, settings, &page);
    if (MakeResultText(nResult) == nullptr)
        abort();
    if (nResult != MAKE_OK) {
        if (!page.lpBits.empty())
            abort();
        return 0;
    }
    if (page.lpBits.size() != PAGE_BYTES || page.nAreas < 1 ||
        page.lpJoins.size() != size_t(4 * page.nGapsClosed))
        abort();
    for (uint8_t b : page.lpBits)
        if (b != PIXEL_OUTLINE && b != PIXEL_BLANK)
            abort();
    if (EncodeMadePage(page).size() != PAGE_HEADERS_BYTES + PAGE_BYTES)
        abort();
    return 0;
}
