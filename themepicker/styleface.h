#pragma once

#include "themepicker/picturebox.h"

#include <QString>

namespace themepicker {

// One face of a style preview: element `style` of State1 (normal), State2 (hover) or
// State3 (pressed). The faces of a style lie on top of each other; the one in front is
// the one the user sees. The face only passes the pointer on to the page.
class StyleFace : public PictureBox {
    Q_OBJECT
public:
    enum Face { Normal = 1, Hover = 2, Pressed = 3 };

    StyleFace(Face face, int style, QWidget* parent);

    Face face() const { return m_face; }
    int style() const { return m_style; }

    // The text a State1 face keeps: the index of its style's first image.
    void setTag(const QString& tag) { m_tag = tag; }
    const QString& tag() const { return m_tag; }

    // A left press and its release, as an assistive technology's Press action gives them.
    void press();

signals:
    void pressed(int style, Qt::MouseButton button, Qt::MouseButtons buttons);
    void released(int style);
    void moved(int style);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Face m_face;
    int m_style;
    QString m_tag;
};

} // namespace themepicker
