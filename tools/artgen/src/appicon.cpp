// The program icon and the crayon cursor, drawn with transparency.
#include "art.h"
#include "icons.h"
#include <cmath>
#include <functional>
#include <string>

namespace {

// Renders a transparent square picture of n x n pixels; paint draws in a 48 x 48 design box.
IconImage RenderIcon(int n, const std::function<void(cairo_t*)>& paint, double scale) {
    cairo_surface_t* surf = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, n, n);
    cairo_t* cr = cairo_create(surf);
    cairo_scale(cr, scale, scale);
    paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surf);
    IconImage im;
    im.pic = Picture(n, n);
    im.alpha.resize(size_t(n) * n);
    const unsigned char* lpData = cairo_image_surface_get_data(surf);
    int nStride = cairo_image_surface_get_stride(surf);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            uint32_t v = reinterpret_cast<const uint32_t*>(lpData + size_t(y) * nStride)[x];
            uint8_t a = uint8_t(v >> 24);
            // Cairo keeps colours premultiplied; icons want them straight.
            auto un = [a](uint32_t c) {
                return a ? uint8_t(std::min(255u, (c * 255 + a / 2) / a)) : uint8_t(0);
            };
            im.pic.At(x, y) = {un((v >> 16) & 0xff), un((v >> 8) & 0xff), un(v & 0xff)};
            im.alpha[size_t(y) * n + x] = a;
        }
    cairo_surface_destroy(surf);
    return im;
}

// A crayon from its tip at (0, 0) pointing along +x, length len, thickness th.
void Crayon(cairo_t* cr, double len, double th, Rgb body, double line) {
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, th * 1.1, -th / 2);
    cairo_line_to(cr, len, -th / 2);
    cairo_line_to(cr, len, th / 2);
    cairo_line_to(cr, th * 1.1, th / 2);
    cairo_close_path(cr);
    FillStroke(cr, body, Theme::Ink, line);
    cairo_rectangle(cr, th * 1.1 + len * 0.18, -th / 2, len * 0.3, th);
    FillStroke(cr, Theme::White, Theme::Ink, line * 0.8);
}

// The icon: a colouring page with a rainbow and a red crayon.
void PaintIcon(cairo_t* cr) {
    RoundRectPath(cr, 4, 4, 36, 40, 5);
    FillStroke(cr, Theme::White, Theme::Ink, 3);
    const Rgb Bands[3] = {Theme::Red, Theme::Sun, Theme::Blue};
    for (int i = 0; i < 3; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, 22, 34, 14 - 4.5 * i, M_PI, 2 * M_PI);
        SetColour(cr, Bands[i]);
        cairo_set_line_width(cr, 4.5);
        cairo_stroke(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, 22, 30);
    cairo_rotate(cr, -0.8);
    Crayon(cr, 28, 10, Theme::Red, 2.5);
    cairo_restore(cr);
}

cairo_status_t AppendBytes(void* lpClosure, const unsigned char* lpData, unsigned int n) {
    static_cast<Bytes*>(lpClosure)->insert(static_cast<Bytes*>(lpClosure)->end(), lpData,
                                           lpData + n);
    return CAIRO_STATUS_SUCCESS;
}

// The same picture as a PNG with its alpha, for the desktop's icon theme.
Bytes IconPng(int n) {
    cairo_surface_t* surf = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, n, n);
    cairo_t* cr = cairo_create(surf);
    cairo_scale(cr, n / 48.0, n / 48.0);
    PaintIcon(cr);
    cairo_destroy(cr);
    Bytes out;
    cairo_surface_write_to_png_stream(surf, AppendBytes, &out);
    cairo_surface_destroy(surf);
    return out;
}

} // namespace

void AddIconArt(FileSet& files) {
    std::vector<IconImage> sizes;
    for (int n : {16, 32, 48})
        sizes.push_back(RenderIcon(n, PaintIcon, n / 48.0));
    files["TWLIcon.ico"] = EncodeIcon(sizes);
    for (int n : {16, 32, 48, 64, 128, 256})
        files["tintwell3-" + std::to_string(n) + ".png"] = IconPng(n);
    // The cursor: a crayon whose tip is the hot spot at the lower left.
    IconImage cur = RenderIcon(
        32,
        [](cairo_t* cr) {
            cairo_translate(cr, 1.5, 30.5);
            cairo_rotate(cr, -M_PI / 4);
            Crayon(cr, 38, 11, Theme::Red, 1.8);
        },
        1.0);
    files["EditCursor.cur"] = EncodeCursor(cur, 1, 30);
}
