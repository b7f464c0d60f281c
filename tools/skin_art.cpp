#include "tools/skin_art.h"

namespace {

// Right edge of the fixed jaw's upper knife in rows 0 ... 16: a convex back that leaves the point at 45
// degrees and bends down to the vertical, one column at most per row so its outline stays one pixel wide.
constexpr int KNIFE_BACK[17] = {15, 15, 16, 17, 18, 19, 19, 20, 20, 21, 21, 21, 22, 22, 22, 22, 22};

struct Span {
    int left, right;
};

// The knife's foot in rows 18 ... 26, a fillet from the knife's base out to the jaw body; column 15 stays
// black in rows 18-19 as the notch under the face.
constexpr Span KNIFE_FOOT[9] = {{16, 23}, {16, 23}, {15, 23}, {15, 24}, {15, 25},
                                {15, 25}, {15, 25}, {15, 25}, {15, 25}};

// Left side of the lower jaw in rows 88 ... 126, in runs of equal column; below, one column per row.
// These runs are the sliding jaw's narrowing right side, mirrored.
struct Run {
    int first_row, last_row, column;
};
constexpr Run LOWER_JAW_BACK[] = {{88, 89, 1},   {90, 93, 2},   {94, 98, 3},   {99, 103, 4}, {104, 107, 5},
                                  {108, 112, 6}, {113, 117, 7}, {118, 121, 8}, {122, 126, 9}};

void draw_upper_knife(GreyImage& jaw) {
    for (int y = 0; y <= 16; ++y) {
        fill_span(jaw, y, 16, KNIFE_BACK[y] - 1, STEEL);
        jaw.at(KNIFE_BACK[y], y) = EDGE;
        jaw.at(15, y) = EDGE;
    }
    fill_span(jaw, 17, 15, 22, EDGE);
    for (int i = 0; i < 9; ++i)
        fill_span(jaw, 18 + i, KNIFE_FOOT[i].left, KNIFE_FOOT[i].right, STEEL);
}

int lower_jaw_left(int y) {
    for (const Run& run : LOWER_JAW_BACK)
        if (y >= run.first_row && y <= run.last_row) return run.column;
    return y - 117; // 127 -> 10 ... 143 -> 26, the knife point
}

void draw_lower_jaw(GreyImage& jaw) {
    for (int y = 88; y <= 143; ++y)
        fill_span(jaw, y, lower_jaw_left(y), 26, STEEL);
}

void set_if_steel(GreyImage& jaw, int x, int y) {
    if (x < jaw.width && jaw.at(x, y) != BLACK) jaw.at(x, y) = EDGE;
}

// The bevel at the end of the lower jaw: a quadrilateral outline whose lower side is the knife edge.
void draw_lower_bevel(GreyImage& jaw) {
    for (int y = 123; y <= 133; ++y)
        jaw.at(17, y) = EDGE;
    for (int x = 17; x <= 26; ++x)
        jaw.at(x, 123 + (2 * (x - 17) + 4) / 9) = EDGE; // (17, 123) to (26, 125), rounded to nearest
    for (int y = 125; y <= 143; ++y) {
        set_if_steel(jaw, 25, y);
        set_if_steel(jaw, 26, y);
    }
    for (int y = 134; y <= 143; ++y) {
        set_if_steel(jaw, y - 117, y);
        set_if_steel(jaw, y - 116, y);
    }
}

// Readout housing rows: the span of grey 70 in each row 0 ... 47.
Span housing_row(int y) {
    constexpr Span TOP[4] = {{5, 68}, {3, 70}, {2, 71}, {2, 71}};
    constexpr Span BOTTOM[5] = {{39, 72}, {46, 71}, {51, 71}, {56, 70}, {61, 68}};
    if (y < 4) return TOP[y];
    if (y >= 43) return BOTTOM[y - 43];
    constexpr int LOWER_LEFT[4] = {2, 2, 3, 5}; // rows 39-42: round corner over the emerging jaw
    return {y >= 39 ? LOWER_LEFT[y - 39] : 1, 72};
}

void draw_housing(GreyImage& slider) {
    for (int y = 0; y <= 47; ++y) {
        Span span = housing_row(y);
        fill_span(slider, y, span.left, span.right, HOUSING);
        if (y < 4) // the tip base's steel shows past the rounded top-left corner
            fill_span(slider, y, 1, span.left - 1, STEEL);
    }
    fill_rect(slider, 4, 3, 69, 32, BLACK);
    fill_rect(slider, 5, 4, 68, 31, BEAM);
}

// Column 0 above the relief notch continues what lies left of the slider: the tip base and the beam band.
void draw_slider_left_column(GreyImage& slider) {
    fill_rect(slider, 0, 0, 0, 11, STEEL);
    fill_rect(slider, 0, 12, 0, 36, BEAM);
}

// The lower jaw emerges under the housing's rounded corner; from row 43 it is the fixed one's, mirrored.
void draw_slider_jaw(GreyImage& slider, const GreyImage& fixed_jaw) {
    fill_rect(slider, 1, 39, 1, 40, STEEL);
    fill_span(slider, 41, 1, 2, STEEL);
    fill_span(slider, 42, 1, 4, STEEL);
    paste(slider, mirrored(cropped(fixed_jaw, 0, 73, 27, 71)), 0, 43);
}

GreyImage vertical_body(const GreyImage& fixed_jaw) {
    GreyImage body(144, 389);
    paste(body, turned_clockwise(fixed_jaw), 0, 0);
    fill_rect(body, 77, 27, 101, 388, BEAM);
    return body;
}

// Slot 0, 27 x 144.
GreyImage draw_fixed_jaw() {
    GreyImage jaw(27, 144);
    draw_upper_knife(jaw);
    fill_rect(jaw, 0, 27, 25, 41, STEEL);
    jaw.at(0, 27) = BLACK;
    fill_rect(jaw, 0, 42, 26, 66, BEAM);
    fill_rect(jaw, 0, 67, 25, 87, STEEL);
    fill_rect(jaw, 0, 85, 0, 87, BLACK);
    draw_lower_jaw(jaw);
    draw_lower_bevel(jaw);
    return jaw;
}

// Slot 1, 73 x 114.
GreyImage draw_slider(const GreyImage& fixed_jaw) {
    GreyImage slider(73, 114);
    draw_housing(slider);
    draw_slider_left_column(slider);
    draw_slider_jaw(slider, fixed_jaw);
    return slider;
}

} // namespace

std::array<Skin, 6> make_skins() {
    GreyImage fixed_jaw = draw_fixed_jaw();
    GreyImage slider = draw_slider(fixed_jaw);
    GreyImage tip = mirrored(cropped(fixed_jaw, 15, 0, 11, 27));
    return {{{"h_fixed_jaw.bmp", fixed_jaw},
             {"h_slider.bmp", slider},
             {"h_tip.bmp", tip},
             {"v_body.bmp", vertical_body(fixed_jaw)},
             {"v_slider.bmp", turned_clockwise(slider)},
             {"v_tip.bmp", turned_clockwise(tip)}}};
}
