// The small pictures on the buttons, drawn into a w x h button at the origin.
#pragma once
#include <cairo.h>
#include <string>

// The worded buttons take their word; one that does not fit throws CLabelError.
void IconQuit(cairo_t* cr, double w, double h, const std::string& text);
void IconPrint(cairo_t* cr, double w, double h);
void IconClear(cairo_t* cr, double w, double h);
void IconInfo(cairo_t* cr, double w, double h, const std::string& text);
void IconArrow(cairo_t* cr, double w, double h, bool bForward);
void IconOk(cairo_t* cr, double w, double h, const std::string& text);

enum WideIcon { ICON_DONE, ICON_ABOUT, ICON_PRINTOPT };
// A wide dialog button: a picture at the left and its word beside it.
void IconWide(cairo_t* cr, double w, double h, WideIcon kind, const std::string& text);

// Pictures shared with the icon, the cursor and the dialogs.
void PictureDoor(cairo_t* cr, double x, double y, double s);
void PicturePrinter(cairo_t* cr, double x, double y, double s);
void PictureCheck(cairo_t* cr, double cx, double cy, double s);
void PictureStar(cairo_t* cr, double cx, double cy, double r, double rInner);
