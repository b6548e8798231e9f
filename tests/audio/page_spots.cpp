// Places on a page to click.
#include "audio/page_spots.h"

#include "e2e/driver.h"

namespace {

const int cxPage = 660, cyPage = 460;

} // namespace

POINT LargestBlankArea(const std::vector<uint8_t>& page, size_t* lpnPixels) {
    POINT pt = {-1, -1};
    size_t nBest = 0;
    std::vector<bool> seen(page.size(), false);
    for (int y = 5; y < cyPage; y += 23)
        for (int x = 5; x < cxPage; x += 29) {
            size_t i = (size_t)y * cxPage + x;
            if (i >= page.size() || page[i] != 225 || seen[i])
                continue;
            std::vector<bool> area = AreaAround(page, x, y);
            size_t n = 0;
            for (size_t j = 0; j < area.size(); j++)
                if (area[j]) {
                    seen[j] = true;
                    n++;
                }
            if (n > nBest) {
                nBest = n;
                pt = POINT{x, y};
            }
        }
    if (lpnPixels)
        *lpnPixels = nBest;
    return pt;
}

POINT SmallBlankArea(const std::vector<uint8_t>& page, size_t nMin, size_t nMax) {
    std::vector<bool> seen(page.size(), false);
    for (int y = 0; y < cyPage; y++)
        for (int x = 0; x < cxPage; x++) {
            size_t i = (size_t)y * cxPage + x;
            if (i >= page.size() || page[i] != 225 || seen[i])
                continue;
            std::vector<bool> area = AreaAround(page, x, y);
            size_t n = 0;
            for (size_t j = 0; j < area.size(); j++)
                if (area[j]) {
                    seen[j] = true;
                    n++;
                }
            if (n < nMin || n >= nMax)
                continue;
            // A pixel well inside, so that a click a pixel off still lands in the area.
            for (int qy = 1; qy + 1 < cyPage; qy++)
                for (int qx = 1; qx + 1 < cxPage; qx++) {
                    int bInside = TRUE;
                    for (int dy = -1; dy <= 1 && bInside; dy++)
                        for (int dx = -1; dx <= 1 && bInside; dx++)
                            bInside = area[(size_t)(qy + dy) * cxPage + qx + dx];
                    if (bInside)
                        return POINT{qx, qy};
                }
        }
    return POINT{-1, -1};
}

POINT OutlinePixel(const std::vector<uint8_t>& page) {
    if (page.size() < (size_t)cxPage * cyPage)
        return POINT{-1, -1};
    for (int y = 1; y + 1 < cyPage; y++)
        for (int x = 1; x + 1 < cxPage; x++) {
            int bThick = TRUE;
            for (int dy = -1; dy <= 1 && bThick; dy++)
                for (int dx = -1; dx <= 1 && bThick; dx++)
                    bThick = page[(size_t)(y + dy) * cxPage + x + dx] == 0;
            if (bThick)
                return POINT{x, y};
        }
    return POINT{-1, -1};
}
