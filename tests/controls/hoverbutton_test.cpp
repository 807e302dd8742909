#include "hoverbutton.h"
#include "testapp.h"

#include <QEnterEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

const QColor kAway = Qt::red, kPressed = Qt::green, kHover = Qt::blue;

// A button on a shown window, with three solid pictures side by side.
struct HoverButton : ::testing::Test {
    QApplication& app = TestApp();
    QWidget window;
    CHoverButton* button = new CHoverButton(&window);

    HoverButton()
    {
        button->SetFrameStrip(Strip(20, 10, 2));   // 62 pixels: pictures of 20, the rest never shown
        window.show();
    }
    // `extra` columns at the end are never shown.
    static QPixmap Strip(int pictureWidth, int height, int extra = 0)
    {
        QImage strip(3 * pictureWidth + extra, height, QImage::Format_RGB32);
        strip.fill(Qt::black);
        QPainter p(&strip);
        for (int i = 0; i < 3; ++i)
            p.fillRect(i * pictureWidth, 0, pictureWidth, height, std::array{kAway, kPressed, kHover}[i]);
        return QPixmap::fromImage(strip);
    }
    QColor Shown() const { return button->grab().toImage().pixelColor(button->width() / 2, button->height() / 2); }
    void Pointer(bool arrives)
    {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, arrives ? static_cast<QEvent*>(&enter) : &leave);
    }
};

} // namespace

TEST_F(HoverButton, AMissingBitmapGivesNoPicture)
{
    CHoverButton missing;
    missing.LoadFrameStrip(4242);
    EXPECT_EQ(missing.FrameSize(), QSize(0, 0));
}

TEST_F(HoverButton, OnePictureOfTheStripShowsAndThePointerLightsItUpAfterRestingAndPressingWinsOverHover)
{
    EXPECT_EQ(button->FrameSize(), QSize(20, 10));
    Pointer(true);
    EXPECT_EQ(std::pair(button->State(), Shown()), std::pair(HoverState::Arrived, kAway));
    RunEventsFor(30);
    EXPECT_EQ(std::pair(button->State(), Shown()), std::pair(HoverState::Hovering, kHover));
    SendMouse(button, QEvent::MouseButtonPress, QPoint(3, 3));
    EXPECT_EQ(Shown(), kPressed);
    SendMouse(button, QEvent::MouseButtonRelease, QPoint(3, 3));
    EXPECT_EQ(Shown(), kHover);
    Pointer(false);
    EXPECT_EQ(std::pair(button->State(), Shown()), std::pair(HoverState::Away, kAway));
    Pointer(true);   // leaving before the pointer has rested: it never lights up
    Pointer(false);
    RunEventsFor(30);
    EXPECT_EQ(button->State(), HoverState::Away);
    button->setDown(true);   // pressed while away still shows the pressed picture
    EXPECT_EQ(Shown(), kPressed);
}

// A text changed by later calls, one tool kept: the favourite button in commands_test.
TEST_F(HoverButton, ItsTipIsShownOverIt)
{
    button->SetTipText("Remove from Favorite", true);
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(button, &help);
    EXPECT_EQ(QToolTip::text(), "Remove from Favorite");
}
