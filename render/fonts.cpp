// The font handles that the scale and the readout draw with.
#include "render/render.h"

FontHandle readout_font = 0;
FontHandle label_font = 0;
