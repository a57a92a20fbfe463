#pragma once

#include <QWidget>

namespace app {

// An invisible click area laid over a painted part of the background: it draws
// nothing, shows the hand pointer and reports a left click.
class LinkArea : public QWidget {
    Q_OBJECT
public:
    explicit LinkArea(QWidget* parent);

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace app
