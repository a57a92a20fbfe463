#pragma once

#include "platform/propertypagehost.h"

#include <QPointer>
#include <QWidget>

namespace vantreldesigner {

class SelectionOrder;

// What the button's property page sees of a form window: the buttons selected there, in
// the order the user selected them (other widgets are left out), and the title of the
// window that shows the page as the place for its caption.
class SelectionPageHost : public platform::PropertyPageHost {
public:
    SelectionPageHost(const SelectionOrder& selection, QWidget* captionOwner);

    int selectedControlCount() const override;
    QObject* selectedControl(int index) const override;
    void setPageCaption(const QString& caption) override;

private:
    QList<QObject*> selectedButtons() const;

    const SelectionOrder& m_selection;
    QPointer<QWidget> m_captionOwner;
};

} // namespace vantreldesigner
