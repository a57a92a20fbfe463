// A window of skinned buttons in their usual variations, to look at their faces: several
// skins and sizes, with and without picture, disabled, in toolbar mode and without skin.
#include "button/ctlbutton.h"
#include "skinartwork.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <functional>

namespace {

constexpr int kSkinCorner = 75; // twips, 5 pixels
constexpr platform::ColourValue kWindowColour = 0x32'2D'2D;

QString skinCords(QSize pixels, int corner)
{
    const int w = pixels.width() * 15, h = pixels.height() * 15;
    return QStringLiteral("%1,%2,%3,%3,%3,%3,%3,%3").arg(w).arg(h).arg(corner);
}

struct Sample {
    QString caption;
    QRect geometry;
    std::function<gallery::SkinSet(QSize)> skin; // none: a plain bevel
    std::function<void(ctlButton&)> dress;
};

void place(QWidget& window, QLabel& clicked, const Sample& sample)
{
    auto* button = new ctlButton(&window);
    button->setObjectName(sample.caption);
    button->setGeometry(sample.geometry);
    button->setCaption(sample.caption);
    // The window's colour in the skins' transparent corners.
    button->setBackColor(kWindowColour);
    if (sample.dress)
        sample.dress(*button);
    // Last, so that the stretched pictures take the background colour set above.
    if (sample.skin) {
        const QSize design(40, 20);
        const gallery::SkinSet set = sample.skin(design);
        button->SetSkin(set[0], set[1], set[2], skinCords(design, kSkinCorner), 0, 0, false);
    }
    QObject::connect(button, &ctlButton::Click, &clicked, [&clicked, button] {
        clicked.setText(QStringLiteral("Click: ") + button->Caption());
    });
}

QFont boldFont(double points)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Button gallery"));
    window.resize(560, 330);
    QPalette dark = window.palette();
    dark.setColor(QPalette::Window, platform::resolveColour(kWindowColour));
    window.setPalette(dark);
    window.setAutoFillBackground(true);

    auto* clicked = new QLabel(QStringLiteral("Click: -"), &window);
    clicked->setGeometry(16, 300, 400, 20);
    clicked->setStyleSheet(QStringLiteral("color: white"));

    const auto green = [](ctlButton& b) {
        b.setFont(boldFont(9.75));
        b.setForeColor(65280);
    };
    const auto yellow = [](ctlButton& b) { b.setForeColor(8454143); };
    const auto buttonFace = [](ctlButton& b) { b.setBackColor(platform::kButtonFace); };

    const std::vector<Sample> samples{
        {"Exit", {16, 16, 81, 33}, gallery::greySet, green},
        {"About", {112, 16, 81, 33}, gallery::greySet, green},
        {"Select Brand", {208, 16, 129, 25}, gallery::blueGlowSet, yellow},
        {"Select Model",
         {352, 16, 129, 25},
         gallery::blueGlowSet,
         [](ctlButton& b) {
             b.setForeColor(8454143);
             b.setEnabled(false);
         }},
        {"X",
         {496, 16, 25, 17},
         gallery::redSet,
         [](ctlButton& b) {
             b.setFont(boldFont(9.75));
             b.setForeColor(65535);
         }},
        {"Large button",
         {16, 72, 240, 60},
         gallery::greySet,
         [](ctlButton& b) {
             b.setFont(boldFont(14));
             b.setForeColor(0xFFFFFF);
         }},
        {"Toolbar",
         {272, 72, 81, 33},
         gallery::greySet,
         [](ctlButton& b) { b.setToolbarMode(true); }},
        {"Plain", {368, 72, 100, 30}, nullptr, buttonFace},
        {"Open",
         {16, 150, 140, 44},
         gallery::greySet,
         [&](ctlButton& b) {
             b.setForeColor(0xFFFFFF);
             b.setButtonPicture(gallery::drawIcon(32));
         }},
        {"Save",
         {176, 150, 90, 90},
         gallery::blueGlowSet,
         [&](ctlButton& b) {
             b.setForeColor(0xFFFFFF);
             b.setButtonPicture(gallery::drawIcon(32));
         }},
        {"",
         {288, 150, 50, 50},
         gallery::greySet,
         [&](ctlButton& b) { b.setButtonPicture(gallery::drawIcon(32)); }},
        {"A caption far too long",
         {360, 150, 70, 25},
         gallery::greySet,
         [](ctlButton& b) { b.setForeColor(0xFFFFFF); }},
        {"Disabled picture",
         {16, 250, 160, 40},
         gallery::greySet,
         [&](ctlButton& b) {
             b.setButtonPicture(gallery::drawIcon(24));
             b.setEnabled(false);
         }},
        {"Button face",
         {200, 250, 100, 30},
         gallery::redSet,
         [&](ctlButton& b) {
             buttonFace(b);
             b.setForeColor(0xFFFFFF);
         }},
    };
    for (const Sample& sample : samples)
        place(window, *clicked, sample);

    window.show();
    return app.exec();
}
