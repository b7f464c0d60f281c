// The caliper's one state record, alive for the whole run.
#pragma once

#include <cstdint>
#include <string>

inline constexpr std::int8_t ORIENT_VERTICAL = 1;
inline constexpr std::int8_t ORIENT_HORIZONTAL = 2;

struct CaliperState {
    std::int8_t orientation = 0;  // ORIENT_VERTICAL or ORIENT_HORIZONTAL
    std::int32_t length_cm = 0;   // scale length in whole centimetres
    float diagonal_in = 0.0f;     // screen diagonal in inches as typed; 0 until calibrated
    std::int32_t jaw_pos = 0;     // sliding jaw's measuring face, window pixels along the scale axis
    std::int32_t jaw_top = 0;     // top edge of the horizontal sliding jaw image
    std::int32_t quit_requested = 0;
    std::int32_t last_event = 0;  // event kind of the latest wait_event
    std::string diagonal_answer;  // last answer to a diagonal prompt
    std::string length_answer;    // last answer to the length prompt
};

extern CaliperState caliper;
