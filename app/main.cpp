#include "app/caliper.h"

int main() {
    return run_caliper();
}
