#pragma once

#include "designer/selectionpagehost.h"
#include "designer/styleinstallationrecorder.h"
#include "themepicker/shtstyles.h"

#include <QDialog>

class QDesignerFormWindowInterface;

namespace vantreldesigner {

// The button's property page in a dialog of its own for the buttons selected in a form
// window. The page's caption is the dialog's title; each installation is one undo step
// of the form window; closing the dialog ends the page.
class StylePageDialog : public QDialog {
    Q_OBJECT
public:
    // The default environment is the real one: the user's settings and folders.
    StylePageDialog(QDesignerFormWindowInterface& formWindow, const SelectionOrder& selection,
                    QWidget* parent = nullptr, const shtStylesEnvironment& environment = {});
    ~StylePageDialog() override;

    shtStyles& page() const { return *m_page; }

private:
    SelectionPageHost m_host;
    StyleInstallationRecorder m_recorder;
    shtStyles* m_page;
};

} // namespace vantreldesigner
