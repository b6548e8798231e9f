// Cairo drawing surfaces and the small vocabulary of shapes the artwork is built from.
#pragma once
#include <cairo.h>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// Mixes two colours; t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);

// An opaque RGB picture, top-down rows, as it leaves the drawing stage.
struct Picture {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<Rgb> px;
    Picture() = default;
    Picture(int w, int h, Rgb fill = {255, 255, 255})
        : nWidth(w), nHeight(h), px(size_t(w) * h, fill) {}
    Rgb& At(int x, int y) { return px[size_t(y) * nWidth + x]; }
    const Rgb& At(int x, int y) const { return px[size_t(y) * nWidth + x]; }
    Picture Crop(int x, int y, int w, int h) const;
    void Paste(const Picture& src, int x, int y);
};

// Owns a cairo image surface and its context.
class CCanvas {
  public:
    CCanvas(int w, int h);
    CCanvas(const Picture& pic);
    virtual ~CCanvas();
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;
    cairo_t* Cr() const { return cr; }
    Picture Snapshot() const;
    int Width() const { return nWidth; }
    int Height() const { return nHeight; }

  private:
    cairo_surface_t* surf;
    cairo_t* cr;
    int nWidth, nHeight;
};

void SetColour(cairo_t* cr, Rgb c, double a = 1.0);
void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
void FillStroke(cairo_t* cr, Rgb fill, Rgb line, double width);
// Soft vertical gradient fill of the current path, light at the top.
void FillGradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom);

enum FontKind { FONT_LABEL, FONT_TITLE };
// Adds a text outline to the path; (x, y) is the left end of the baseline.
void TextPath(cairo_t* cr, FontKind font, double size, double x, double y, const std::string& text);
// Width of the text at that size.
double TextWidth(cairo_t* cr, FontKind font, double size, const std::string& text);
// A picture that cannot be drawn in a language: a word is missing or does not fit.
class CLabelError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
// The first of dSize, dSize - dStep, ... at which text is at most dWidth wide; throws
// CLabelError when it is still wider at dMin.
double FitTextSize(cairo_t* cr, FontKind font, double dSize, double dStep, double dMin,
                   double dWidth, const std::string& text);
// Centred text with a dark outline, the way every caption of the program is lettered.
void Caption(cairo_t* cr, FontKind font, double size, double cx, double baseline,
             const std::string& text, Rgb fill, Rgb line, double width);
