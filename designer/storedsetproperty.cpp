#include "designer/storedsetproperty.h"

#include <QDesignerFormEditorInterface>
#include <QDesignerPropertySheetExtension>
#include <QExtensionManager>

namespace vantreldesigner {

void keepStoredSetWithForm(QDesignerFormEditorInterface& core, QObject& control)
{
    auto* sheet = qt_extension<QDesignerPropertySheetExtension*>(core.extensionManager(), &control);
    if (!sheet)
        return;
    const int index = sheet->indexOf(kStoredSetProperty);
    if (index >= 0)
        sheet->setChanged(index, true);
}

} // namespace vantreldesigner
