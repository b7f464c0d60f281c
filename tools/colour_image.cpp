#include "tools/colour_image.h"

void paste_grey(ColourImage& target, const GreyImage& source, int x, int y) {
    for (int row = 0; row < source.height; ++row)
        for (int col = 0; col < source.width; ++col)
            if (target.contains(x + col, y + row))
                target.at(x + col, y + row) = opaque_grey(source.at(col, row));
}

void fill_rect(ColourImage& image, int x0, int y0, int x1, int y1, Rgba colour) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (image.contains(x, y)) image.at(x, y) = colour;
}

ColourImage enlarged(const ColourImage& image, int factor) {
    ColourImage large(image.width * factor, image.height * factor);
    for (int y = 0; y < large.height; ++y)
        for (int x = 0; x < large.width; ++x)
            large.at(x, y) = image.at(x / factor, y / factor);
    return large;
}
