// Image slots: 24-bit DIB sections, made blank or decoded from BMP files in memory.
#include "platform/win32/binding.h"

#include <cstring>
#include <map>
#include <vector>

namespace {

std::map<int, Picture> images;

// Larger pictures are refused rather than left to overflow the size arithmetic.
constexpr int MAX_SIDE = 1 << 16;

constexpr std::size_t FILE_HEADER_SIZE = 14;

std::uint32_t read_u32(const std::uint8_t* p) {
    std::uint32_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

std::uint16_t read_u16(const std::uint8_t* p) {
    std::uint16_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

// Where a BMP file's parts lie, once they are known to lie inside the file.
struct BmpLayout {
    std::size_t info_size;   // info header plus colour masks and table
    std::size_t bits_offset; // first byte of the pixel rows
    int height;              // number of rows, whatever their order
};

bool supported_info_header(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool supported_pixel_format(int bits_per_pixel, std::uint32_t compression) {
    bool palette_or_plain = bits_per_pixel == 1 || bits_per_pixel == 4 || bits_per_pixel == 8 ||
                            bits_per_pixel == 16 || bits_per_pixel == 24 || bits_per_pixel == 32;
    bool masks_allowed = bits_per_pixel == 16 || bits_per_pixel == 32;
    return palette_or_plain && (compression == BI_RGB || (compression == BI_BITFIELDS && masks_allowed));
}

// Checks every field GDI will rely on, so that nothing is read beyond the end of the data.
bool bmp_layout(const std::uint8_t* data, std::size_t size, BmpLayout& layout) {
    if (size < FILE_HEADER_SIZE + 40 || data[0] != 'B' || data[1] != 'M') return false;
    const std::uint8_t* info = data + FILE_HEADER_SIZE;
    std::uint32_t header_size = read_u32(info);
    auto width = static_cast<std::int32_t>(read_u32(info + 4));
    auto height = static_cast<std::int32_t>(read_u32(info + 8));
    int bits_per_pixel = read_u16(info + 14);
    std::uint32_t compression = read_u32(info + 16);
    std::uint32_t colours_used = read_u32(info + 32);
    if (!supported_info_header(header_size) || read_u16(info + 12) != 1) return false;
    if (!supported_pixel_format(bits_per_pixel, compression)) return false;
    if (width <= 0 || width > MAX_SIDE || height == 0 || height < -MAX_SIDE || height > MAX_SIDE)
        return false;
    std::uint64_t palette_limit = bits_per_pixel <= 8 ? (1u << bits_per_pixel) : 256u;
    if (colours_used > palette_limit) return false;
    std::uint64_t colours = colours_used != 0 || bits_per_pixel > 8 ? colours_used : palette_limit;
    std::uint64_t masks = compression == BI_BITFIELDS && header_size == 40 ? 12 : 0;
    std::uint64_t info_size = header_size + masks + 4 * colours;
    std::uint64_t bits_offset = read_u32(data + 10);
    std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits_per_pixel + 31) / 32) * 4;
    int rows = height < 0 ? -height : height;
    if (FILE_HEADER_SIZE + info_size > size || bits_offset < FILE_HEADER_SIZE + header_size) return false;
    if (bits_offset + stride * static_cast<std::uint64_t>(rows) > size) return false;
    layout = {static_cast<std::size_t>(info_size), static_cast<std::size_t>(bits_offset), rows};
    return true;
}

// Lets GDI convert the file's rows into the 24-bit picture; from a 24-bit file the copy is exact.
bool decode_into(Picture& picture, const std::uint8_t* data, const BmpLayout& layout) {
    std::vector<std::uint32_t> info((layout.info_size + 3) / 4);
    std::memcpy(info.data(), data + FILE_HEADER_SIZE, layout.info_size);
    HDC screen = GetDC(nullptr);
    int rows =
        SetDIBits(screen, picture.bitmap, 0, static_cast<UINT>(layout.height), data + layout.bits_offset,
                  reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    GdiFlush();
    return rows == layout.height;
}

} // namespace

bool create_picture(Picture& picture, int width, int height, std::uint8_t fill) {
    picture = {};
    if (width <= 0 || height <= 0 || width > MAX_SIDE || height > MAX_SIDE) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row y starts at y * stride
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return false;
    picture = {bitmap, static_cast<std::uint8_t*>(bits), width, height};
    std::memset(picture.bits, fill, static_cast<std::size_t>(picture_stride(width)) * height);
    return true;
}

void free_picture(Picture& picture) {
    if (picture.bitmap) DeleteObject(picture.bitmap);
    picture = {};
}

Colour picture_pixel(const Picture& picture, int x, int y) {
    const std::uint8_t* p =
        picture.bits + static_cast<std::size_t>(y) * picture_stride(picture.width) + 3 * x;
    return p[2] | (p[1] << 8) | (p[0] << 16); // DIB pixels are stored blue, green, red
}

Picture* image_picture(int slot) {
    auto found = images.find(slot);
    return found == images.end() ? nullptr : &found->second;
}

void free_all_images() {
    for (auto& [slot, picture] : images)
        free_picture(picture);
    images.clear();
}

int image_from_bmp(int slot, const std::uint8_t* data, std::size_t size) {
    free_image(slot);
    BmpLayout layout{};
    if (!data || !bmp_layout(data, size, layout)) return 0;
    Picture picture;
    auto width = static_cast<int>(read_u32(data + FILE_HEADER_SIZE + 4));
    if (!create_picture(picture, width, layout.height, 0)) return 0;
    if (!decode_into(picture, data, layout)) {
        free_picture(picture);
        return 0;
    }
    images[slot] = picture;
    return 1;
}

int create_image(int slot, int width, int height) {
    free_image(slot);
    Picture picture;
    if (!create_picture(picture, width, height, 0)) return 0;
    images[slot] = picture;
    return 1;
}

void free_image(int slot) {
    auto found = images.find(slot);
    if (found == images.end()) return;
    free_picture(found->second);
    images.erase(found);
}

bool image_exists(int slot) {
    return images.count(slot) != 0;
}
