// File encoders: Windows bitmaps, icons, cursors and the 1-bit page files.
#include "encode.h"
#include <algorithm>
#include <map>

namespace {

void Put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xffff);
    Put16(b, v >> 16);
}

void PutFileHeader(Bytes& b, char c0, char c1, uint32_t nSize, uint32_t nOffBits) {
    b.push_back(uint8_t(c0));
    b.push_back(uint8_t(c1));
    Put32(b, nSize);
    Put16(b, 0);
    Put16(b, 0);
    Put32(b, nOffBits);
}

void PutInfoHeader(Bytes& b, int w, int h, int nBits, uint32_t nImage, uint32_t nClrUsed) {
    Put32(b, 40);
    Put32(b, uint32_t(w));
    Put32(b, uint32_t(h));
    Put16(b, 1);
    Put16(b, uint32_t(nBits));
    Put32(b, 0);
    Put32(b, nImage);
    Put32(b, 2835); // 72 dpi
    Put32(b, 2835);
    Put32(b, nClrUsed);
    Put32(b, 0);
}

uint32_t Key(Rgb c) {
    return (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b;
}
Rgb FromKey(uint32_t k) {
    return {uint8_t(k >> 16), uint8_t(k >> 8), uint8_t(k)};
}

struct Box {
    std::vector<std::pair<uint32_t, uint32_t>> colours; // key, count
};

// Splits the colours the frequent ones left over into boxes along their widest channel.
std::vector<Rgb> MedianCut(std::vector<std::pair<uint32_t, uint32_t>> colours, size_t nBoxes) {
    std::vector<Box> boxes;
    if (colours.empty() || nBoxes == 0)
        return {};
    boxes.push_back({std::move(colours)});
    while (boxes.size() < nBoxes) {
        // Split the box with the largest weighted spread.
        size_t iBest = 0;
        long nBestScore = -1;
        int nBestChannel = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].colours.size() < 2)
                continue;
            int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
            long nWeight = 0;
            for (auto& kc : boxes[i].colours) {
                for (int ch = 0; ch < 3; ++ch) {
                    int v = int((kc.first >> (16 - 8 * ch)) & 0xff);
                    lo[ch] = std::min(lo[ch], v);
                    hi[ch] = std::max(hi[ch], v);
                }
                nWeight += kc.second;
            }
            for (int ch = 0; ch < 3; ++ch) {
                long nScore = long(hi[ch] - lo[ch]) * (1 + nWeight);
                if (nScore > nBestScore) {
                    nBestScore = nScore;
                    iBest = i;
                    nBestChannel = ch;
                }
            }
        }
        if (nBestScore < 0)
            break;
        auto& v = boxes[iBest].colours;
        int nShift = 16 - 8 * nBestChannel;
        std::sort(v.begin(), v.end(), [nShift](auto& a, auto& b) {
            uint32_t ca = (a.first >> nShift) & 0xff, cb = (b.first >> nShift) & 0xff;
            return ca != cb ? ca < cb : a.first < b.first;
        });
        size_t nHalf = v.size() / 2;
        Box other{std::vector<std::pair<uint32_t, uint32_t>>(v.begin() + long(nHalf), v.end())};
        v.resize(nHalf);
        boxes.push_back(std::move(other));
    }
    std::vector<Rgb> out;
    for (auto& box : boxes) {
        double s[3] = {0, 0, 0}, n = 0;
        for (auto& kc : box.colours) {
            for (int ch = 0; ch < 3; ++ch)
                s[ch] += double((kc.first >> (16 - 8 * ch)) & 0xff) * kc.second;
            n += kc.second;
        }
        out.push_back({uint8_t(s[0] / n + 0.5), uint8_t(s[1] / n + 0.5), uint8_t(s[2] / n + 0.5)});
    }
    return out;
}

} // namespace

Indexed Quantize(const Picture& pic) {
    std::map<uint32_t, uint32_t> counts;
    for (const Rgb& c : pic.px)
        ++counts[Key(c)];
    std::vector<std::pair<uint32_t, uint32_t>> byCount(counts.begin(), counts.end());
    std::stable_sort(byCount.begin(), byCount.end(),
                     [](auto& a, auto& b) { return a.second > b.second; });
    Indexed out;
    out.nWidth = pic.nWidth;
    out.nHeight = pic.nHeight;
    // Flat colours (swatches, outlines, backgrounds) are kept exactly; only the anti-aliased
    // rims share the remaining entries.
    const size_t nExact = byCount.size() <= 256 ? byCount.size() : 128;
    for (size_t i = 0; i < nExact; ++i)
        out.palette.push_back(FromKey(byCount[i].first));
    if (byCount.size() > nExact) {
        std::vector<std::pair<uint32_t, uint32_t>> rest(byCount.begin() + long(nExact),
                                                        byCount.end());
        for (Rgb c : MedianCut(std::move(rest), 256 - nExact))
            out.palette.push_back(c);
    }
    std::map<uint32_t, uint8_t> lookup;
    for (size_t i = 0; i < nExact; ++i)
        lookup[Key(out.palette[i])] = uint8_t(i);
    out.pixels.resize(pic.px.size());
    for (size_t i = 0; i < pic.px.size(); ++i) {
        uint32_t k = Key(pic.px[i]);
        auto it = lookup.find(k);
        if (it == lookup.end()) {
            long nBest = -1;
            uint8_t idBest = 0;
            for (size_t j = 0; j < out.palette.size(); ++j) {
                Rgb p = out.palette[j];
                long dr = long(p.r) - pic.px[i].r, dg = long(p.g) - pic.px[i].g,
                     db = long(p.b) - pic.px[i].b;
                long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
                if (nBest < 0 || d < nBest) {
                    nBest = d;
                    idBest = uint8_t(j);
                }
            }
            it = lookup.emplace(k, idBest).first;
        }
        out.pixels[i] = it->second;
    }
    return out;
}

Bytes EncodeBmp24(const Picture& pic) {
    const uint32_t nRow = (uint32_t(pic.nWidth) * 3 + 3) & ~3u;
    const uint32_t nImage = nRow * uint32_t(pic.nHeight);
    Bytes b;
    PutFileHeader(b, 'B', 'M', 54 + nImage, 54);
    PutInfoHeader(b, pic.nWidth, pic.nHeight, 24, nImage, 0);
    for (int y = pic.nHeight - 1; y >= 0; --y) {
        size_t nStart = b.size();
        for (int x = 0; x < pic.nWidth; ++x) {
            Rgb c = pic.At(x, y);
            b.push_back(c.b);
            b.push_back(c.g);
            b.push_back(c.r);
        }
        b.resize(nStart + nRow, 0);
    }
    return b;
}

Bytes EncodeBmp8(const Picture& pic) {
    Indexed ix = Quantize(pic);
    const uint32_t nRow = (uint32_t(pic.nWidth) + 3) & ~3u;
    const uint32_t nImage = nRow * uint32_t(pic.nHeight);
    Bytes b;
    PutFileHeader(b, 'B', 'M', 1078 + nImage, 1078);
    PutInfoHeader(b, pic.nWidth, pic.nHeight, 8, nImage, 256);
    for (size_t i = 0; i < 256; ++i) {
        Rgb c = i < ix.palette.size() ? ix.palette[i] : Rgb{0, 0, 0};
        b.push_back(c.b);
        b.push_back(c.g);
        b.push_back(c.r);
        b.push_back(0);
    }
    for (int y = pic.nHeight - 1; y >= 0; --y) {
        size_t nStart = b.size();
        for (int x = 0; x < pic.nWidth; ++x)
            b.push_back(ix.pixels[size_t(y) * pic.nWidth + x]);
        b.resize(nStart + nRow, 0);
    }
    return b;
}

Bytes EncodePage(const std::vector<uint8_t>& blank, int nWidth, int nHeight) {
    const uint32_t nRow = ((uint32_t(nWidth) + 31) / 32) * 4;
    const uint32_t nImage = nRow * uint32_t(nHeight);
    Bytes b;
    PutFileHeader(b, 'T', '3', 62 + nImage, 62);
    PutInfoHeader(b, nWidth, nHeight, 1, nImage, 2);
    const uint8_t Table[8] = {0, 0, 0, 0, 255, 255, 255, 0}; // outline black, blank white
    b.insert(b.end(), Table, Table + 8);
    for (int y = nHeight - 1; y >= 0; --y) {
        size_t nStart = b.size();
        b.resize(nStart + nRow, 0);
        for (int x = 0; x < nWidth; ++x)
            if (blank[size_t(y) * nWidth + x])
                b[nStart + size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
    }
    return b;
}

namespace {

// One icon or cursor image: 32-bit colour with alpha, then the 1-bit transparency mask.
Bytes IconDib(const IconImage& im) {
    const int n = im.pic.nWidth;
    const uint32_t nMaskRow = ((uint32_t(n) + 31) / 32) * 4;
    Bytes b;
    PutInfoHeader(b, n, n * 2, 32, uint32_t(n * n * 4) + nMaskRow * uint32_t(n), 0);
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; ++x) {
            Rgb c = im.pic.At(x, y);
            uint8_t a = im.alpha[size_t(y) * n + x];
            b.push_back(a ? c.b : 0);
            b.push_back(a ? c.g : 0);
            b.push_back(a ? c.r : 0);
            b.push_back(a);
        }
    for (int y = n - 1; y >= 0; --y) {
        size_t nStart = b.size();
        b.resize(nStart + nMaskRow, 0);
        for (int x = 0; x < n; ++x)
            if (im.alpha[size_t(y) * n + x] < 128)
                b[nStart + size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
    }
    return b;
}

Bytes IconFile(const std::vector<IconImage>& images, int nType, int xHot, int yHot) {
    Bytes b;
    Put16(b, 0);
    Put16(b, uint32_t(nType));
    Put16(b, uint32_t(images.size()));
    std::vector<Bytes> dibs;
    for (auto& im : images)
        dibs.push_back(IconDib(im));
    uint32_t nOffset = 6 + 16 * uint32_t(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        int n = images[i].pic.nWidth;
        b.push_back(uint8_t(n >= 256 ? 0 : n));
        b.push_back(uint8_t(n >= 256 ? 0 : n));
        b.push_back(0);
        b.push_back(0);
        if (nType == 1) {
            Put16(b, 1);
            Put16(b, 32);
        } else {
            Put16(b, uint32_t(xHot));
            Put16(b, uint32_t(yHot));
        }
        Put32(b, uint32_t(dibs[i].size()));
        Put32(b, nOffset);
        nOffset += uint32_t(dibs[i].size());
    }
    for (auto& d : dibs)
        b.insert(b.end(), d.begin(), d.end());
    return b;
}

} // namespace

Bytes EncodeIcon(const std::vector<IconImage>& images) {
    return IconFile(images, 1, 0, 0);
}

Bytes EncodeCursor(const IconImage& image, int xHot, int yHot) {
    return IconFile({image}, 2, xHot, yHot);
}
