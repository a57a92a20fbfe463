#pragma once

#include <QString>

class QObject;

// What a property page asks of the window designer that shows it: the controls the user
// has selected there, and a place for the page's caption.
namespace platform {

class PropertyPageHost {
public:
    virtual ~PropertyPageHost() = default;

    // The selection is read afresh at every use: the designer may change it at any time.
    // An item may be a control of another class; the page then skips what it asks of it.
    virtual int selectedControlCount() const = 0;
    // The control at a 0-based position, or null when there is none there.
    virtual QObject* selectedControl(int index) const = 0;

    // Shows the page's caption as its title (a dialog's title, a tab's label).
    virtual void setPageCaption(const QString& caption) = 0;
};

} // namespace platform
