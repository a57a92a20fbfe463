#pragma once

// What assistive technology learns of the marquee: static text named by its whole
// caption, not the part of it that the cells show at the moment, announced anew when the
// caption changes.
namespace marquee {

class Display;

void makeAccessible(Display& display);

} // namespace marquee
