// The colouring pages and the animals on them, drawn either as line art or in colour.
#pragma once
#include <functional>
#include "canvas.h"
#include <initializer_list>
#include <vector>

// Draws shapes as the page needs them (white areas inside black outlines, no smoothing) or
// in colour for the intro picture and the previews. Shapes drawn later cover earlier ones.
class CInk {
  public:
    CInk(cairo_t* crTarget, bool bInColour, double dLineWidth = 3.6);
    virtual ~CInk() = default;
    cairo_t* cr;
    bool bColour;
    double dLine;
    void Shape(Rgb fill); // fills and outlines the current path
    void Detail();        // outlines the current (open) path only
    void Solid();         // fills the current path with outline colour
    // Path helpers; each starts a new sub-path.
    void Circle(double cx, double cy, double r);
    void Ellipse(double cx, double cy, double rx, double ry, double angle = 0);
    void Poly(std::initializer_list<double> xy);
    // A smooth closed curve through the points (x, y pairs).
    void Blob(std::initializer_list<double> xy);
    // A smooth open curve through the points.
    void Curve(std::initializer_list<double> xy);
};

using AnimalFn = void (*)(CInk&);
struct PageDef {
    const char* lpszFile;
    AnimalFn lpScene;      // whole page, 660 x 460
    AnimalFn lpAnimal;     // the animal alone, in page coordinates
    double x0, y0, x1, y1; // the animal's bounding box in page coordinates
};
extern const PageDef PageDefs[5];

// Line art of a page: one byte per pixel, top-down, 1 = blank, 0 = outline.
std::vector<uint8_t> RasterisePage(AnimalFn lpScene);
// Makes every area a clean 4-connected region: no corner-only joins, nothing under nMinArea.
void CleanPage(std::vector<uint8_t>& blank, int w, int h, int nMinArea);

// Calls fnArea with the pixel indexes of every 4-connected area of open pixels, in the order
// the areas' first pixels come in the image.
void ForEachArea(int w, int h, const std::function<bool(size_t)>& fnOpen,
                 const std::function<void(const std::vector<size_t>&)>& fnArea);
// The page in colour, the way a child might finish it.
Picture PaintPage(AnimalFn lpScene);

void DrawTitleScene(cairo_t* cr, int w, int h);
void DrawFriendsRow(cairo_t* cr, double x, double y, double w, double h);

// Scenes and animals.
void SceneBat(CInk& ink);
void AnimalBat(CInk& ink);
void SceneBushbaby(CInk& ink);
void AnimalBushbaby(CInk& ink);
void SceneKiwi(CInk& ink);
void AnimalKiwi(CInk& ink);
void SceneSnail(CInk& ink);
void AnimalSnail(CInk& ink);
void SceneWalrus(CInk& ink);
void AnimalWalrus(CInk& ink);
