#include "tools/bmp_file.h"

#include "tools/byte_writer.h"

std::vector<std::uint8_t> bmp_file(const GreyImage& image) {
    const int stride = (3 * image.width + 3) / 4 * 4;
    const std::uint32_t data_size = std::uint32_t(stride) * image.height;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put_u32(out, 54 + data_size);
    put_u32(out, 0); // reserved
    put_u32(out, 54);
    put_info_header(out, image.width, image.height, 24, data_size);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x)
            out.insert(out.end(), 3, image.at(x, y));
        out.insert(out.end(), std::size_t(stride - 3 * image.width), 0);
    }
    return out;
}
