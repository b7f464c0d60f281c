// The real caliper brought up for a benchmark as the program starts it, but in a scratch working
// directory whose settings file already holds a diagonal, so that no prompt opens.
#pragma once

#include <cstdint>

// platform_init and start_up; false when either failed (the session is closed again then).
bool open_caliper_session();
// shut_down, then the scratch directory is removed.
void close_caliper_session();

// Puts the caliper into the orientation, as the menu command does, if it is not there already.
void turn_caliper(std::int8_t orientation);
// The sliding jaw's measuring face at `percent` of its travel (0: closed, 100: at the scale's end).
std::int32_t jaw_at_percent(int percent);
