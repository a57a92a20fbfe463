#pragma once

class QWidget;

namespace platform {

// When VANTREL_TRACE_FIRST_PAINT is set, prints "first-paint <ms since the epoch>"
// on standard output once the window has painted its first frame; the start-up
// figures script compares that moment with the launch time. Otherwise does nothing.
void traceFirstPaint(QWidget& window);

} // namespace platform
