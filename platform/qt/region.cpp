// Rectangle regions combined by exclusive or, and the window shape made from them.
#include "platform/qt/binding.h"

#include <QRegion>

#include <map>
#include <memory>

namespace {

std::map<Region, std::unique_ptr<QRegion>> regions;

QRegion* find_region(Region handle) {
    const auto found = regions.find(handle);
    return found == regions.end() ? nullptr : found->second.get();
}

// An empty mask means "no shape" to Qt, while an empty region leaves nothing of the window visible:
// a one-pixel mask outside the window gives the latter.
QRegion as_mask(const QRegion& region) {
    return region.isEmpty() ? QRegion(-1, -1, 1, 1) : region;
}

} // namespace

Region create_rect_region(int left, int top, int right, int bottom) {
    auto region = std::make_unique<QRegion>();
    if (right > left && bottom > top) *region = QRegion(left, top, right - left, bottom - top);
    const auto handle = reinterpret_cast<Region>(region.get());
    regions[handle] = std::move(region);
    return handle;
}

void combine_region_xor(Region destination, Region first, Region second) {
    QRegion* target = find_region(destination);
    const QRegion* a = find_region(first);
    const QRegion* b = find_region(second);
    if (target && a && b) *target = a->xored(*b);
}

// The shape is handed over every 15 ms, mostly unchanged; only a change reaches the window system.
void set_window_region(WindowHandle window, Region region) {
    QWidget* widget = qt_binding::widget_of_handle(window);
    const QRegion* shape = find_region(region);
    if (widget && shape) {
        const QRegion mask = as_mask(*shape);
        if (mask != widget->mask()) {
            widget->setMask(mask);
            widget->update();
        }
    }
    delete_region(region);
}

void delete_region(Region region) {
    regions.erase(region);
}
