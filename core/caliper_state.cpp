#include "core/caliper_state.h"

CaliperState caliper;
