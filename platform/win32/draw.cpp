// Fonts and GDI drawing onto image slots and drawing surfaces.
#include "platform/win32/binding.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace {

HDC target_dc = nullptr; // holds the picture being drawn on
HDC source_dc = nullptr; // holds the picture being copied by draw_image
HGDIOBJ target_default_bitmap = nullptr;
HGDIOBJ source_default_bitmap = nullptr;
DrawTarget current_target{DrawTarget::IMAGE, 0};
HBITMAP current_bitmap = nullptr;

std::map<int, HFONT> fonts;
// Turned variants of a font, one per (font, angle in tenths of a degree), made when first used.
std::map<std::pair<HFONT, int>, HFONT> turned_fonts;

Picture* picture_of(DrawTarget target) {
    return target.kind == DrawTarget::CANVAS ? canvas_picture(target.number) : image_picture(target.number);
}

void reset_drawing_state() {
    SetBkMode(target_dc, OPAQUE);
    SetBkColor(target_dc, RGB(0, 0, 0));
    SetTextColor(target_dc, RGB(255, 255, 255));
    SetTextAlign(target_dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    SelectObject(target_dc, GetStockObject(SYSTEM_FONT));
}

// Escapement and orientation are counted in tenths of a degree counter-clockwise, as the angle is.
int tenths_of_degree(float angle) {
    long tenths = std::lround(static_cast<double>(angle) * 10.0) % 3600;
    return static_cast<int>(tenths < 0 ? tenths + 3600 : tenths);
}

HFONT turned_font(HFONT upright, int tenths) {
    auto key = std::make_pair(upright, tenths);
    auto found = turned_fonts.find(key);
    if (found != turned_fonts.end()) return found->second;
    LOGFONTW description{};
    GetObjectW(upright, sizeof description, &description);
    description.lfEscapement = tenths;
    description.lfOrientation = tenths;
    HFONT turned = CreateFontIndirectW(&description);
    turned_fonts[key] = turned;
    return turned;
}

void forget_turned_fonts(HFONT upright) {
    for (auto entry = turned_fonts.begin(); entry != turned_fonts.end();) {
        if (entry->first.first != upright) {
            ++entry;
            continue;
        }
        if (entry->second) DeleteObject(entry->second);
        entry = turned_fonts.erase(entry);
    }
}

void text_out(int x, int y, std::string_view text, Colour colour) {
    std::wstring wide = to_wide(text);
    SetTextColor(target_dc, colour);
    TextOutW(target_dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

} // namespace

bool create_drawing_contexts() {
    target_dc = CreateCompatibleDC(nullptr);
    source_dc = CreateCompatibleDC(nullptr);
    if (!target_dc || !source_dc) return false;
    target_default_bitmap = GetCurrentObject(target_dc, OBJ_BITMAP);
    source_default_bitmap = GetCurrentObject(source_dc, OBJ_BITMAP);
    return true;
}

void release_drawing_contexts() {
    if (target_dc) DeleteDC(target_dc);
    if (source_dc) DeleteDC(source_dc);
    target_dc = source_dc = nullptr;
}

// Turned variants of the system font (text turned before any set_font) go here too.
void free_all_fonts() {
    while (!fonts.empty())
        free_font(fonts.begin()->first);
    for (auto& [key, turned] : turned_fonts)
        if (turned) DeleteObject(turned);
    turned_fonts.clear();
}

// MulDiv rounds halves away from zero, as the character height asks; the negative height selects
// the character height rather than the cell height.
FontHandle load_font(int slot, std::string_view face, int points, int flags) {
    free_font(slot);
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    DWORD quality = (flags & FONT_QUALITY_PROOF) ? PROOF_QUALITY : DEFAULT_QUALITY;
    HFONT font =
        CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH | FF_DONTCARE, to_wide(face).c_str());
    if (!font) return 0;
    fonts[slot] = font;
    return reinterpret_cast<FontHandle>(font);
}

void free_font(int slot) {
    auto found = fonts.find(slot);
    if (found == fonts.end()) return;
    forget_turned_fonts(found->second);
    DeleteObject(found->second);
    fonts.erase(found);
}

bool begin_drawing(DrawTarget target) {
    end_drawing();
    Picture* picture = picture_of(target);
    if (!picture) return false;
    SelectObject(target_dc, picture->bitmap);
    current_target = target;
    current_bitmap = picture->bitmap;
    reset_drawing_state();
    return true;
}

// GDI may batch its drawing; the flush makes the pixels visible to direct reads of the bits.
void end_drawing() {
    if (!current_bitmap) return;
    GdiFlush();
    SelectObject(target_dc, target_default_bitmap);
    SelectObject(target_dc, GetStockObject(SYSTEM_FONT));
    current_bitmap = nullptr;
    if (current_target.kind == DrawTarget::CANVAS) present_canvas(current_target.number);
}

// FillRect would turn a box of negative size the other way round.
void fill_box(int x, int y, int width, int height, Colour colour) {
    if (width <= 0 || height <= 0) return;
    RECT box{x, y, x + width, y + height};
    SetDCBrushColor(target_dc, colour);
    FillRect(target_dc, &box, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

namespace {

// How far a row of a corner of radii (rx, ry) starts inside the box: the pixels whose centres lie
// within the quarter ellipse are set. `row` counts from the box's top (or bottom) edge.
int corner_inset(int row, int rx, int ry) {
    double above_centre = (ry - (row + 0.5)) / ry;
    double half_width = rx * std::sqrt(std::max(0.0, 1.0 - above_centre * above_centre));
    return static_cast<int>(std::ceil(rx - half_width - 0.5));
}

} // namespace

// Row by row rather than with RoundRect, whose extent without a pen differs between Windows (one
// column and row short) and other GDIs: so the box is covered exactly and its corners are symmetric.
void fill_round_box(int x, int y, int width, int height, int rx, int ry, Colour colour) {
    if (width <= 0 || height <= 0) return;
    rx = std::clamp(rx, 0, width / 2);
    ry = std::clamp(ry, 0, height / 2);
    if (rx == 0 || ry == 0) return fill_box(x, y, width, height, colour);
    for (int row = 0; row < ry; ++row) {
        int inset = corner_inset(row, rx, ry);
        fill_box(x + inset, y + row, width - 2 * inset, 1, colour);
        fill_box(x + inset, y + height - 1 - row, width - 2 * inset, 1, colour);
    }
    fill_box(x, y + ry, width, height - 2 * ry, colour);
}

// LineTo leaves the last point off; it is set on its own.
void draw_line(int x1, int y1, int x2, int y2, Colour colour) {
    HGDIOBJ previous = SelectObject(target_dc, GetStockObject(DC_PEN));
    SetDCPenColor(target_dc, colour);
    MoveToEx(target_dc, x1, y1, nullptr);
    LineTo(target_dc, x2, y2);
    SetPixelV(target_dc, x2, y2, colour);
    SelectObject(target_dc, previous);
}

void set_font(FontHandle font) {
    SelectObject(target_dc, font ? reinterpret_cast<HFONT>(font) : GetStockObject(SYSTEM_FONT));
}

void set_text_transparent() {
    SetBkMode(target_dc, TRANSPARENT);
}

void draw_text(int x, int y, std::string_view text, Colour colour) {
    text_out(x, y, text, colour);
}

// Turned text never paints a background cell, whatever the text mode.
void draw_text_rotated(int x, int y, std::string_view text, float angle, Colour colour) {
    auto upright = static_cast<HFONT>(GetCurrentObject(target_dc, OBJ_FONT));
    HGDIOBJ previous_font = SelectObject(target_dc, turned_font(upright, tenths_of_degree(angle)));
    int previous_mode = SetBkMode(target_dc, TRANSPARENT);
    text_out(x, y, text, colour);
    SetBkMode(target_dc, previous_mode);
    SelectObject(target_dc, previous_font);
}

void draw_image(int slot, int x, int y) {
    Picture* picture = image_picture(slot);
    if (!picture || !current_bitmap) return;
    // A bitmap cannot sit in two device contexts; an image copied onto itself is read in place.
    HDC from = picture->bitmap == current_bitmap ? target_dc : source_dc;
    if (from == source_dc) SelectObject(source_dc, picture->bitmap);
    BitBlt(target_dc, x, y, picture->width, picture->height, from, 0, 0, SRCCOPY);
    if (from == source_dc) SelectObject(source_dc, source_default_bitmap);
}
