#pragma once

class QWidget;

namespace app {

// Places a top-level window in the middle of its screen. Done by the program itself, so
// the window opens centred also where no window manager places it.
void centreOnScreen(QWidget& window);

} // namespace app
