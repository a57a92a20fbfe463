#pragma once

#include "app/catalogue.h"
#include "app/screenartwork.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class ctlButton;

namespace marquee {
class Display;
}

namespace platform {
struct StoredForm;
}

namespace app {

class about;
class LinkArea;
class ModelBox;

// The finder's main window: a borderless picture of a chat-program window with the
// model box, the four IC pictures, five skinned buttons, the LED marquee and two link
// areas laid over it. Typing or picking a model number shows the picture of its keypad IC.
class Form1 : public QWidget, private IcPictures {
    Q_OBJECT
public:
    static constexpr int kClientWidthTwips = 6645;
    static constexpr int kClientHeightTwips = 8520;

    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls(const platform::StoredForm& storedSets);
    void connectEvents();
    void Form_Load();
    void lookUpModelBoxText();
    void showAbout();
    void setPictureVisible(int index, bool visible) override;

    ScreenArtwork m_background;
    ModelBox* m_combo1 = nullptr;
    std::array<ctlButton*, 5> m_buttons{};
    std::array<QLabel*, kIcGroupCount> m_pictures{};
    marquee::Display* m_display1 = nullptr;
    LinkArea* m_label1 = nullptr;
    LinkArea* m_label2 = nullptr;
    std::unique_ptr<about> m_about;
};

} // namespace app
