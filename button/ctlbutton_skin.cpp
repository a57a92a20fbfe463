// Installing a skin and rebuilding the state pictures at the button's size.
#include "button/buttonhost.h"
#include "button/captionlabel.h"
#include "button/ctlbutton.h"
#include "button/skincords.h"
#include "platform/eventpump.h"
#include "skin/busyguard.h"
#include "skin/stretchskin.h"

void ctlButton::SetSkin(const platform::PicturePtr& stdState1,
                        const platform::PicturePtr& stdState2,
                        const platform::PicturePtr& stdState3, const QString& Cords,
                        std::int16_t File, std::int16_t Selection, bool InControlCall)
{
    const QString cords = Cords;
    basGeneral::WaitWhileBusy(2, false, QStringLiteral("SetSkin"));
    {
        basGeneral::BusyScope busy(basGeneral::SubBusy);
        if (!stdState1)
            return;
        m.theme_file_no = File;
        m.theme_no = Selection;
        // The style's own pictures, shared with whoever handed them over; the rebuild
        // below replaces them with stretched copies.
        m.PicState1 = stdState1;
        m.PicState2 = stdState2;
        m.PicState3 = stdState3;
        if (!InControlCall) {
            reportChanged(QStringLiteral("PicState1"));
            reportChanged(QStringLiteral("PicState2"));
            reportChanged(QStringLiteral("PicState3"));
            reportChanged(QStringLiteral("Skin_Cords"));
        }
        m.Skin_Cords = cords;
    }
    // Pictures read from a stored set are already at the stored size.
    if (!InControlCall)
        ResizenSave(true);
    Draw(false, 0);
}

void ctlButton::ResizenSave(bool Save)
{
    basGeneral::WaitWhileBusy(2, false, QStringLiteral("Resizensave"));
    {
        basGeneral::BusyScope busy(basGeneral::SubBusy);
        platform::pumpEvents();
        if (m.PicState1) {
            m.Skin_Cords =
                button::resizedSkinCords(m.Skin_Cords, float(widthTwips()), float(heightTwips()));
            const button::SkinSlice built = button::sliceForState(m.Skin_Cords, 1);
            m_surface.setBackColour(demo_caption->backColour());
            m_surface.setSize(
                {platform::pixelsFromTwips(built.width), platform::pixelsFromTwips(built.height)});
            m_surface.setPicture(nullptr);
            for (int state = 1; state <= 3; ++state)
                rebuildStatePicture(state, Save);
        }
    }
    Draw(false, 0);
}

// The skin's transparent parts leave the surface's background colour in the snapshot,
// so the button's background colour becomes part of each state picture.
void ctlButton::rebuildStatePicture(int state, bool Save)
{
    platform::PicturePtr& picture =
        state == 1 ? m.PicState1 : (state == 2 ? m.PicState2 : m.PicState3);
    // A style without this state's picture keeps showing the background in that state;
    // there is nothing to stretch.
    if (!picture)
        return;
    button::SkinSlice slice = button::sliceForState(m.Skin_Cords, state);
    basGeneral::StretchSkin(picture, m_surface.image(), slice.cornerWidth, slice.cornerHeight,
                            slice.width, slice.height, true, platform::kButtonFace);
    picture = m_surface.snapshot();
    if (Save)
        reportChanged(QStringLiteral("PicState%1").arg(state));
    m_surface.clear();
}
