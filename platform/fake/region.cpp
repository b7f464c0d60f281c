// Regions of the fake: exclusive-or lists of rectangles, owned by the caller until a window takes one.
#include "platform/fake/fake_state.h"

namespace {

FakeRegion* live_region(Region region, std::string_view operation) {
    auto found = fake.regions.find(region);
    if (found != fake.regions.end()) return &found->second;
    violation(std::string(operation) + " of a region that does not exist");
    return nullptr;
}

} // namespace

Region create_rect_region(int left, int top, int right, int bottom) {
    record("create_rect_region", left, top, right, bottom);
    if (fails("create_rect_region")) return recorded_result(Region{0});
    const Region region = fake.next_region++;
    fake.regions[region] = FakeRegion{{FakeRect{left, top, right, bottom}}};
    return recorded_result(region);
}

void combine_region_xor(Region destination, Region first, Region second) {
    record("combine_region_xor", destination, first, second);
    FakeRegion* target = live_region(destination, "combine_region_xor");
    const FakeRegion* a = live_region(first, "combine_region_xor");
    const FakeRegion* b = live_region(second, "combine_region_xor");
    if (!target || !a || !b) return;
    FakeRegion combined = *a;
    combined.terms.insert(combined.terms.end(), b->terms.begin(), b->terms.end());
    *target = std::move(combined);
}

void set_window_region(WindowHandle window, Region region) {
    record("set_window_region", window, region);
    FakeRegion* shape = live_region(region, "set_window_region");
    const int number = window_of_handle(window);
    if (!shape || number < 0) return;
    fake.window_shapes[number] = std::move(*shape);
    fake.windows[number].shaped = true;
    fake.regions.erase(region);
}

void delete_region(Region region) {
    record("delete_region", region);
    if (live_region(region, "delete_region")) fake.regions.erase(region);
}

int fake_live_regions() {
    return static_cast<int>(fake.regions.size());
}
