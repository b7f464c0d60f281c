// Scripting and inspection of the fake binding, for tests.
#pragma once

// The desktop size desktop_size() reports from now on.
void fake_set_desktop_size(int width, int height);
