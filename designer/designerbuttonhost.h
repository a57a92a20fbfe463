#pragma once

#include "button/buttonhost.h"

namespace vantreldesigner {

// The host of the buttons on Qt Designer's forms: ambient font and display name as a
// stand-alone button has them (the object name), and a reported change marks the form
// modified.
class DesignerButtonHost final : public ButtonHost {
public:
    DesignerButtonHost() = default;

    QFont ambientFont(const ctlButton& button) const override;
    QString displayName(const ctlButton& button) const override;
    void propertyChanged(ctlButton& button, const QString& propertyName) override;
};

} // namespace vantreldesigner
