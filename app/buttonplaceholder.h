#pragma once

#include <QPushButton>

namespace app {

// Stands where a skinned push button goes until the window is dressed: a caption and
// a Click event, nothing more.
class ButtonPlaceholder : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
public:
    explicit ButtonPlaceholder(QWidget* parent);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

signals:
    void Click();
};

} // namespace app
