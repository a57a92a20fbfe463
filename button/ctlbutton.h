#pragma once

#include "platform/colour.h"
#include "platform/drawingsurface.h"
#include "platform/picture.h"
#include "platform/timer.h"

#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

class ButtonHost;
class CaptionLabel;

namespace platform {
class PropertyBag;
}

// A push button whose face is a skin: three pictures (normal, hover, pressed) stretched to
// the button's size, with the caption and an optional small picture drawn on top. Sizes
// are in twips, 15 to the pixel. It follows the pointer, raises Click and KeyDown, reports
// changes of its stored properties to its host, and keeps its whole appearance, the
// stretched pictures included, in its stored property set.
class ctlButton : public QWidget {
    Q_OBJECT
    // What a form editor shows and edits. Only the whole stored set is saved with a form:
    // restoring it is the button's own reading, so the single properties are not stored.
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption STORED false)
    Q_PROPERTY(QFont Font READ Font WRITE setFont STORED false)
    Q_PROPERTY(int ForeColor READ ForeColor WRITE setForeColor STORED false)
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColorOrWarn STORED false)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled STORED false)
    Q_PROPERTY(bool ToolbarMode READ ToolbarMode WRITE setToolbarMode STORED false)
    Q_PROPERTY(QPixmap ButtonPicture READ buttonPicturePixmap WRITE setButtonPicturePixmap
                   STORED false)
    Q_PROPERTY(int theme_file_no READ theme_file_no STORED false)
    Q_PROPERTY(int theme_no READ theme_no STORED false)
    Q_PROPERTY(QString Skin_Cords READ Skin_Cords STORED false)
    Q_PROPERTY(QByteArray StoredSet READ StoredSet WRITE setStoredSet)
public:
    // Which widget lies under the pointer; the hover face ends when it is another one.
    using PointerQuery = std::function<QWidget*()>;

    explicit ctlButton(QWidget* parent = nullptr);
    ~ctlButton() override;

    // The host is not owned; null restores the stand-alone host.
    void setHost(ButtonHost* host);
    ButtonHost& host() const;
    void setPointerQuery(PointerQuery query);

    // Properties.
    platform::ColourValue BackColor() const;
    void setBackColor(platform::ColourValue oleVal);
    // Reading finds out whether the picture is usable: an empty picture clears HasPicture.
    platform::PicturePtr ButtonPicture();
    // Raises error 91 for no picture object; an invalid picture shows the rejection and
    // changes nothing.
    void setButtonPicture(const platform::PicturePtr& Pic1);
    QString Caption() const;
    void setCaption(const QString& strVal);
    bool Enabled() const;
    void setEnabled(bool enabled);
    QFont Font() const;
    void setFont(const QFont& font);
    platform::ColourValue ForeColor() const;
    void setForeColor(platform::ColourValue oleVal);
    std::int32_t nHwnd();
    std::int16_t theme_file_no() const { return m.theme_file_no; }
    std::int16_t theme_no() const { return m.theme_no; }
    bool ToolbarMode() const { return m.ToolbarMode; }
    void setToolbarMode(bool toolbarMode);

    // Methods.
    void Draw(bool Down, std::int16_t lngState);
    void SetSkin(const platform::PicturePtr& stdState1, const platform::PicturePtr& stdState2,
                 const platform::PicturePtr& stdState3, const QString& Cords, std::int16_t File,
                 std::int16_t Selection, bool InControlCall);
    void ResizenSave(bool Save);

    // Life-cycle entry points of the host.
    void InitProperties();
    void ReadProperties(const platform::PropertyBag& PropBag);
    void WriteProperties(platform::PropertyBag& PropBag);
    void AmbientChanged(const QString& PropertyName);

    // The stored set as text (see platform::propertiesToText), for hosts that keep it in
    // a form file of their own: reading writes the set, setting reads it back and draws.
    // Text that holds no stored set is refused with a warning and changes nothing.
    QByteArray StoredSet();
    void setStoredSet(const QByteArray& text);
    // ButtonPicture for editors that deal in pixmaps; an empty pixmap stands for the
    // empty picture, which the validation refuses.
    QPixmap buttonPicturePixmap();
    void setButtonPicturePixmap(const QPixmap& pixmap);
    // BackColor for editors, which have nobody to raise an error to: a rebuild that
    // cannot be done is reported as a warning, and the pictures stay as they were.
    void setBackColorOrWarn(platform::ColourValue oleVal);
    void HitTest(int X, int Y, int& HitResult);

    // The state a host or a test may look at.
    const platform::PicturePtr& PicState1() const { return m.PicState1; }
    const platform::PicturePtr& PicState2() const { return m.PicState2; }
    const platform::PicturePtr& PicState3() const { return m.PicState3; }
    const QString& Skin_Cords() const { return m.Skin_Cords; }
    bool HasPicture() const { return m.HasPicture; }
    std::int16_t FaceState() const { return m.FaceState; }
    bool PropertiesRead() const { return m.PropertiesRead; }
    bool isPolling() const { return tmr_focus->isEnabled(); }
    const QImage& face() const { return m_surface.image(); }
    // The caption as the face shows it (shortened with "..." in front when it did not fit).
    const QString& shownCaption() const { return m_shownCaption; }

public slots:
    // A tick of the hover poll.
    void tmr_focus_Timer();

signals:
    void Click();
    // The host may change the key code; an Enter (13) after its handler raises Click.
    void KeyDown(qint16& keyCode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Members {
        platform::PicturePtr PicState1;
        platform::PicturePtr PicState2;
        platform::PicturePtr PicState3;
        QString Skin_Cords;
        platform::PicturePtr ButtonPicture = std::make_shared<platform::Picture>();
        bool HasPicture = false;
        std::int16_t theme_file_no = 0;
        std::int16_t theme_no = 0;
        bool ToolbarMode = false;
        std::int16_t FaceState = 0;
        bool PropertiesRead = false;
    };

    void ComposeFace(bool Down);
    void drawStateFace(bool Down, std::int16_t lngState);
    void drawBevel(bool Down);
    void growToPicture(double pictureWidth, double pictureHeight);
    void rebuildStatePicture(int state, bool Save);
    void handleResize();
    void handlePendingResize(QSize oldSize);
    void reportChanged(const QString& propertyName);
    double widthTwips() const;
    double heightTwips() const;

    Members m;
    CaptionLabel* demo_caption;
    platform::Timer* tmr_focus;
    platform::DrawingSurface m_surface;
    QString m_shownCaption;
    ButtonHost* m_host = nullptr;
    PointerQuery m_pointerQuery;
};
