#pragma once

class QWidget;

namespace platform {

// Where a control sits, in twips from the client area's top-left corner.
struct Placement {
    int left;
    int top;
    int width;
    int height;
};

// Sets the control's geometry in whole pixels, each twips value rounded halves to even.
void place(QWidget& control, const Placement& at);

} // namespace platform
