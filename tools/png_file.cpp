#include "tools/png_file.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

namespace {

void pack_row(std::vector<png_byte>& row, const ColourImage& image, int y, bool with_alpha) {
    row.clear();
    for (int x = 0; x < image.width; ++x) {
        const Rgba& p = image.at(x, y);
        row.insert(row.end(), {p.r, p.g, p.b});
        if (with_alpha) row.push_back(p.a);
    }
}

// Everything with a destructor lives before setjmp, so libpng's longjmp on an error skips none.
bool encode(std::FILE* file, const ColourImage& image, bool with_alpha) {
    std::vector<png_byte> row;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(image.width), png_uint_32(image.height), 8,
                 with_alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y) {
        pack_row(row, image, y, with_alpha);
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool write_png(const std::string& path, const ColourImage& image, bool with_alpha) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = encode(file, image, with_alpha);
    return std::fclose(file) == 0 && written;
}
