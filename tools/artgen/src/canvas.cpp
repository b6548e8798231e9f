// Cairo drawing surfaces, fonts and shape helpers.
#include "canvas.h"
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

Rgb Mix(Rgb a, Rgb b, double t) {
    auto m = [t](int x, int y) { return uint8_t(std::lround(x + (y - x) * t)); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Picture Picture::Crop(int x, int y, int w, int h) const {
    Picture out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            out.At(i, j) = At(x + i, y + j);
    return out;
}

void Picture::Paste(const Picture& src, int x, int y) {
    for (int j = 0; j < src.nHeight; ++j)
        for (int i = 0; i < src.nWidth; ++i)
            if (x + i >= 0 && x + i < nWidth && y + j >= 0 && y + j < nHeight)
                At(x + i, y + j) = src.At(i, j);
}

CCanvas::CCanvas(int w, int h) : nWidth(w), nHeight(h) {
    surf = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cr = cairo_create(surf);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
}

CCanvas::CCanvas(const Picture& pic) : CCanvas(pic.nWidth, pic.nHeight) {
    cairo_surface_flush(surf);
    unsigned char* lpData = cairo_image_surface_get_data(surf);
    int nStride = cairo_image_surface_get_stride(surf);
    for (int y = 0; y < nHeight; ++y) {
        auto* lpRow = reinterpret_cast<uint32_t*>(lpData + size_t(y) * nStride);
        for (int x = 0; x < nWidth; ++x) {
            Rgb c = pic.At(x, y);
            lpRow[x] = 0xff000000u | (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b;
        }
    }
    cairo_surface_mark_dirty(surf);
}

CCanvas::~CCanvas() {
    cairo_destroy(cr);
    cairo_surface_destroy(surf);
}

Picture CCanvas::Snapshot() const {
    cairo_surface_flush(surf);
    Picture pic(nWidth, nHeight);
    const unsigned char* lpData = cairo_image_surface_get_data(surf);
    int nStride = cairo_image_surface_get_stride(surf);
    for (int y = 0; y < nHeight; ++y) {
        auto* lpRow = reinterpret_cast<const uint32_t*>(lpData + size_t(y) * nStride);
        for (int x = 0; x < nWidth; ++x) {
            uint32_t v = lpRow[x];
            pic.At(x, y) = {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
        }
    }
    return pic;
}

void SetColour(cairo_t* cr, Rgb c, double a) {
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, a);
}

void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void FillStroke(cairo_t* cr, Rgb fill, Rgb line, double width) {
    SetColour(cr, fill);
    cairo_fill_preserve(cr);
    SetColour(cr, line);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void FillGradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom) {
    cairo_pattern_t* pat = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(pat, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(pat, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
    cairo_set_source(cr, pat);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(pat);
}

namespace {

// The fonts are taken from fixed files so that every machine letters the art the same way.
const char* const LabelFonts[] = {
    "/usr/share/fonts/truetype/andika/Andika-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
};
const char* const TitleFonts[] = {
    "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf",
    "/usr/share/fonts/truetype/andika/Andika-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
};

FT_Library ftLib = nullptr;
cairo_font_face_t* FontFaces[2] = {nullptr, nullptr};

cairo_font_face_t* LoadFace(const char* const* lpPaths, size_t nPaths) {
    if (!ftLib && FT_Init_FreeType(&ftLib) != 0) {
        std::fprintf(stderr, "artgen: FreeType cannot start\n");
        std::exit(2);
    }
    for (size_t i = 0; i < nPaths; ++i) {
        FT_Face face;
        if (FT_New_Face(ftLib, lpPaths[i], 0, &face) == 0)
            return cairo_ft_font_face_create_for_ft_face(face, 0);
    }
    std::fprintf(stderr, "artgen: no font found (install fonts-sil-andika)\n");
    std::exit(2);
}

void SelectFont(cairo_t* cr, FontKind font, double size) {
    if (!FontFaces[font])
        FontFaces[font] = font == FONT_LABEL ? LoadFace(LabelFonts, 2) : LoadFace(TitleFonts, 3);
    cairo_set_font_face(cr, FontFaces[font]);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* opt = cairo_font_options_create();
    cairo_font_options_set_hint_style(opt, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, opt);
    cairo_font_options_destroy(opt);
}

} // namespace

void TextPath(cairo_t* cr, FontKind font, double size, double x, double y,
              const std::string& text) {
    SelectFont(cr, font, size);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
}

double TextWidth(cairo_t* cr, FontKind font, double size, const std::string& text) {
    SelectFont(cr, font, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    return ext.x_advance;
}

double FitTextSize(cairo_t* cr, FontKind font, double dSize, double dStep, double dMin,
                   double dWidth, const std::string& text) {
    while (TextWidth(cr, font, dSize, text) > dWidth) {
        if (dSize - dStep < dMin - 1e-9)
            throw CLabelError("\"" + text + "\" does not fit");
        dSize -= dStep;
    }
    return dSize;
}

void Caption(cairo_t* cr, FontKind font, double size, double cx, double baseline,
             const std::string& text, Rgb fill, Rgb line, double width) {
    double w = TextWidth(cr, font, size, text);
    cairo_new_path(cr);
    TextPath(cr, font, size, cx - w / 2, baseline, text);
    if (width > 0) {
        SetColour(cr, line);
        cairo_set_line_width(cr, width);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    SetColour(cr, fill);
    cairo_fill(cr);
}
