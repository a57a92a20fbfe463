#include "app/form1.h"

#include "app/about.h"
#include "app/centring.h"
#include "app/creditsline.h"
#include "app/linkarea.h"
#include "app/modelbox.h"
#include "app/storedsets.h"
#include "app/weblinks.h"
#include "button/ctlbutton.h"
#include "marquee/display.h"
#include "platform/modal.h"
#include "platform/twipsplacement.h"
#include "platform/units.h"
#include "platform/urlopener.h"
#include "resources/artwork.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace app {
namespace {

constexpr platform::Placement kCombo1{240, 2760, 5175, 360};
constexpr platform::Placement kPicture{240, 3240, 6255, 2295};
constexpr platform::Placement kLabel1{240, 6480, 6135, 855};
constexpr platform::Placement kLabel2{720, 960, 1215, 975};

constexpr std::int16_t kScrollRateMilliseconds = 150;

// The window's sizes, also drawn with more pixels for screens of higher device pixel ratio.
QIcon finderIcon()
{
    QIcon icon;
    for (const int size : artwork::kWindowIconSizes) {
        icon.addPixmap(QPixmap::fromImage(artwork::image(artwork::iconFile(size))));
        for (const qreal ratio : artwork::kDrawnRatios)
            icon.addPixmap(QPixmap::fromImage(
                artwork::image(artwork::ratioFile(artwork::iconFile(size), ratio))));
    }
    return icon;
}

// ctlButton1 to ctlButton5 by index 0 to 4, dressed from their stored sets.
ctlButton* makeButton(QWidget* parent, std::size_t index, const platform::StoredForm& storedSets)
{
    auto* button = new ctlButton(parent);
    button->setObjectName(QStringLiteral("ctlButton%1").arg(index + 1));
    restoreButton(*button, storedSets);
    return button;
}

QLabel* makePicture(QWidget* parent, int group)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(QStringLiteral("Picture%1").arg(group));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setFocusPolicy(Qt::TabFocus);
    platform::place(*picture, kPicture);
    return picture;
}

// A shown IC picture tells assistive technology what it shows: the marking as its name,
// the models that share the IC as its description.
void describeIcPicture(QLabel& picture, const IcGroup& group)
{
    QStringList members;
    for (const std::string_view model : group.members)
        members << QString::fromLatin1(model);
    picture.setAccessibleName(QString::fromLatin1(group.marking));
    picture.setAccessibleDescription(members.join(QStringLiteral(", ")));
}

void endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_background(QString::fromLatin1(artwork::kBackgroundFile))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString());
    setWindowIcon(finderIcon());
    setFixedSize(platform::pixelsFromTwips(kClientWidthTwips),
                 platform::pixelsFromTwips(kClientHeightTwips));
    createControls(form1StoredSets());
    connectEvents();
    Form_Load();
    centreOnScreen(*this);
    m_combo1->setFocus();
}

// The model box reports edits while its children are torn down, which happens after
// this window's own part is gone.
Form1::~Form1()
{
    m_combo1->disconnect(this);
}

// Children are created in tab order, which is also the order Qt's focus chain follows.
void Form1::createControls(const platform::StoredForm& storedSets)
{
    m_combo1 = new ModelBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    platform::place(*m_combo1, kCombo1);

    for (std::size_t i = 0; i < 4; ++i)
        m_buttons[i] = makeButton(this, i, storedSets);
    for (std::size_t i = 0; i < m_pictures.size(); ++i)
        m_pictures[i] = makePicture(this, static_cast<int>(i) + 1);
    m_buttons[4] = makeButton(this, 4, storedSets);

    m_display1 = new marquee::Display(this);
    m_display1->setObjectName(QStringLiteral("Display1"));
    restoreDisplay(*m_display1, storedSets);

    m_label1 = new LinkArea(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAccessibleName(QStringLiteral("GSM and CDMA forum"));
    m_label1->setAccessibleDescription(forumPage().toString());
    platform::place(*m_label1, kLabel1);
    m_label2 = new LinkArea(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setAccessibleName(QStringLiteral("Web site home page"));
    m_label2->setAccessibleDescription(siteHomePage().toString());
    platform::place(*m_label2, kLabel2);
}

void Form1::connectEvents()
{
    connect(m_combo1, &QComboBox::editTextChanged, this, &Form1::lookUpModelBoxText);
    connect(m_combo1, &QComboBox::activated, this, &Form1::lookUpModelBoxText);
    connect(m_buttons[0], &ctlButton::Click, this, &endProgram);
    connect(m_buttons[1], &ctlButton::Click, this, &Form1::showAbout);
    connect(m_buttons[4], &ctlButton::Click, this, &endProgram);
    connect(m_label1, &LinkArea::Click, this, [] { platform::openUrl(forumPage()); });
    connect(m_label2, &LinkArea::Click, this, [] { platform::openUrl(siteHomePage()); });
}

// The pale title panel shows until a model is named; the marquee starts scrolling the
// credits line.
void Form1::Form_Load()
{
    for (QLabel* picture : m_pictures)
        picture->hide();
    m_display1->setCaption(creditsLine());
    m_display1->setScroll(true);
    m_display1->setScrollRate(kScrollRateMilliseconds);
}

void Form1::lookUpModelBoxText()
{
    LookupModel(m_combo1->currentText().toStdString(), *this);
}

// A picture is decoded when it is first shown, so that start-up does not wait for four
// pictures of which it shows none.
void Form1::setPictureVisible(int index, bool visible)
{
    QLabel* picture = m_pictures[static_cast<std::size_t>(index)];
    if (visible && picture->pixmap().isNull()) {
        picture->setPixmap(QPixmap::fromImage(
            artwork::image(artwork::icPictureFile(index + 1), picture->devicePixelRatioF())));
        describeIcPicture(*picture, icGroups()[static_cast<std::size_t>(index)]);
    }
    picture->setVisible(visible);
}

void Form1::showAbout()
{
    if (!m_about)
        m_about = std::make_unique<about>();
    platform::showModal(*m_about);
}

void Form1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_background.forRatio(devicePixelRatioF()));
}

} // namespace app
