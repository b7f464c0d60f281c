// Rendering: the image slots and the scale, the frame on the drawing surface, the window's shape
// and size. Everything reads the one CaliperState.
#pragma once

#include "platform/platform.h"

#include <cstdint>

// The longest scale in pixels that the images and the window are made for.
inline constexpr std::int32_t MAX_SCALE_PX = 32767;

// The two fonts, loaded at start-up and held until shutdown (0 when loading failed).
extern FontHandle readout_font;
extern FontHandle label_font;

// L: the scale length in pixels for the current diagonal and desktop, kept within 1 .. MAX_SCALE_PX
// so that no image or window is ever made empty or oversized, whatever the desktop does meanwhile.
std::int32_t scale_length(std::int32_t length_cm);

// Frees all ten image slots and builds them again for the orientation and length.
void rebuild_images(std::int8_t orientation, std::int32_t length_cm);
// Frees every image slot that holds an image.
void free_images();
// Draws the graduation into the scale image of the orientation.
void draw_scale(std::int8_t orientation, std::int32_t length_cm);

// Writes the reading into the sliding jaw and composes the caliper on the drawing surface.
void render_frame(std::int8_t orientation);

// Cuts the gap between the jaws out of the window's outline.
void apply_window_shape(std::int8_t orientation, std::int32_t length_px);
// Stores the orientation, then resizes the window and the surface and rebuilds the images for it.
void set_orientation(std::int8_t orientation, std::int32_t length_cm);
// Applies a new scale length (already stored in the state) along the current orientation's axis.
void set_length(std::int32_t length_cm);
