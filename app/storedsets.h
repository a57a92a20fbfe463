#pragma once

#include "platform/formfile.h"

class ctlButton;

namespace marquee {
class Display;
}

namespace app {

// The stored sets the main window's buttons and marquee come up with, read from the
// form file compiled into the program. An unreadable file gives a form without
// controls, so every control comes up as a newly placed one.
platform::StoredForm form1StoredSets();

// Places the button where its stored set says and restores it through its own reading;
// without a set of its name it takes its first-time values instead.
void restoreButton(ctlButton& button, const platform::StoredForm& storedSets);
void restoreDisplay(marquee::Display& display, const platform::StoredForm& storedSets);

} // namespace app
