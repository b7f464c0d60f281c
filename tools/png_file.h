// PNG files of colour images, written with libpng.
#pragma once

#include "tools/colour_image.h"

#include <string>

// Writes an 8-bit RGBA PNG (RGB when with_alpha is false) without time stamp or other variable chunk, so
// the same image always gives the same bytes. Returns false when the file cannot be written.
bool write_png(const std::string& path, const ColourImage& image, bool with_alpha);
