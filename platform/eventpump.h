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

// While a hold is alive, passes leave user input queued; it is handled, in order,
// once the hold ends. A pointer handler that pumps (through the busy guard or a
// redraw) holds input, so that the release following its own press is not handled
// before the press itself has finished, which would lose the click.
class UserInputHold {
public:
    UserInputHold();
    ~UserInputHold();
    UserInputHold(const UserInputHold&) = delete;
    UserInputHold& operator=(const UserInputHold&) = delete;
};

// Whether a pass now leaves user input queued.
bool userInputHeld();

} // namespace platform
