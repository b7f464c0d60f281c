#include "tools/ico_file.h"

#include "tools/byte_writer.h"

namespace {

void put_colour_rows(std::vector<std::uint8_t>& out, const ColourImage& image) {
    for (int y = image.height - 1; y >= 0; --y)
        for (int x = 0; x < image.width; ++x) {
            const Rgba& p = image.at(x, y);
            out.insert(out.end(), {p.b, p.g, p.r, p.a});
        }
}

void put_mask_rows(std::vector<std::uint8_t>& out, const ColourImage& image, int stride) {
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(std::size_t(stride), 0);
        for (int x = 0; x < image.width; ++x)
            if (image.at(x, y).a == 0) row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
}

} // namespace

std::vector<std::uint8_t> ico_file(const ColourImage& image) {
    const int mask_stride = (image.width + 31) / 32 * 4;
    const std::uint32_t colour_size = std::uint32_t(image.width) * image.height * 4;
    const std::uint32_t mask_size = std::uint32_t(mask_stride) * image.height;
    const std::uint32_t entry_size = 40 + colour_size + mask_size;
    std::vector<std::uint8_t> out;
    put_u16(out, 0);                          // reserved
    put_u16(out, 1);                          // type: icon
    put_u16(out, 1);                          // one image
    out.push_back(std::uint8_t(image.width)); // a size of 256 is stored as 0
    out.push_back(std::uint8_t(image.height));
    out.push_back(0); // no palette
    out.push_back(0); // reserved
    put_u16(out, 1);  // planes
    put_u16(out, 32); // bits per pixel
    put_u32(out, entry_size);
    put_u32(out, 6 + 16); // the image follows the directory
    put_info_header(out, image.width, 2 * image.height, 32, colour_size + mask_size);
    put_colour_rows(out, image);
    put_mask_rows(out, image, mask_stride);
    return out;
}
