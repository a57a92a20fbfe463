#include "app/buttonplaceholder.h"

namespace app {

ButtonPlaceholder::ButtonPlaceholder(QWidget* parent)
    : QPushButton(parent)
{
    connect(this, &QPushButton::clicked, this, &ButtonPlaceholder::Click);
}

} // namespace app
