#pragma once

#include <QComboBox>

namespace app {

// The model box: an editable drop-down, grey with white bold type, listing every model
// number in catalogue order and starting with an invitation to pick one.
class ModelBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr char kInitialText[] = "Click here to Select Model Number";

    explicit ModelBox(QWidget* parent);
};

} // namespace app
