// The preview grid of the page: one live preview per style of the loaded file, four to a
// row on a strip that scrolls inside a fixed viewport.
#include "platform/eventpump.h"
#include "platform/runtimeerror.h"
#include "platform/units.h"
#include "skin/stretchskin.h"
#include "skin/themeloader.h"
#include "themepicker/filelistbox.h"
#include "themepicker/picturebox.h"
#include "themepicker/previewgeometry.h"
#include "themepicker/shtstyles.h"
#include "themepicker/styleface.h"

#include <QPointer>
#include <QScrollBar>
#include <algorithm>
#include <limits>

using themepicker::StyleFace;
using namespace themepicker;

StyleFace* shtStyles::State1(int k) const
{
    return k >= 0 && k < int(m_faces.size()) ? m_faces[k].normal : nullptr;
}

StyleFace* shtStyles::State2(int k) const
{
    return k >= 0 && k < int(m_faces.size()) ? m_faces[k].hover : nullptr;
}

StyleFace* shtStyles::State3(int k) const
{
    return k >= 0 && k < int(m_faces.size()) ? m_faces[k].pressed : nullptr;
}

// A new element of each array, a copy of element 0: the same size, place and colour.
shtStyles::StyleFaces shtStyles::createStyle(int k)
{
    StyleFaces faces;
    const StyleFace* model = m_faces.empty() ? nullptr : m_faces[0].normal;
    for (StyleFace::Face face : {StyleFace::Normal, StyleFace::Hover, StyleFace::Pressed}) {
        auto* box = new StyleFace(face, k, Picture2);
        box->setBackColour(platform::kButtonFace);
        if (model)
            box->setTwipsGeometry(model->leftTwips(), model->topTwips(), model->widthTwips(),
                                  model->heightTwips());
        connect(box, &StyleFace::pressed, this, &shtStyles::onFacePressed);
        connect(box, &StyleFace::released, this, &shtStyles::onFaceReleased);
        connect(box, &StyleFace::moved, this, &shtStyles::onFaceMoved);
        (face == StyleFace::Normal ? faces.normal
                                   : (face == StyleFace::Hover ? faces.hover : faces.pressed)) =
            box;
    }
    return faces;
}

void shtStyles::destroyStyles()
{
    for (std::size_t k = 1; k < m_faces.size(); ++k) {
        delete m_faces[k].normal;
        delete m_faces[k].hover;
        delete m_faces[k].pressed;
    }
    m_faces.resize(1);
}

bool shtStyles::hasUsableImage(int i) const
{
    return i >= 1 && i < int(m_pictures.size()) && m_pictures[i] && !m_pictures[i]->isEmpty();
}

void shtStyles::BuildStylePreviews()
{
    const int last = int(m_pictures.size()) - 1;
    if (last < 1)
        return;
    Picture3->hide();
    File1->setEnabled(false);

    const StyleFaces first = m_faces[0];
    for (StyleFace* face : {first.normal, first.hover, first.pressed})
        face->hide();
    destroyStyles();
    for (StyleFace* face : {first.normal, first.hover, first.pressed})
        face->show();
    first.hover->moveTwips(first.normal->leftTwips(), first.normal->topTwips());
    first.pressed->moveTwips(first.normal->leftTwips(), first.normal->topTwips());
    first.normal->raise();
    DrawStylePreview(1, *first.normal);
    DrawStylePreview(2, *first.hover);
    DrawStylePreview(3, *first.pressed);
    first.normal->setTag(QStringLiteral("1"));

    int k = 1;
    for (; 3 * k + 1 <= last; ++k) {
        StyleFaces faces = createStyle(k);
        const StyleFace& previous = *m_faces[k - 1].normal;
        m_faces.push_back(faces);
        if (k % kPreviewsPerRow == 0) {
            faces.normal->moveTwips(m_faces[0].normal->leftTwips(),
                                    previous.topTwips() + previous.heightTwips() + kPreviewGap);
        } else {
            faces.normal->moveTwips(previous.leftTwips() + previous.widthTwips() + kPreviewGap,
                                    previous.topTwips());
        }
        faces.hover->moveTwips(faces.normal->leftTwips(), faces.normal->topTwips());
        faces.pressed->moveTwips(faces.normal->leftTwips(), faces.normal->topTwips());
        // Every style, a row's first one too, shows its normal face at rest.
        faces.normal->raise();
        if (k % kPreviewsPerRow == 0)
            fitStrip(*faces.normal);
        for (StyleFace* face : {faces.normal, faces.hover, faces.pressed})
            face->show();
        faces.normal->setTag(QString::number(3 * k + 1));
        DrawStylePreview(3 * k + 1, *faces.normal);
        DrawStylePreview(3 * k + 2, *faces.hover);
        DrawStylePreview(3 * k + 3, *faces.pressed);
    }
    m_builtStyles = k;
    if (k <= kPreviewsPerRow)
        fitStrip(*first.normal);

    Picture3->show();
    File1->setEnabled(true);
}

// Renders image i of the loaded file into the box, stretched to the preview size in fast
// mode on the page's background. An image the file did not give (the last style of a file
// whose image count is not a multiple of three, or the empty element a failed load leaves)
// leaves the box showing the background alone.
void shtStyles::DrawStylePreview(int i, StyleFace& box)
{
    if (i > basGeneral::kMaxThemeImages)
        return;
    std::int32_t cornerWidth = basGeneral::CornerWidth.at(i) * platform::kTwipsPerPixel;
    std::int32_t cornerHeight = basGeneral::CornerHeight.at(i) * platform::kTwipsPerPixel;
    if (i == 1) {
        m_previewHeight = box.heightTwips();
        m_previewWidth = box.widthTwips();
        Picture1->resizeTwips(m_previewWidth, m_previewHeight);
    }
    platform::DrawingSurface& surface = Picture1->surface();
    surface.clear();
    if (hasUsableImage(i)) {
        try {
            basGeneral::StretchSkin(m_pictures[i], surface.image(), cornerWidth, cornerHeight,
                                    m_previewWidth, m_previewHeight, false, platform::kButtonFace);
        } catch (const platform::RuntimeError&) {
            return;
        }
    }
    box.setPicture(surface.snapshot());
}

void shtStyles::fitStrip(const StyleFace& last)
{
    const int bottom = last.topTwips() + last.heightTwips();
    int height = kViewportHeight;
    int maximum = 0;
    if (bottom > kViewportHeight) {
        height = bottom + kStripBottomMargin;
        maximum = std::min(height + kScrollRangeMargin - kViewportHeight,
                           int(std::numeric_limits<std::int16_t>::max()));
    }
    Picture2->resizeTwips(Picture2->widthTwips(), height);
    // A lower maximum pulls the value, and with it the strip, back.
    VScroll1->setMaximum(maximum);
}

void shtStyles::ScrollStyleIntoView(int k)
{
    if (k < 0 || k >= m_builtStyles)
        return;
    const QPointer<shtStyles> alive(this);
    for (;;) {
        platform::pumpEvents();
        if (!alive)
            return;
        const StyleFace* face = State1(k);
        if (!face || k >= m_builtStyles)
            return;
        const int value = VScroll1->value();
        const int bottom = face->topTwips() - value + face->heightTwips();
        if (bottom <= kViewportHeight || value + kScrollIntoViewStep > VScroll1->maximum())
            return;
        VScroll1->setValue(value + kScrollIntoViewStep);
    }
}

void shtStyles::onScroll(int value)
{
    Picture2->moveTwips(0, -value);
}

void shtStyles::onFacePressed(int k, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    if (StyleFace* pressed = State3(k))
        pressed->raise();
    if (button == Qt::LeftButton && buttons == Qt::LeftButton)
        ApplyStyle(k);
}

void shtStyles::onFaceReleased(int k)
{
    if (StyleFace* normal = State1(k))
        normal->raise();
}

void shtStyles::onFaceMoved(int k)
{
    if (StyleFace* hover = State2(k))
        hover->raise();
    if (m_hoverStyle != k) {
        if (StyleFace* previous = State1(m_hoverStyle))
            previous->raise();
        m_hoverStyle = k;
    }
}
