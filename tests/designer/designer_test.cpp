// The plugin inside Qt Designer's own form editor: the widget box entries, first-time
// values, the selection the property page sees, undo of a style installation and a form
// saved and read again.
#include "button/captionlabel.h"
#include "button/ctlbutton.h"
#include "designer/formeditorlink.h"
#include "designer/selectionorder.h"
#include "designer/selectionpagehost.h"
#include "designer/styleinstallationrecorder.h"
#include "designer/stylepagedialog.h"
#include "designer/vantrelwidgets.h"
#include "designersession.h"
#include "marquee/display.h"
#include "platform/colour.h"
#include "platform/settingsstore.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDesignerFormEditorInterface>
#include <QDesignerFormWindowCursorInterface>
#include <QDesignerFormWindowInterface>
#include <QDesignerTaskMenuExtension>
#include <QDomDocument>
#include <QExtensionManager>
#include <QPointer>
#include <QResizeEvent>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <gtest/gtest.h>

using designertest::codeStyle;
using designertest::DesignerSession;
using vantreldesigner::SelectionOrder;
using vantreldesigner::SelectionPageHost;
using vantreldesigner::StyleInstallationRecorder;

namespace {

DesignerSession& session()
{
    static DesignerSession designer;
    return designer;
}

template <typename Control> Control* control(QDesignerFormWindowInterface& form, const char* name)
{
    return form.mainContainer()->findChild<Control*>(QLatin1String(name));
}

QImage pixels(const platform::PicturePtr& picture)
{
    return picture ? picture->image().convertToFormat(QImage::Format_RGB32) : QImage();
}

// Selects the widgets one after another, as clicks with Ctrl held would; the event loop
// that runs between a user's clicks lets the form window report each change.
void selectInTurn(QDesignerFormWindowInterface& form, const QList<QWidget*>& widgets)
{
    form.clearSelection(false);
    for (QWidget* widget : widgets) {
        form.selectWidget(widget, true);
        SelectionOrder::of(&form).update();
    }
}

} // namespace

TEST(VantrelWidgets, OfferBothControlsInTheVantrelGroupWithIconAndTooltip)
{
    vantreldesigner::VantrelWidgets collection;
    const QList<QDesignerCustomWidgetInterface*> widgets = collection.customWidgets();
    ASSERT_EQ(widgets.size(), 2);
    const struct {
        QString name;
        QString header;
        QSize size;
    } expected[] = {{"ctlButton", "button/ctlbutton.h", {81, 25}},
                    {"marquee::Display", "marquee/display.h", {160, 22}}};
    for (int index = 0; index < 2; ++index) {
        SCOPED_TRACE(expected[index].name.toStdString());
        QDesignerCustomWidgetInterface* widget = widgets.at(index);
        EXPECT_EQ(widget->name(), expected[index].name);
        EXPECT_EQ(widget->group(), "Vantrel");
        EXPECT_EQ(widget->includeFile(), expected[index].header);
        EXPECT_FALSE(widget->icon().isNull());
        EXPECT_FALSE(widget->toolTip().isEmpty());
        QDomDocument dom;
        ASSERT_TRUE(dom.setContent(widget->domXml()));
        const QDomElement rect = dom.elementsByTagName("rect").at(0).toElement();
        EXPECT_EQ(rect.firstChildElement("width").text().toInt(), expected[index].size.width());
        EXPECT_EQ(rect.firstChildElement("height").text().toInt(), expected[index].size.height());
    }
}

TEST(DesignerForm, PlacedControlsComeUpWithTheirFirstTimeValues)
{
    QDesignerFormWindowInterface& form = session().openForm();
    auto* button = qobject_cast<ctlButton*>(session().place(form, "ctlButton", "okButton"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Caption(), "okButton");
    EXPECT_FALSE(button->PicState1());
    EXPECT_TRUE(button->Skin_Cords().isEmpty());
    EXPECT_EQ(button->theme_file_no(), 0);
    EXPECT_EQ(button->theme_no(), 0);
    EXPECT_FALSE(button->ToolbarMode());
    EXPECT_TRUE(button->Enabled());
    EXPECT_EQ(button->Font(), CaptionLabel::designFont());
    EXPECT_EQ(button->BackColor(), platform::kButtonFace);
    EXPECT_EQ(button->ForeColor(), platform::kButtonText);

    auto* display =
        qobject_cast<marquee::Display*>(session().place(form, "marquee::Display", "ticker"));
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->widthTwips(), 2400);
    EXPECT_EQ(display->heightTwips(), 330);
    EXPECT_EQ(display->cellCount(), 10);
    EXPECT_EQ(display->Color(), 255);
    EXPECT_EQ(display->Caption(), "Display");
    EXPECT_FALSE(display->palette().isNull()) << "drawn in its colour";
}

TEST(SelectionOrder, KeepsTheOrderInWhichWidgetsWereSelected)
{
    QWidget a, b, c;
    const struct {
        const char* what;
        QList<QWidget*> previous;
        QList<QWidget*> current;
        QList<QWidget*> ordered;
    } cases[] = {
        {"first selection", {}, {&b, &a}, {&b, &a}},
        {"one added", {&c}, {&a, &c}, {&c, &a}},
        {"one dropped", {&c, &a, &b}, {&a, &b}, {&a, &b}},
        {"listed in another order", {&c, &b}, {&b, &c}, {&c, &b}},
        {"cleared", {&a, &b}, {}, {}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        EXPECT_EQ(vantreldesigner::orderedSelection(test.previous, test.current), test.ordered);
    }
}

TEST(DesignerForm, PageSeesTheSelectedButtonsOnlyInSelectionOrderAndTitlesTheWindow)
{
    QDesignerFormWindowInterface& form = session().openForm();
    auto* first = control<ctlButton>(form, "ctlButton1");
    auto* second = control<ctlButton>(form, "ctlButton2");
    auto* display = control<marquee::Display>(form, "Display1");
    QWidget dialog;
    SelectionPageHost host(SelectionOrder::of(&form), &dialog);

    selectInTurn(form, {second, display, first});
    ASSERT_EQ(host.selectedControlCount(), 2);
    EXPECT_EQ(host.selectedControl(0), second);
    EXPECT_EQ(host.selectedControl(1), first);
    EXPECT_EQ(host.selectedControl(2), nullptr);

    host.setPageCaption("Vantrel - Select Button Style!");
    EXPECT_EQ(dialog.windowTitle(), "Vantrel - Select Button Style!");
}

TEST(DesignerForm, StyleInstallationOnTwoButtonsIsOneUndoStep)
{
    QDesignerFormWindowInterface& form = session().openForm();
    auto* first = control<ctlButton>(form, "ctlButton1");
    auto* second = control<ctlButton>(form, "ctlButton2");
    selectInTurn(form, {first, second});
    SelectionPageHost host(SelectionOrder::of(&form), nullptr);
    StyleInstallationRecorder recorder(form, host);

    designertest::installStyle(recorder, host, codeStyle(0), 0, 0);
    const QImage firstSkin[] = {pixels(first->PicState1()), pixels(second->PicState1())};
    const QString firstCords[] = {first->Skin_Cords(), second->Skin_Cords()};
    form.setDirty(false);
    const int steps = form.commandHistory()->count();

    designertest::installStyle(recorder, host, codeStyle(1), 2, 1);
    EXPECT_EQ(form.commandHistory()->count(), steps + 1);
    EXPECT_TRUE(form.isDirty());
    EXPECT_EQ(first->theme_no(), 1);
    EXPECT_EQ(second->theme_file_no(), 2);
    EXPECT_NE(pixels(first->PicState1()), firstSkin[0]);

    form.commandHistory()->undo();
    const ctlButton* buttons[] = {first, second};
    for (int index = 0; index < 2; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(pixels(buttons[index]->PicState1()), firstSkin[index]);
        EXPECT_EQ(buttons[index]->Skin_Cords(), firstCords[index]);
        EXPECT_EQ(buttons[index]->theme_no(), 0);
        EXPECT_EQ(buttons[index]->theme_file_no(), 0);
    }

    form.commandHistory()->redo();
    EXPECT_EQ(first->theme_no(), 1);
    EXPECT_EQ(second->theme_no(), 1);
}

TEST(DesignerForm, SavedFormKeepsStoredSetsAsTextAndRestoresTheButtons)
{
    QDesignerFormWindowInterface& form = session().openForm();
    auto* first = control<ctlButton>(form, "ctlButton1");
    auto* second = control<ctlButton>(form, "ctlButton2");
    selectInTurn(form, {first, second});
    SelectionPageHost host(SelectionOrder::of(&form), nullptr);
    StyleInstallationRecorder recorder(form, host);
    designertest::installStyle(recorder, host, codeStyle(1), 3, 4);
    // A system colour stays one through the form.
    form.cursor()->setWidgetProperty(second, "ForeColor", int(0x80000008));

    const QString saved = form.contents();
    QDomDocument dom;
    ASSERT_TRUE(dom.setContent(saved));
    QStringList storedNames;
    QStringList storedSets;
    const QDomNodeList properties = dom.elementsByTagName("property");
    for (int index = 0; index < properties.size(); ++index) {
        const QDomElement property = properties.at(index).toElement();
        storedNames.append(property.attribute("name"));
        if (property.attribute("name") == "StoredSet")
            storedSets.append(property.firstChildElement("cstring").text());
    }
    ASSERT_EQ(storedSets.size(), 3);
    EXPECT_FALSE(storedNames.contains("Caption"));
    EXPECT_FALSE(storedNames.contains("ForeColor"));
    // A diffable text: one value a line, pictures as PNG in base64 lines.
    EXPECT_TRUE(storedSets.at(0).contains("\"png\": ["));
    EXPECT_TRUE(storedSets.at(0).contains("\"name\": \"skin_cords\""));
    EXPECT_GT(storedSets.at(0).count('\n'), 50);

    QDesignerFormWindowInterface& reloaded = session().openForm(saved);
    for (const char* name : {"ctlButton1", "ctlButton2"}) {
        SCOPED_TRACE(name);
        const ctlButton* before = control<ctlButton>(form, name);
        ctlButton* after = control<ctlButton>(reloaded, name);
        ASSERT_NE(after, nullptr);
        EXPECT_TRUE(after->PropertiesRead());
        EXPECT_EQ(pixels(after->PicState1()), pixels(before->PicState1()));
        EXPECT_EQ(pixels(after->PicState2()), pixels(before->PicState2()));
        EXPECT_EQ(pixels(after->PicState3()), pixels(before->PicState3()));
        EXPECT_EQ(after->Skin_Cords(), before->Skin_Cords());
        EXPECT_EQ(after->theme_file_no(), 3);
        EXPECT_EQ(after->theme_no(), 4);
        EXPECT_EQ(after->Caption(), name);
        EXPECT_EQ(after->ForeColor(), before->ForeColor());
        EXPECT_EQ(after->face().convertToFormat(QImage::Format_RGB32),
                  before->face().convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_EQ(control<ctlButton>(reloaded, "ctlButton2")->ForeColor(), int(0x80000008));

    // Read back, the button rebuilds its pictures on a resize.
    ctlButton* resized = control<ctlButton>(reloaded, "ctlButton1");
    resized->resize(150, 30);
    QResizeEvent resize(resized->size(), QSize(96, 28));
    QCoreApplication::sendEvent(resized, &resize);
    EXPECT_EQ(resized->PicState1()->image().size(), QSize(150, 30));
    EXPECT_TRUE(resized->Skin_Cords().startsWith("2250,450,"));
}

TEST(DesignerForm, SavedFormKeepsTheMarqueesCellsAndColourButNotItsRunTimeValues)
{
    QDesignerFormWindowInterface& form = session().openForm();
    auto* display = control<marquee::Display>(form, "Display1");
    form.cursor()->setWidgetProperty(display, "Color", 65535);
    form.cursor()->setWidgetProperty(display, "Characters", QString("12"));
    form.cursor()->setWidgetProperty(display, "Caption", QString("Credits"));
    form.cursor()->setWidgetProperty(display, "ScrollRate", 150);

    QDesignerFormWindowInterface& reloaded = session().openForm(form.contents());
    auto* after = control<marquee::Display>(reloaded, "Display1");
    EXPECT_EQ(after->Color(), 65535);
    EXPECT_EQ(after->cellCount(), 12);
    EXPECT_EQ(after->Caption(), "Display");
    EXPECT_EQ(after->ScrollRate(), 1);
    EXPECT_FALSE(after->Scroll());
}

TEST(DesignerForm, TaskActionOpensThePageAndEachPressIsOneUndoStep)
{
    QDesignerFormWindowInterface& form = session().openForm();
    auto* first = control<ctlButton>(form, "ctlButton1");
    auto* second = control<ctlButton>(form, "ctlButton2");
    selectInTurn(form, {first, second});
    platform::MemorySettingsStore settings;
    vantreldesigner::FormEditorLink::of(&session().core())
        .setPageEnvironment({&settings, THEMES_PROGRAM_DIR, {}});

    auto* menu =
        qt_extension<QDesignerTaskMenuExtension*>(session().core().extensionManager(), first);
    ASSERT_NE(menu, nullptr);
    QAction* selectStyle = menu->preferredEditAction();
    ASSERT_NE(selectStyle, nullptr);
    EXPECT_EQ(selectStyle->text(), QString::fromUtf8("Select Button Style\u2026"));
    EXPECT_EQ(menu->taskActions(), QList<QAction*>{selectStyle});

    const int steps = form.commandHistory()->count();
    QString title;
    QImage firstSkin[2];
    bool pageClosed = false;
    QTimer::singleShot(0, [&] {
        auto* dialog =
            qobject_cast<vantreldesigner::StylePageDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QPointer<vantreldesigner::StylePageDialog> open(dialog);
        // The page loads the first button's file on its first tick.
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->page().styleCount() > 1; }, 5000));
        title = dialog->windowTitle();
        dialog->page().ApplyStyle(0);
        firstSkin[0] = pixels(first->PicState1());
        firstSkin[1] = pixels(second->PicState1());
        dialog->page().ApplyStyle(1);
        dialog->reject();
        QCoreApplication::processEvents();
        pageClosed = open.isNull() || !open->isVisible();
    });
    selectStyle->trigger();

    EXPECT_TRUE(pageClosed);
    EXPECT_TRUE(title.startsWith("Vantrel - Theme File Selected : ")) << title.toStdString();
    EXPECT_EQ(form.commandHistory()->count(), steps + 2);
    EXPECT_EQ(first->theme_no(), 1);
    EXPECT_EQ(second->theme_no(), 1);

    form.commandHistory()->undo();
    const ctlButton* buttons[] = {first, second};
    for (int index = 0; index < 2; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(buttons[index]->theme_no(), 0);
        EXPECT_FALSE(firstSkin[index].isNull());
        EXPECT_EQ(pixels(buttons[index]->PicState1()), firstSkin[index]);
    }
}

TEST(StoredSetText, TextThatHoldsNoStoredSetChangesNothing)
{
    QDesignerFormWindowInterface& form = session().openForm();
    auto* button = control<ctlButton>(form, "ctlButton1");
    auto* display = control<marquee::Display>(form, "Display1");
    button->setCaption("Keep me");
    display->setColorOrWarn(65280);
    const QByteArray badTexts[] = {
        "",
        "not a stored set",
        "{\"name\": \"caption\"}",
        "[{\"name\": \"caption\", \"type\": \"string\"}]",
        "[{\"name\": \"picstate1\", \"type\": \"picture\", \"value\": {\"kind\": \"bitmap\", "
        "\"width\": 1, \"height\": 1, \"png\": [\"bm90IGEgcG5n\"]}}]",
    };
    for (const QByteArray& text : badTexts) {
        SCOPED_TRACE(text.toStdString());
        button->setStoredSet(text);
        display->setStoredSet(text);
        EXPECT_EQ(button->Caption(), "Keep me");
        EXPECT_FALSE(button->PicState1());
        EXPECT_EQ(display->Color(), 65280);
    }
}
