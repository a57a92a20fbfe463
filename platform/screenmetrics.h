#pragma once

// The screen's twips per pixel, horizontally and vertically: 15 at 96 dots per inch.
// The skin stretch measures the screen; tests set other values.
namespace platform {

int twipsPerPixelX();
int twipsPerPixelY();

// Overrides the measured values until reset with (0, 0).
void setTwipsPerPixel(int x, int y);

} // namespace platform
