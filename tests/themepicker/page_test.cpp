// The page's creation, its first tick, the file list and the typed path.
#include "pagefixture.h"

#include <QFont>
#include <QLabel>

using namespace pickertest;

namespace {

const QString kPlexora = QStringLiteral("Plexora");
const QString kButtonThemes = QStringLiteral("Button Themes");
const QString kPath = QStringLiteral("Path");

class PageCreation : public PageTest {};

struct ElementPlace {
    const char* name;
    QRect pixels;
};

TEST_F(PageCreation, ElementsSitAtTheirDesignPlacesWithTheirTexts)
{
    shtStyles& shown = open();
    EXPECT_EQ(shown.size(), QSize(468, 372));
    const ElementPlace places[] = {
        {"Label2", {8, 0, 329, 17}},      {"Text1", {8, 16, 449, 19}},
        {"Label1", {8, 40, 313, 17}},     {"File1", {8, 56, 449, 67}},
        {"Picture3", {9, 152, 448, 209}}, {"Picture2", {0, 0, 425, 205}},
        {"VScroll1", {427, 0, 17, 202}},  {"Picture1", {128, 128, 49, 17}},
    };
    for (const ElementPlace& place : places) {
        SCOPED_TRACE(place.name);
        const auto* element = shown.findChild<QWidget*>(QLatin1String(place.name));
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(element->geometry(), place.pixels);
    }
    EXPECT_FALSE(shown.findChild<QWidget*>(QStringLiteral("Picture1"))->isVisible());
    EXPECT_EQ(shown.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
              QStringLiteral("Styles Path : (Loads *.Xbn Styles)"));
    EXPECT_EQ(shown.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("Select Theme Type :"));
    EXPECT_EQ(shown.findChild<QLabel*>(QStringLiteral("Label6"))->text(),
              QStringLiteral("Buttons Preview / Test :"));
    EXPECT_EQ(shown.font().family(), QStringLiteral("Tahoma"));
    EXPECT_DOUBLE_EQ(shown.font().pointSizeF(), 8.25);
    EXPECT_EQ(shown.caption(), QStringLiteral("Vantrel - Select Button Style!"));
    EXPECT_EQ(host.captions, QStringList{shown.caption()});
    const auto* timer = shown.findChild<platform::Timer*>(QStringLiteral("Timer1"));
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_TRUE(timer->isEnabled());
}

// Which folders hold theme files or are stored, and the folder the page starts in.
struct FolderCase {
    const char* what;
    bool storedPathExists;
    bool storedPathIsSet;
    bool programThemes;
    bool program;
    bool installed;
    bool titlePath;
    const char* expected; // stored, programThemes, program, installed, title
};

class FolderPrecedence : public PageTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(FolderPrecedence, LaterStepsWin)
{
    const FolderCase& c = GetParam();
    const QString stored = folders.root.filePath(QStringLiteral("stored"));
    const QString title = folders.root.filePath(QStringLiteral("title"));
    if (c.storedPathExists)
        QDir().mkpath(stored);
    if (c.storedPathIsSet)
        settings.SaveSetting(kPlexora, kButtonThemes, kPath, stored);
    if (c.titlePath)
        settings.SaveSetting(QStringLiteral("Vantrel"), QStringLiteral("Settings"),
                             QStringLiteral("ThemePath"), title);
    if (c.programThemes)
        addTheme(folders.programThemes, QStringLiteral("a.xbn"), 3);
    if (c.program)
        addTheme(folders.program, QStringLiteral("a.xbn"), 3);
    if (c.installed)
        addTheme(folders.installed, QStringLiteral("a.xbn"), 3);

    shtStyles& shown = open();

    const std::map<std::string, QString> named = {
        {"stored", stored},
        {"programThemes", folders.programThemes},
        {"program", folders.program},
        {"installed", folders.installed},
        {"title", title},
    };
    EXPECT_EQ(Text1(shown).text(), named.at(c.expected));
    EXPECT_EQ(settings.saveCount(), int(c.storedPathIsSet) + int(c.titlePath));
}

const FolderCase kFolderCases[] = {
    {"stored path beats every other", true, true, true, true, true, true, "stored"},
    {"stored path gone is passed over", false, true, true, true, false, true, "programThemes"},
    {"themes beside the program beat the program folder", false, false, true, true, false, false,
     "programThemes"},
    {"program folder with themes", false, false, false, true, false, true, "program"},
    {"installed themes when none beside the program", false, false, false, true, true, false,
     "installed"},
    {"title setting", false, false, false, false, false, true, "title"},
    {"design text is the installed folder", false, false, false, false, false, false, "installed"},
};
INSTANTIATE_TEST_SUITE_P(Creation, FolderPrecedence, ::testing::ValuesIn(kFolderCases),
                         caseName<FolderCase>);

class FirstTick : public PageTest {};

TEST_F(FirstTick, WithoutSelectionLoadsTheFirstFileAndKeepsTheCaption)
{
    addTheme(folders.themes, QStringLiteral("b.xbn"), 6);
    addTheme(folders.themes, QStringLiteral("a.xbn"), 3);
    shtStyles& shown = openOn(folders.themes);

    EXPECT_EQ(shown.LoadedThemeFile(), QStringLiteral("a.xbn"));
    EXPECT_EQ(shown.styleCount(), 1);
    EXPECT_EQ(shown.caption(), QStringLiteral("Vantrel - Select Button Style!"));
    EXPECT_FALSE(shown.findChild<platform::Timer*>(QStringLiteral("Timer1"))->isEnabled());

    QSignalSpy before(&shown, &shtStyles::aboutToApplyStyle);
    QSignalSpy after(&shown, &shtStyles::styleApplied);
    press(shown.State1(0));
    release(shown.State1(0));
    EXPECT_EQ(before.count(), 1);
    EXPECT_EQ(after.count(), 1);
}

TEST_F(FirstTick, FolderWithoutThemesLoadsNothingAndShowsNoPreview)
{
    shtStyles& shown = openOn(folders.themes);
    EXPECT_TRUE(shown.ThemePictures().empty());
    EXPECT_EQ(shown.styleCount(), 0);
    EXPECT_FALSE(shown.State1(0)->isVisible());
}

struct SelectedStyleCase {
    const char* what;
    int styles;
    std::int16_t file;
    std::int16_t style;
    const char* expectedFile; // empty: nothing loaded
    int expectedScroll;
};

class SelectedStyle : public PageTest, public ::testing::WithParamInterface<SelectedStyleCase> {};

TEST_P(SelectedStyle, ShowsTheFirstButtonsFileAndStyle)
{
    const SelectedStyleCase& c = GetParam();
    addTheme(folders.themes, QStringLiteral("a.xbn"), 3);
    addTheme(folders.themes, QStringLiteral("B.xbn"), 6);
    writeFile(folders.themes + QStringLiteral("/c.XBN"), themeBytes(3 * c.styles));
    addButton(QStringLiteral("first"), {81, 33}, c.file, c.style);
    addButton(QStringLiteral("second"), {81, 33}, 0, 1);

    shtStyles& shown = openOn(folders.themes);

    EXPECT_EQ(shown.LoadedThemeFile(), QLatin1String(c.expectedFile));
    EXPECT_EQ(shown.caption(), QStringLiteral("Vantrel - Theme File Selected : %1 , Style "
                                              "Selected : %2")
                                   .arg(QLatin1String(c.expectedFile))
                                   .arg(c.style));
    EXPECT_EQ(VScroll1(shown).value(), c.expectedScroll);
}

const SelectedStyleCase kSelectedStyleCases[] = {
    {"third file style 5", 6, 2, 5, "c.XBN", 0},
    {"third file style 40 scrolled into view", 44, 2, 40, "c.XBN", 800},
    {"file outside the list loads nothing", 6, 7, 5, "", 0},
};
INSTANTIATE_TEST_SUITE_P(Tick, SelectedStyle, ::testing::ValuesIn(kSelectedStyleCases),
                         caseName<SelectedStyleCase>);

TEST_F(FirstTick, ControlOfAnotherClassIsSkipped)
{
    addTheme(folders.themes, QStringLiteral("a.xbn"), 6);
    QObject stranger;
    host.selection.push_back(&stranger);
    ctlButton& button = addButton(QStringLiteral("button"), {81, 33});
    shtStyles& shown = openOn(folders.themes);
    EXPECT_EQ(shown.caption(), QStringLiteral("Vantrel - Select Button Style!"));

    File1(shown).setListIndex(0);
    settle();
    press(shown.State1(1));
    EXPECT_EQ(button.theme_no(), 1);
}

class FileList : public PageTest {};

TEST_F(FileList, PickingTheLoadedFileAgainNeitherReloadsNorRebuilds)
{
    addTheme(folders.themes, QStringLiteral("a.xbn"), 6);
    shtStyles& shown = openOn(folders.themes);
    const themepicker::StyleFace* before = shown.State1(1);
    writeFile(folders.themes + QStringLiteral("/a.xbn"), themeBytes(12));

    File1(shown).setListIndex(0);
    settle();

    EXPECT_EQ(shown.ThemePictures().size(), 7u);
    EXPECT_EQ(shown.State1(1), before);
}

TEST_F(FileList, TypingAFolderFollowsItAndStoresItWhenItHoldsThemes)
{
    const QString outer = folders.root.filePath(QStringLiteral("t"));
    const QString inner = outer + QStringLiteral("/u");
    QDir().mkpath(inner);
    addTheme(outer, QStringLiteral("x.xbn"), 3);
    addTheme(inner, QStringLiteral("y.xbn"), 3);
    addTheme(folders.themes, QStringLiteral("a.xbn"), 6);
    shtStyles& shown = openOn(folders.themes);
    settings.SaveSetting(kPlexora, kButtonThemes, kPath, QString());

    QLineEdit& path = Text1(shown);
    path.setFocus();
    path.setText(folders.root.path() + QLatin1Char('/'));
    struct Step {
        QChar typed;
        QString listed;
        QString stored;
    };
    const Step steps[] = {
        {QLatin1Char('t'), outer, outer},
        {QLatin1Char('/'), outer + QLatin1Char('/'), outer + QLatin1Char('/')},
        {QLatin1Char('u'), inner, inner},
        {QLatin1Char('v'), inner, inner},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(path.text().toStdString());
        path.insert(QString(step.typed));
        QKeyEvent up(QEvent::KeyRelease, 0, Qt::NoModifier, QString(step.typed));
        QCoreApplication::sendEvent(&path, &up);
        EXPECT_EQ(File1(shown).path(), step.listed);
        EXPECT_EQ(settings.GetSetting(kPlexora, kButtonThemes, kPath, {}), step.stored);
    }
    EXPECT_EQ(File1(shown).item(0)->text(), QStringLiteral("y.xbn"));
    EXPECT_EQ(File1(shown).listIndex(), -1);
    // The loaded file stays until a file of the new list is picked.
    EXPECT_EQ(shown.LoadedThemeFile(), QStringLiteral("a.xbn"));
    EXPECT_EQ(shown.styleCount(), 2);
}

TEST_F(FileList, AfterTheFolderChangedAPressAppliesWithNoFile)
{
    addTheme(folders.themes, QStringLiteral("a.xbn"), 6);
    ctlButton& button = addButton(QStringLiteral("button"), {81, 33});
    shtStyles& shown = openOn(folders.themes);
    Text1(shown).setText(folders.program);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_End, Qt::NoModifier);
    QCoreApplication::sendEvent(&Text1(shown), &up);

    press(shown.State1(1));

    EXPECT_EQ(button.theme_file_no(), -1);
    EXPECT_EQ(button.theme_no(), 1);
}

TEST_F(FileList, FolderThatDoesNotExistKeepsTheListAndStoresNothing)
{
    addTheme(folders.themes, QStringLiteral("a.xbn"), 3);
    shtStyles& shown = openOn(folders.themes);
    const int savesBefore = settings.saveCount();
    Text1(shown).setText(folders.root.filePath(QStringLiteral("missing")));
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_End, Qt::NoModifier);
    QCoreApplication::sendEvent(&Text1(shown), &up);

    EXPECT_EQ(File1(shown).path(), folders.themes);
    EXPECT_EQ(File1(shown).listCount(), 1);
    EXPECT_EQ(settings.saveCount(), savesBefore);
}

} // namespace
