#include "themepicker/styleaccessible.h"

#include "themepicker/styleface.h"

#include <QAccessibleWidget>

namespace themepicker {
namespace {

class StylePreviewAccessible final : public QAccessibleWidget {
public:
    explicit StylePreviewAccessible(StyleFace* face)
        : QAccessibleWidget(face, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QStringLiteral("Style %1").arg(face()->style());
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            face()->press();
    }

private:
    StyleFace* face() const { return static_cast<StyleFace*>(widget()); }
};

QAccessibleInterface* previewFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("themepicker::StyleFace") || !object->isWidgetType())
        return nullptr;
    auto* face = static_cast<StyleFace*>(object);
    // Only the normal face stands for the style; the faces stacked on it are pictures.
    if (face->face() != StyleFace::Normal)
        return new QAccessibleWidget(face, QAccessible::NoRole);
    return new StylePreviewAccessible(face);
}

} // namespace

void installStyleAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(previewFactory);
        return true;
    }();
    (void)installed;
}

} // namespace themepicker
