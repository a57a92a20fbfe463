#include "designer/stylepagedialog.h"

#include <QVBoxLayout>

namespace vantreldesigner {

StylePageDialog::StylePageDialog(QDesignerFormWindowInterface& formWindow,
                                 const SelectionOrder& selection, QWidget* parent,
                                 const shtStylesEnvironment& environment)
    : QDialog(parent)
    , m_host(selection, this)
    , m_recorder(formWindow, m_host)
    , m_page(new shtStyles(m_host, environment, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_page);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_page, &shtStyles::aboutToApplyStyle, this, [this] { m_recorder.begin(); });
    connect(m_page, &shtStyles::styleApplied, this, [this] { m_recorder.end(); });
}

// The page goes first: it may still ask its host while it is taken down.
StylePageDialog::~StylePageDialog()
{
    delete m_page;
}

} // namespace vantreldesigner
