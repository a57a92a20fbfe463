#pragma once

class QWidget;

namespace platform {

// Shows a window modally to the whole application and returns when it is hidden
// or destroyed; no other window of the program takes input meanwhile.
void showModal(QWidget& window);

} // namespace platform
