#pragma once

#include "platform/picture.h"

#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace platform {
class PropertyPageHost;
class SettingsStore;
class Timer;
} // namespace platform

namespace themepicker {
class FileListBox;
class PictureBox;
class StyleFace;
} // namespace themepicker

// What the page takes from its surroundings. Empty or null members stand for the real
// ones: the user's settings store, the executable's folder and the installed themes.
struct shtStylesEnvironment {
    platform::SettingsStore* settings = nullptr;
    QString programFolder;
    QString installedThemesFolder;
};

// The theme picker page of the skinned button, 7020 × 5580 twips. It lists the theme files
// of a folder, shows every style of the picked file as a live preview (normal face at rest,
// hover face under the pointer, pressed face while a button is down), and installs a style
// on every button the host has selected the moment its preview is pressed with the left
// button. It remembers the folder in the user's settings.
class shtStyles : public QWidget {
    Q_OBJECT
public:
    // The page with the user's settings store and the program's real folders.
    explicit shtStyles(platform::PropertyPageHost& host, QWidget* parent = nullptr);
    shtStyles(platform::PropertyPageHost& host, const shtStylesEnvironment& environment,
              QWidget* parent = nullptr);
    ~shtStyles() override;

    // The caption the page last gave its host.
    const QString& caption() const { return m_caption; }

    // The images of the loaded file: index 0 holds none, images 1 to N follow.
    const std::vector<platform::PicturePtr>& ThemePictures() const { return m_pictures; }
    const QString& LoadedThemeFile() const { return m_loadedThemeFile; }

    // The previews.
    void BuildStylePreviews();
    void ScrollStyleIntoView(int k);
    // Installs style k on every selected button, in selection order.
    void ApplyStyle(int k);
    // Face k of State1 (normal), State2 (hover) or State3 (pressed); null when there is none.
    themepicker::StyleFace* State1(int k) const;
    themepicker::StyleFace* State2(int k) const;
    themepicker::StyleFace* State3(int k) const;
    // The styles the last build made previews for (0 before the first build).
    int styleCount() const { return m_builtStyles; }
    int HoverStyle() const { return m_hoverStyle; }
    std::int32_t PreviewWidth() const { return m_previewWidth; }
    std::int32_t PreviewHeight() const { return m_previewHeight; }

signals:
    // Just before and just after a press installs style k on the selected buttons (also
    // when none is selected), so a designer can make the whole installation one undo step.
    // Neither comes when the style lacks one of its three pictures and nothing is applied.
    void aboutToApplyStyle(int style);
    void styleApplied(int style);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct StyleFaces {
        themepicker::StyleFace* normal = nullptr;
        themepicker::StyleFace* hover = nullptr;
        themepicker::StyleFace* pressed = nullptr;
    };

    void createElements();
    void runCreationSteps();
    void Timer1_Timer();
    void File1_Click();
    void Text1_KeyUp();
    QString themePath(const QString& name) const;
    void setCaption(const QString& caption);

    // The preview grid.
    StyleFaces createStyle(int k);
    void destroyStyles();
    void DrawStylePreview(int i, themepicker::StyleFace& box);
    bool hasUsableImage(int i) const;
    void fitStrip(const themepicker::StyleFace& last);
    void onFacePressed(int k, Qt::MouseButton button, Qt::MouseButtons buttons);
    void onFaceReleased(int k);
    void onFaceMoved(int k);
    void onScroll(int value);
    QString styleCords(int h) const;

    platform::PropertyPageHost& m_host;
    platform::SettingsStore& m_settings;
    QString m_programFolder;
    QString m_installedThemesFolder;
    QString m_caption;

    QLabel* Label2;
    QLineEdit* Text1;
    QLabel* Label1;
    themepicker::FileListBox* File1;
    QLabel* Label6;
    themepicker::PictureBox* Picture3;
    themepicker::PictureBox* Picture2;
    QScrollBar* VScroll1;
    themepicker::PictureBox* Picture1;
    platform::Timer* Timer1;

    std::vector<platform::PicturePtr> m_pictures;
    QString m_loadedThemeFile;
    std::vector<StyleFaces> m_faces;
    int m_builtStyles = 0;
    int m_hoverStyle = 0;
    std::int32_t m_previewWidth = 0;
    std::int32_t m_previewHeight = 0;
};
