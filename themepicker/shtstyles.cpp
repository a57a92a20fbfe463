// The page itself: its elements, creation, the first tick, the file list, the typed path
// and installing a style on the selected buttons.
#include "themepicker/shtstyles.h"

#include "button/ctlbutton.h"
#include "platform/application.h"
#include "platform/colour.h"
#include "platform/eventpump.h"
#include "platform/fontsubstitutes.h"
#include "platform/propertypagehost.h"
#include "platform/runtimeerror.h"
#include "platform/settingsstore.h"
#include "platform/timer.h"
#include "platform/twipsplacement.h"
#include "platform/units.h"
#include "skin/themeloader.h"
#include "themepicker/filelistbox.h"
#include "themepicker/picturebox.h"
#include "themepicker/previewgeometry.h"
#include "themepicker/styleaccessible.h"
#include "themepicker/styleface.h"
#include "themepicker/themefolders.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>

using namespace themepicker;

namespace {

// The page's design size, in twips.
constexpr int kPageWidth = 7020;
constexpr int kPageHeight = 5580;
constexpr int kFirstTickInterval = 100;
constexpr double kFontPoints = 8.25;

const QString kThemeSettingsApplication = QStringLiteral("Plexora");
const QString kThemeSettingsSection = QStringLiteral("Button Themes");
const QString kThemeSettingsKey = QStringLiteral("Path");
const QString kTitleSettingsSection = QStringLiteral("Settings");
const QString kTitleSettingsKey = QStringLiteral("ThemePath");

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// Runs a step that may fail; a failing step has no effect and the next one runs.
template <typename Step> void skipOnFailure(Step&& step)
{
    try {
        step();
    } catch (const platform::RuntimeError&) {
    }
}

} // namespace

shtStyles::shtStyles(platform::PropertyPageHost& host, QWidget* parent)
    : shtStyles(host, shtStylesEnvironment{}, parent)
{
}

shtStyles::shtStyles(platform::PropertyPageHost& host, const shtStylesEnvironment& environment,
                     QWidget* parent)
    : QWidget(parent)
    , m_host(host)
    , m_settings(environment.settings ? *environment.settings : platform::IniSettingsStore::user())
    , m_programFolder(environment.programFolder.isEmpty() ? platform::applicationFolder()
                                                          : environment.programFolder)
    , m_installedThemesFolder(environment.installedThemesFolder.isEmpty()
                                  ? themepicker::installedThemesFolder()
                                  : environment.installedThemesFolder)
{
    createElements();
    runCreationSteps();
}

shtStyles::~shtStyles() = default;

void shtStyles::createElements()
{
    setObjectName(QStringLiteral("shtStyles"));
    platform::installFontSubstitutes();
    themepicker::installStyleAccessibility();
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(kFontPoints);
    setFont(tahoma);
    setFixedSize(platform::pixelsFromTwips(kPageWidth), platform::pixelsFromTwips(kPageHeight));
    QPalette shades = palette();
    shades.setColor(QPalette::Window, platform::resolveColour(platform::kButtonFace));
    setPalette(shades);
    setAutoFillBackground(true);

    Label2 = makeLabel(this, "Label2", QStringLiteral("Styles Path : (Loads *.Xbn Styles)"));
    platform::place(*Label2, {120, 0, 4935, 255});
    Text1 = new QLineEdit(m_installedThemesFolder, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    platform::place(*Text1, {120, 240, 6735, 285});
    Text1->installEventFilter(this);
    Label1 = makeLabel(this, "Label1", QStringLiteral("Select Theme Type :"));
    platform::place(*Label1, {120, 600, 4695, 255});
    File1 = new FileListBox(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setPattern(themepicker::kThemeFilePattern);
    platform::place(*File1, {120, 840, 6735, 1005});
    connect(File1, &FileListBox::Click, this, &shtStyles::File1_Click);
    Label6 = makeLabel(this, "Label6", QStringLiteral("Buttons Preview / Test :"));
    platform::place(*Label6, {120, 2040, 1740, 195});
    // Sized to its text, which the substitute font may draw wider than the designed one.
    Label6->adjustSize();

    Picture3 = new PictureBox(this);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setBackColour(platform::kButtonFace);
    Picture3->setTwipsGeometry(135, 2280, kViewportWidth, kViewportHeight);
    Picture2 = new PictureBox(Picture3);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setBackColour(platform::kButtonFace);
    Picture2->setTwipsGeometry(0, 0, kStripWidth, kStripDesignHeight);
    VScroll1 = new QScrollBar(Qt::Vertical, Picture3);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    platform::place(*VScroll1, {6405, 0, 255, 3030});
    VScroll1->setRange(0, 0);
    VScroll1->setSingleStep(kRowStep);
    VScroll1->setPageStep(kViewportHeight);
    connect(VScroll1, &QScrollBar::valueChanged, this, &shtStyles::onScroll);

    m_faces.push_back(createStyle(0));
    for (StyleFace* face : {m_faces[0].normal, m_faces[0].hover, m_faces[0].pressed}) {
        face->setTwipsGeometry(kFirstLeft, kFirstTop, kFaceWidth, kFaceHeight);
        face->hide();
    }

    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setBackColour(platform::kButtonFace);
    Picture1->setTwipsGeometry(1920, 1920, 735, 255);
    Picture1->hide();

    Timer1 = new platform::Timer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kFirstTickInterval);
    connect(Timer1, &platform::Timer::tick, this, &shtStyles::Timer1_Timer);
}

void shtStyles::runCreationSteps()
{
    const QString title = platform::applicationTitle();
    setCaption(title + QStringLiteral(" - Select Button Style!"));
    Text1->setText(
        m_settings.GetSetting(title, kTitleSettingsSection, kTitleSettingsKey, Text1->text()));
    if (themepicker::holdsThemeFile(m_programFolder))
        Text1->setText(m_programFolder);
    const QString programThemes =
        themepicker::programThemesFolder(m_programFolder, m_installedThemesFolder);
    if (themepicker::holdsThemeFile(programThemes))
        Text1->setText(programThemes);
    const QString stored = m_settings.GetSetting(kThemeSettingsApplication, kThemeSettingsSection,
                                                 kThemeSettingsKey, QString());
    if (!stored.isEmpty() && QFileInfo::exists(stored))
        Text1->setText(stored);
    File1->setPath(Text1->text());
    Timer1->setEnabled(true);
}

// The first and only tick: show the file and style of the first selected button.
void shtStyles::Timer1_Timer()
{
    // The handling below pumps events; stopping first keeps a second tick out of it.
    Timer1->setEnabled(false);
    const QPointer<shtStyles> alive(this);
    if (m_host.selectedControlCount() <= 0) {
        File1->setListIndex(0);
        return;
    }
    if (const auto* first = qobject_cast<ctlButton*>(m_host.selectedControl(0))) {
        File1->setListIndex(first->theme_file_no());
        if (!alive)
            return;
    }
    if (const auto* first = qobject_cast<ctlButton*>(m_host.selectedControl(0))) {
        setCaption(platform::applicationTitle() + QStringLiteral(" - Theme File Selected : ") +
                   File1->fileName() + QStringLiteral(" , Style Selected : ") +
                   QString::number(first->theme_no()));
    }
    File1_Click();
    if (!alive)
        return;
    platform::pumpEvents();
    if (!alive)
        return;
    if (const auto* first = qobject_cast<ctlButton*>(m_host.selectedControl(0)))
        ScrollStyleIntoView(first->theme_no());
}

void shtStyles::File1_Click()
{
    const QString name = File1->fileName();
    if (name == m_loadedThemeFile)
        return;
    const QPointer<shtStyles> alive(this);
    // The loader pumps events while it waits; it fills a list of its own, so that nothing
    // is written into a page that was closed meanwhile.
    std::vector<platform::PicturePtr> pictures;
    basGeneral::LoadThemeFile(themePath(name), pictures);
    if (!alive)
        return;
    m_pictures = std::move(pictures);
    platform::pumpEvents();
    if (!alive)
        return;
    BuildStylePreviews();
    m_loadedThemeFile = name;
    File1->setFocus();
}

bool shtStyles::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1 && event->type() == QEvent::KeyRelease)
        Text1_KeyUp();
    return QWidget::eventFilter(watched, event);
}

void shtStyles::Text1_KeyUp()
{
    const QString folder = Text1->text();
    if (File1->setPath(folder) && File1->listCount() > 0)
        m_settings.SaveSetting(kThemeSettingsApplication, kThemeSettingsSection, kThemeSettingsKey,
                               folder);
}

void shtStyles::ApplyStyle(int k)
{
    const StyleFace* normal = State1(k);
    if (!normal)
        return;
    const int h = normal->tag().toInt();
    if (!hasUsableImage(h) || !hasUsableImage(h + 1) || !hasUsableImage(h + 2))
        return;
    const platform::PicturePtr normalPicture = m_pictures[h];
    const platform::PicturePtr hoverPicture = m_pictures[h + 1];
    const platform::PicturePtr pressedPicture = m_pictures[h + 2];
    const QString cords = styleCords(h);
    const auto file = static_cast<std::int16_t>(File1->listIndex());
    const auto selection = static_cast<std::int16_t>(k);

    const QPointer<shtStyles> alive(this);
    emit aboutToApplyStyle(k);
    if (!alive)
        return;
    const int count = m_host.selectedControlCount();
    for (int i = 0; i < count; ++i) {
        auto* button = qobject_cast<ctlButton*>(m_host.selectedControl(i));
        if (!button)
            continue;
        skipOnFailure([&] {
            button->SetSkin(normalPicture, hoverPicture, pressedPicture, cords, file, selection,
                            false);
        });
        if (!alive)
            return;
    }
    emit styleApplied(k);
}

QString shtStyles::styleCords(int h) const
{
    QStringList numbers{QStringLiteral("1000"), QStringLiteral("300")};
    for (int i = h; i <= h + 2; ++i) {
        numbers << QString::number(basGeneral::CornerWidth.at(i) * platform::kTwipsPerPixel)
                << QString::number(basGeneral::CornerHeight.at(i) * platform::kTwipsPerPixel);
    }
    return numbers.join(QLatin1Char(','));
}

QString shtStyles::themePath(const QString& name) const
{
    return File1->path() + QLatin1Char('/') + name;
}

void shtStyles::setCaption(const QString& caption)
{
    m_caption = caption;
    m_host.setPageCaption(caption);
}
