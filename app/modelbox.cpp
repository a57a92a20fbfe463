#include "app/modelbox.h"

#include "app/catalogue.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace app {
namespace {

constexpr double kTypePoints = 9.75;
constexpr double kPointsPerInch = 72.0;
constexpr double kScreenDpi = 96.0;

QFont modelBoxFont()
{
    // Sized in pixels, as the window around it is laid out in pixels.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(static_cast<int>(kTypePoints * kScreenDpi / kPointsPerInch));
    font.setBold(true);
    return font;
}

QPalette greyWithWhiteText(QPalette palette)
{
    const QColor grey(128, 128, 128);
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        palette.setColor(role, grey);
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        palette.setColor(role, Qt::white);
    return palette;
}

bool holdsInvitation(const QLineEdit& edit)
{
    return edit.text() == QLatin1String(ModelBox::kInitialText);
}

bool comesFromTheKeyboardOrTheWindow(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::ShortcutFocusReason: return true;
    default: return false;
    }
}

// The box's text field: a click into the invitation selects all of it; anywhere else a
// click places the cursor as usual.
class ModelBoxEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        QLineEdit::mousePressEvent(event);
        if (holdsInvitation(*this))
            selectAll();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        QLineEdit::mouseDoubleClickEvent(event);
        if (holdsInvitation(*this))
            selectAll();
    }
};

} // namespace

ModelBox::ModelBox(QWidget* parent)
    : QComboBox(parent)
{
    setLineEdit(new ModelBoxEdit(this));
    // Only exact model numbers may show a picture: no completion that would turn "622"
    // into "6220", and nothing typed is added to the list.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setFont(modelBoxFont());
    setPalette(greyWithWhiteText(palette()));
    for (const std::string_view model : modelList())
        addItem(QString::fromLatin1(model), 0);
    setCurrentIndex(-1);
    setEditText(QString::fromLatin1(kInitialText));
}

// The focus coming back from the list's popup or brought by a click leaves the cursor
// where it is, so picking from the list and editing a model number work as usual.
void ModelBox::focusInEvent(QFocusEvent* event)
{
    QComboBox::focusInEvent(event);
    if (comesFromTheKeyboardOrTheWindow(event->reason()))
        lineEdit()->selectAll();
}

} // namespace app
