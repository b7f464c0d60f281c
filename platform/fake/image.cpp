// Images of the fake: numbered slots of real pixels; BMP files are decoded from memory.
#include "platform/fake/fake_state.h"

#include <cstdint>
#include <optional>

namespace {

constexpr Colour BLACK = 0x000000;

std::uint32_t little_endian(const std::uint8_t* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[i];
    return value;
}

// Uncompressed BMP with 24 or 32 bits per pixel, rows bottom-up or (negative height) top-down.
std::optional<FakePixmap> decode_bmp(const std::uint8_t* data, std::size_t size) {
    if (!data || size < 54 || data[0] != 'B' || data[1] != 'M') return std::nullopt;
    const std::uint32_t pixel_offset = little_endian(data + 10, 4);
    const auto width = static_cast<std::int32_t>(little_endian(data + 18, 4));
    const auto height = static_cast<std::int32_t>(little_endian(data + 22, 4));
    const std::uint32_t bits = little_endian(data + 28, 2);
    const std::uint32_t compression = little_endian(data + 30, 4);
    const bool top_down = height < 0;
    const std::int64_t rows = top_down ? -static_cast<std::int64_t>(height) : height;
    if (compression != 0 || (bits != 24 && bits != 32)) return std::nullopt;
    if (width < 1 || width > 32767 || rows < 1 || rows > 32767) return std::nullopt;
    const std::size_t bytes_per_pixel = bits / 8;
    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    if (pixel_offset > size || (size - pixel_offset) / stride < static_cast<std::size_t>(rows))
        return std::nullopt;
    FakePixmap pixmap = blank_pixmap(width, static_cast<int>(rows), BLACK);
    for (int y = 0; y < pixmap.height; ++y) {
        const int stored_row = top_down ? y : pixmap.height - 1 - y;
        const std::uint8_t* row = data + pixel_offset + stride * static_cast<std::size_t>(stored_row);
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* bgr = row + bytes_per_pixel * static_cast<std::size_t>(x);
            pixmap.pixels[static_cast<std::size_t>(y) * width + x] = bgr[2] | bgr[1] << 8 | bgr[0] << 16;
        }
    }
    return pixmap;
}

} // namespace

int image_from_bmp(int slot, const std::uint8_t* data, std::size_t size) {
    record("image_from_bmp", slot, static_cast<int>(size));
    fake.images.erase(slot);
    std::optional<FakePixmap> decoded = decode_bmp(data, size);
    if (fails("image_from_bmp") || !decoded) return recorded_result(0);
    fake.images[slot] = std::move(*decoded);
    return recorded_result(1);
}

int create_image(int slot, int width, int height) {
    record("create_image", slot, width, height);
    fake.images.erase(slot);
    if (!size_fits("create_image", width, height, false) || fails("create_image")) return recorded_result(0);
    fake.images[slot] = blank_pixmap(width, height, BLACK);
    return recorded_result(1);
}

void free_image(int slot) {
    record("free_image", slot);
    if (fake.drawing && fake.drawing->kind == DrawTarget::IMAGE && fake.drawing->number == slot)
        violation("free_image of the image being drawn on");
    fake.images.erase(slot);
}

bool image_exists(int slot) {
    record("image_exists", slot);
    return recorded_result(fake.images.contains(slot));
}

const FakePixmap* fake_image(int slot) {
    auto found = fake.images.find(slot);
    return found == fake.images.end() ? nullptr : &found->second;
}
