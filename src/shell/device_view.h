// The window's page at the device pixels of a high-resolution screen.
#pragma once

#include "view/view.h"

// Sets `device` to map the page as `view` does with every length times the
// device pixel ratio: its resolution is the screen's in device pixels, so
// the page is laid out and drawn there (glyphs, SCORE's weights) rather than
// drawn in logical pixels and enlarged. Keeps device's components.
void setDeviceView(View& device, const View& view, double ratio);
