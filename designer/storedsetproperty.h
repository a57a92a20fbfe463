#pragma once

#include <QLatin1String>

class QDesignerFormEditorInterface;
class QObject;

namespace vantreldesigner {

// The property through which a form keeps a control's whole stored set.
inline constexpr QLatin1String kStoredSetProperty{"StoredSet"};

// Has Qt Designer save the control's stored set with its form, whether or not a property
// was edited: a control without it would come up empty where the form is compiled.
void keepStoredSetWithForm(QDesignerFormEditorInterface& core, QObject& control);

} // namespace vantreldesigner
