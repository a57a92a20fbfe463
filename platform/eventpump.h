#pragma once

#include <functional>

// One pass over the pending timer, paint and posted events, as a busy wait, a caption
// change or a rebuild runs it. Tests replace the pass to observe or script re-entry.
//
// A pass leaves the user's input (pointer, keys, wheel, close requests) queued: it is
// handled in the order it came, once the handler that pumped has returned. A handler
// that pumps while a release waits behind its own press would otherwise handle the
// release first and lose the click.
namespace platform {

using EventPass = std::function<void()>;

void pumpEvents();

// Installs a replacement pass and returns the one it replaces; an empty function
// restores the desktop's own pass.
EventPass setEventPass(EventPass pass);

} // namespace platform
