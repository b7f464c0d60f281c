#include "platform/fake/fake.h"
#include "platform/platform.h"

namespace {
DesktopSize desktop{1920, 1080};
}

void fake_set_desktop_size(int width, int height) { desktop = {width, height}; }

DesktopSize desktop_size() { return desktop; }
