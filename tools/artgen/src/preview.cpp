// PNG mock-ups of the screens, built from the generated files as the program would show them.
#include "preview.h"
#include "scenes.h"
#include <cstdio>
#include <map>

namespace {

uint32_t Get32(const Bytes& b, size_t i) {
    return i + 4 <= b.size() ? uint32_t(b[i]) | uint32_t(b[i + 1]) << 8 | uint32_t(b[i + 2]) << 16 |
                                   uint32_t(b[i + 3]) << 24
                             : 0;
}

cairo_status_t AppendPng(void* lpClosure, const unsigned char* lpData, unsigned int n) {
    auto* lpOut = static_cast<Bytes*>(lpClosure);
    lpOut->insert(lpOut->end(), lpData, lpData + n);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

Picture DecodeBitmap(const Bytes& b) {
    if (b.size() < 54)
        return {};
    int w = int(Get32(b, 18)), h = int(Get32(b, 22));
    int nBits = b[28];
    uint32_t nOff = Get32(b, 10);
    if (w <= 0 || h <= 0 || w > 4096 || h > 4096)
        return {};
    size_t nRow = ((size_t(w) * nBits + 31) / 32) * 4;
    if (nOff + nRow * h > b.size())
        return {};
    Picture pic(w, h);
    for (int y = 0; y < h; ++y) {
        const uint8_t* lpRow = &b[nOff + nRow * size_t(h - 1 - y)];
        for (int x = 0; x < w; ++x) {
            if (nBits == 24) {
                pic.At(x, y) = {lpRow[3 * x + 2], lpRow[3 * x + 1], lpRow[3 * x]};
            } else if (nBits == 8) {
                size_t e = 54 + 4 * size_t(lpRow[x]);
                pic.At(x, y) = {b[e + 2], b[e + 1], b[e]};
            } else if (nBits == 1) {
                bool bSet = lpRow[x / 8] & (0x80 >> (x % 8));
                pic.At(x, y) = bSet ? Rgb{239, 239, 239} : Rgb{0, 0, 0};
            }
        }
    }
    return pic;
}

Bytes EncodePng(const Picture& pic) {
    CCanvas c(pic);
    Bytes out;
    cairo_surface_write_to_png_stream(cairo_get_target(c.Cr()), AppendPng, &out);
    return out;
}

namespace {

// Colours about half of the page's areas, each with the colour the colour drawing gives it.
Picture HalfColoured(const Picture& page, const Picture& painted) {
    Picture out = page;
    int nLabel = 0;
    ForEachArea(
        page.nWidth, page.nHeight, [&](size_t i) { return page.px[i].r != 0; },
        [&](const std::vector<size_t>& members) {
            if (nLabel++ % 3 == 1)
                return;
            std::map<uint32_t, int> votes;
            for (size_t i : members) {
                Rgb c = painted.px[i];
                ++votes[(uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b];
            }
            uint32_t best = 0;
            int nBest = -1;
            for (auto& v : votes)
                if (v.second > nBest) {
                    nBest = v.second;
                    best = v.first;
                }
            for (size_t i : members)
                out.px[i] = {uint8_t(best >> 16), uint8_t(best >> 8), uint8_t(best)};
        });
    return out;
}

Picture Scaled(const Picture& pic, int n) {
    Picture out(pic.nWidth * n, pic.nHeight * n);
    for (int y = 0; y < out.nHeight; ++y)
        for (int x = 0; x < out.nWidth; ++x)
            out.At(x, y) = pic.At(x / n, y / n);
    return out;
}

Picture Half(const Picture& twoLooks, bool bSelected) {
    return twoLooks.Crop(0, bSelected ? 45 : 0, 45, 45);
}

} // namespace

FileSet MakePreviews() {
    FileSet art = MakeAllArt();
    auto Bmp = [&art](const std::string& name) { return DecodeBitmap(art[name + ".bmp"]); };
    FileSet out;

    // Intro screen.
    Picture intro(800, 600);
    Picture tile = Bmp("DotPattern"), shadow = Bmp("DotPatternShadow");
    for (int y = 0; y < 600; y += 8)
        for (int x = 0; x < 800; x += 8)
            intro.Paste(tile, x, y);
    for (int y = 128; y <= 480; y += 8)
        intro.Paste(shadow, 576, y);
    for (int x = 224; x <= 568; x += 8)
        intro.Paste(shadow, x, 480);
    intro.Paste(Bmp("IntroBackGrd"), 216, 120);
    intro.Paste(Bmp("IntroScr"), 230, 134);
    intro.Paste(Bmp("OKButtonUp"), 344, 420);
    out["intro.png"] = EncodePng(intro);

    // Colouring screen with a half-coloured page, page 2 and its 10th swatch selected.
    for (int nPage = 0; nPage < 5; ++nPage) {
        Picture screen(800, 600);
        Picture tb = Bmp("TopBottomBorder"), lr = Bmp("LeftRightBorder");
        screen.Paste(tb.Crop(0, 0, 800, 70), 0, 0);
        screen.Paste(tb.Crop(0, 70, 800, 70), 0, 530);
        screen.Paste(lr.Crop(0, 0, 70, 460), 0, 70);
        screen.Paste(lr.Crop(70, 0, 70, 460), 730, 70);
        Picture page = DecodeBitmap(art[PageDefs[nPage].lpszFile]);
        Picture painted = PaintPage(PageDefs[nPage].lpScene);
        screen.Paste(HalfColoured(page, painted), 70, 70);
        const int PageTitles[5] = {3, 7, 29, 44, 48};
        screen.Paste(Bmp("Titles").Crop(0, 10 * PageTitles[nPage], 140, 10), 330, 561);
        for (int i = 0; i < 6; ++i)
            screen.Paste(Bmp(ToolPlaces[i].lpszUp), ToolPlaces[i].x, ToolPlaces[i].y);
        const int nPal = (nPage + 1) % 8, nSel = 9;
        for (int p = 0; p < 8; ++p)
            screen.Paste(Half(Bmp("bmp" + std::to_string(91 + p)), p == nPal), PalettePageX[p], 12);
        for (int k = 0; k < 28; ++k)
            screen.Paste(Half(Bmp("bmp" + std::to_string(101 + 28 * nPal + k)), k == nSel),
                         SwatchX[k], SwatchY[k]);
        std::string name = PageDefs[nPage].lpszFile;
        name = name.substr(0, name.find('.'));
        if (nPage == 0) {
            Picture pressed = screen;
            pressed.Paste(Bmp("ClearBtnDn"), 403, 12);
            pressed.Paste(Bmp("UpBtnDn"), 267, 543);
            out["screen_pressed.png"] = EncodePng(pressed);
            // The dialogs over the colouring screen, placed as centred with 8 x 16 base units.
            Picture info = screen, about = screen, opts = screen;
            info.Paste(Bmp("IntroBackGrd"), 220, 120);
            info.Paste(Bmp("AboutUp"), 220 + 78, 120 + 70);
            info.Paste(Bmp("PrintOptUp"), 220 + 78, 120 + 136);
            info.Paste(Bmp("DoneBtnUp"), 220 + 78, 120 + 248);
            out["dialog_info.png"] = EncodePng(info);
            about.Paste(Bmp("IntroBackGrd"), 220, 120);
            about.Paste(Bmp("AboutTextFrame"), 220 + 18, 120 + 20);
            about.Paste(Bmp("OKButtonUp"), 220 + 128, 120 + 300);
            out["dialog_about.png"] = EncodePng(about);
            opts.Paste(Bmp("IntroBackGrd"), 220, 120);
            opts.Paste(Bmp("AboutTextFrame"), 220 + 18, 120 + 20);
            opts.Paste(Bmp("PrintOptions"), 220 + 54, 120 + 82);
            opts.Paste(Bmp("OKButtonDown"), 220 + 128, 120 + 300);
            out["dialog_printoptions.png"] = EncodePng(opts);
        }
        out["screen_" + name + ".png"] = EncodePng(screen);
        out["page_" + name + ".png"] = EncodePng(page);
        out["painted_" + name + ".png"] = EncodePng(painted);
    }
    // Every button pair and swatch sheet, enlarged.
    Picture sheet(8 * 50, 29 * 95, Theme::Sky);
    for (int p = 0; p < 8; ++p) {
        sheet.Paste(Bmp("bmp" + std::to_string(91 + p)), p * 50, 0);
        for (int k = 0; k < 28; ++k)
            sheet.Paste(Bmp("bmp" + std::to_string(101 + 28 * p + k)), p * 50, 95 * (k + 1));
    }
    out["swatches.png"] = EncodePng(sheet);
    Picture tools(560, 200, Theme::Sky);
    int x = 0;
    for (int i = 0; i < 6; ++i) {
        Picture up = Bmp(ToolPlaces[i].lpszUp), dn = Bmp(ToolPlaces[i].lpszDown);
        tools.Paste(up, x, 0);
        tools.Paste(dn, x, 50);
        x += up.nWidth + 4;
    }
    tools.Paste(Bmp("OKButtonUp"), 0, 100);
    tools.Paste(Bmp("OKButtonDown"), 0, 150);
    tools.Paste(Bmp("DoneBtnUp"), 100, 100);
    tools.Paste(Bmp("DoneBtnDown"), 100, 150);
    tools.Paste(Bmp("AboutUp"), 310, 100);
    tools.Paste(Bmp("AboutDown"), 310, 150);
    out["buttons.png"] = EncodePng(Scaled(tools, 2));
    out["titles.png"] = EncodePng(Scaled(Bmp("Titles"), 3));
    return out;
}
