#pragma once

#include "platform/propertypagehost.h"

#include <QWidget>
#include <array>

class ctlButton;
class shtStyles;

// The stand-alone host of the theme picker page: the page at the window's top-left corner
// at its design size and, to its right, three skinned buttons of different sizes, which
// are the page's selection in that order. The window's title is the page's caption.
class StylesWindow final : public QWidget, public platform::PropertyPageHost {
    Q_OBJECT
public:
    explicit StylesWindow(QWidget* parent = nullptr);

    int selectedControlCount() const override;
    QObject* selectedControl(int index) const override;
    void setPageCaption(const QString& caption) override;

    // Types the folder into the page's path box key by key, as a user does.
    void typeFolder(const QString& folder);

    shtStyles& page() { return *m_page; }

private:
    std::array<ctlButton*, 3> m_buttons{};
    shtStyles* m_page = nullptr;
};
