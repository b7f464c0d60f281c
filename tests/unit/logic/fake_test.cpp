#include "tests/unit/logic/caliper_test.h"
