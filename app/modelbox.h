#pragma once

#include <QComboBox>

namespace app {

// The model box: an editable drop-down, grey with white bold type, listing every model
// number in catalogue order and starting with an invitation to pick one. Like a desktop
// combo box it selects its whole text when the keyboard focus comes to it (at start-up,
// by Tab, when its window becomes active), and a click into the invitation selects all of
// it too, so that what the user types replaces it.
class ModelBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr char kInitialText[] = "Click here to Select Model Number";

    explicit ModelBox(QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace app
