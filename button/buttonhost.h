#pragma once

#include <QFont>
#include <QString>

class ctlButton;

// What a button asks of the window or designer that holds it: the ambient font and the
// instance's display name for first-time values and stored-set defaults, and a place to
// report stored properties that changed, so the host knows to save the button again.
class ButtonHost {
public:
    virtual ~ButtonHost() = default;

    virtual QFont ambientFont(const ctlButton& button) const = 0;
    virtual QString displayName(const ctlButton& button) const = 0;
    virtual void propertyChanged(ctlButton& button, const QString& propertyName) = 0;
};

// The host of a button that nobody hosts: the application font, the object name (or the
// class name when there is none), and changes go nowhere.
class StandaloneButtonHost final : public ButtonHost {
public:
    QFont ambientFont(const ctlButton& button) const override;
    QString displayName(const ctlButton& button) const override;
    void propertyChanged(ctlButton& button, const QString& propertyName) override;

    static StandaloneButtonHost& instance();
};
