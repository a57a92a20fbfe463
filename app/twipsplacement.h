#pragma once

class QWidget;

namespace app {

// Where a control sits, in twips from the client area's top-left corner.
struct Placement {
    int left;
    int top;
    int width;
    int height;
};

// Whole pixels from twips, halves to even; 5680 twips (378 2/3 pixels) becomes 379.
int pixels(int twips);

void place(QWidget& control, const Placement& at);

} // namespace app
