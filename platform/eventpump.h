#pragma once

#include <functional>

// One pass over the pending input, timer and paint events, as a busy wait or a
// caption change runs it. Tests replace the pass to observe or script re-entry.
namespace platform {

using EventPass = std::function<void()>;

void pumpEvents();

// Installs a replacement pass and returns the one it replaces; an empty function
// restores the desktop's own pass.
EventPass setEventPass(EventPass pass);

} // namespace platform
