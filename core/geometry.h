// Centimetres to screen pixels and back, calibrated by the screen diagonal and the desktop size.
#pragma once

#include <cstdint>

// Rounds to the nearest integer, an exact half to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Values beyond the int32 range saturate; NaN gives 0.
std::int32_t nearest(double value);

// D: the diagonal handed to the conversions, diagonal_in rounded by nearest.
std::int32_t rounded_diagonal(float diagonal_in);

// Pixels spanned by `cm` centimetres on a screen of `diagonal` whole inches (the desktop size is
// queried on every call). An unusable diagonal falls back to a nominal 96 pixels per inch.
float cm_to_px(float cm, std::int32_t diagonal);
// Centimetres spanned by `px` pixels; the inverse of cm_to_px.
float px_to_cm(float px, std::int32_t diagonal);

// L: the scale length in pixels, nearest(cm_to_px(length_cm, diagonal)).
std::int32_t scale_length_px(std::int32_t length_cm, std::int32_t diagonal);

// A diagonal is usable when it is finite, rounds to at least 1 inch and gives at least one pixel per
// inch on the current desktop.
bool diagonal_usable(float diagonal_in);
