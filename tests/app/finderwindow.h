#pragma once

#include "app/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <memory>

// A shown, active main window and access to its controls by their designer names.
class FinderWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<app::Form1>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename T = QWidget> T* control(const char* name) const
    {
        T* found = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QComboBox* combo() const { return control<QComboBox>("Combo1"); }

    // Which of Picture1 to Picture4 are visible.
    std::array<bool, 4> shownPictures() const
    {
        std::array<bool, 4> shown{};
        for (int i = 0; i < 4; ++i)
            shown[static_cast<std::size_t>(i)] =
                control<QLabel>(qPrintable(QStringLiteral("Picture%1").arg(i + 1)))->isVisible();
        return shown;
    }

    // Replaces the model box's text by typing, as a user selecting it all would.
    void typeIntoModelBox(const QString& text) const
    {
        QTest::keyClick(combo(), Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(combo(), Qt::Key_Delete);
        else
            QTest::keyClicks(combo(), text);
    }

    // A click at the control's centre, delivered to the window as the desktop delivers it,
    // so that whatever lies on top there and any modal window have their say.
    void click(const char* name, Qt::MouseButton button = Qt::LeftButton) const
    {
        const QWidget* target = control(name);
        QTest::mouseClick(form->windowHandle(), button, {},
                          target->mapTo(form.get(), target->rect().center()));
    }

    // Typing into whatever has the keyboard focus of the main window.
    void typeIntoWindow(const QString& text) const
    {
        for (const QChar character : text)
            QTest::keyClick(form->windowHandle(), character.toLatin1());
    }

    std::unique_ptr<app::Form1> form;
};

inline constexpr std::array<bool, 4> kNoPicture{false, false, false, false};
inline constexpr std::array<bool, 4> kPicture1{true, false, false, false};
inline constexpr std::array<bool, 4> kPicture2{false, true, false, false};
inline constexpr std::array<bool, 4> kPicture3{false, false, true, false};
inline constexpr std::array<bool, 4> kPicture4{false, false, false, true};
