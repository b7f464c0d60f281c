// Test access to the POSIX settings-file binding.
#pragma once

// Called, when set, after the new content has reached the disk beside the file and before it is
// swapped in: the moment at which dying must leave the old file whole.
extern void (*file_before_swap_hook)();
