// Image images: 24-bit images kept as QImage in the 32-bit RGB layout QPainter draws fastest.
#include "platform/qt/binding.h"

#include <limits>
#include <map>

namespace {

std::map<int, QImage> images;

int store(int slot, QImage image) {
    if (image.isNull()) return 0;
    images[slot] = std::move(image);
    return 1;
}

} // namespace

namespace qt_binding {

QImage* slot_image(int slot) {
    const auto found = images.find(slot);
    return found == images.end() ? nullptr : &found->second;
}

} // namespace qt_binding

int image_from_bmp(int slot, const std::uint8_t* data, std::size_t size) {
    free_image(slot);
    if (!data || size > static_cast<std::size_t>(std::numeric_limits<int>::max())) return 0;
    const QImage decoded = QImage::fromData(data, static_cast<int>(size), "BMP");
    return store(slot, decoded.convertToFormat(QImage::Format_RGB32));
}

int create_image(int slot, int width, int height) {
    free_image(slot);
    if (width <= 0 || height <= 0) return 0;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return 0;
    image.fill(Qt::black);
    return store(slot, std::move(image));
}

void free_image(int slot) {
    images.erase(slot);
}

bool image_exists(int slot) {
    return images.contains(slot);
}
