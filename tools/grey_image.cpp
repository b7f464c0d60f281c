#include "tools/grey_image.h"

void fill_span(GreyImage& image, int y, int x0, int x1, std::uint8_t grey) {
    for (int x = x0; x <= x1; ++x)
        image.at(x, y) = grey;
}

void fill_rect(GreyImage& image, int x0, int y0, int x1, int y1, std::uint8_t grey) {
    for (int y = y0; y <= y1; ++y)
        fill_span(image, y, x0, x1, grey);
}

GreyImage cropped(const GreyImage& image, int x, int y, int w, int h) {
    GreyImage part(w, h);
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col)
            part.at(col, row) = image.at(x + col, y + row);
    return part;
}

GreyImage mirrored(const GreyImage& image) {
    GreyImage mirror(image.width, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            mirror.at(image.width - 1 - x, y) = image.at(x, y);
    return mirror;
}

GreyImage turned_clockwise(const GreyImage& image) {
    GreyImage turned(image.height, image.width);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            turned.at(image.height - 1 - y, x) = image.at(x, y);
    return turned;
}

void paste(GreyImage& target, const GreyImage& source, int x, int y) {
    for (int row = 0; row < source.height; ++row)
        for (int col = 0; col < source.width; ++col) {
            int tx = x + col;
            int ty = y + row;
            if (tx >= 0 && ty >= 0 && tx < target.width && ty < target.height)
                target.at(tx, ty) = source.at(col, row);
        }
}
