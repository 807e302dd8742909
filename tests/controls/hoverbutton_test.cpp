#include "hoverbutton.h"
#include "resources/controlids.h"
#include "testapp.h"

#include <QEnterEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

const QColor kPictureColours[] = {Qt::red, Qt::green, Qt::blue};

// Three solid pictures side by side, plus `extra` columns that are never shown.
QPixmap SolidStrip(int pictureWidth, int height, int extra = 0)
{
    QImage strip(3 * pictureWidth + extra, height, QImage::Format_RGB32);
    strip.fill(Qt::black);
    QPainter p(&strip);
    for (int i = 0; i < 3; ++i)
        p.fillRect(i * pictureWidth, 0, pictureWidth, height, kPictureColours[i]);
    return QPixmap::fromImage(strip);
}

QColor Shown(CHoverButton& button)
{
    return button.grab().toImage().pixelColor(button.width() / 2, button.height() / 2);
}

void Enter(CHoverButton& button)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button.mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(&button, &enter);
}

void Leave(CHoverButton& button)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
}

} // namespace

TEST(HoverButton, TheStripGivesTheButtonTheSizeOfOnePictureInItsPlace)
{
    TestApp();
    CHoverButton button;
    button.move(30, 40);
    button.SetFrameStrip(SolidStrip(127, 34));
    EXPECT_EQ(button.geometry(), QRect(30, 40, 127, 34));
    // 380 pixels give pictures of 126; the rest is never shown.
    button.SetFrameStrip(SolidStrip(126, 20, 2));
    EXPECT_EQ(button.FrameSize(), QSize(126, 20));
    EXPECT_EQ(Shown(button), kPictureColours[0]);
    // A missing bitmap is not reported; the button has nothing to show.
    CHoverButton missing;
    EXPECT_TRUE(missing.LoadFrameStrip(4242));
    EXPECT_EQ(missing.FrameSize(), QSize(0, 0));
}

TEST(HoverButton, ThePointerLightsItUpAfterRestingAndPressingWinsOverHover)
{
    TestApp();
    QWidget window;
    auto* button = new CHoverButton(&window);
    button->SetFrameStrip(SolidStrip(20, 10));
    window.show();

    EXPECT_EQ(button->State(), HoverState::Away);
    Enter(*button);
    EXPECT_EQ(button->State(), HoverState::Arrived);
    EXPECT_EQ(Shown(*button), kPictureColours[0]);
    RunEventsFor(30);
    EXPECT_EQ(button->State(), HoverState::Hovering);
    EXPECT_EQ(button->CurrentPicture(), CHoverButton::Hover);
    EXPECT_EQ(Shown(*button), kPictureColours[2]);

    SendMouse(button, QEvent::MouseButtonPress, QPoint(3, 3));
    EXPECT_EQ(button->CurrentPicture(), CHoverButton::Pressed);
    EXPECT_EQ(Shown(*button), kPictureColours[1]);
    SendMouse(button, QEvent::MouseButtonRelease, QPoint(3, 3));
    EXPECT_EQ(Shown(*button), kPictureColours[2]);

    Leave(*button);
    EXPECT_EQ(button->State(), HoverState::Away);
    EXPECT_EQ(Shown(*button), kPictureColours[0]);

    // Leaving before the pointer has rested: it never lights up.
    Enter(*button);
    Leave(*button);
    RunEventsFor(30);
    EXPECT_EQ(button->State(), HoverState::Away);
    // Pressed while away still shows the pressed picture.
    button->setDown(true);
    EXPECT_EQ(Shown(*button), kPictureColours[1]);
}

TEST(HoverButton, OneToolWhoseTextLaterCallsChange)
{
    TestApp();
    QWidget window;
    auto* button = new CHoverButton(&window);
    button->SetFrameStrip(SolidStrip(40, 20));
    window.show();

    // No text yet: activating does nothing and no tip shows.
    button->ActivateTip(true);
    button->SetTipText(QString(), true);
    EXPECT_TRUE(button->Tip() == nullptr || button->Tip()->ToolCount() == 0);

    button->SetTipText("Add to Favorite", true);
    button->resize(80, 30);
    button->SetTipText("Remove from Favorite", true);
    ASSERT_NE(button->Tip(), nullptr);
    EXPECT_EQ(button->Tip()->ToolCount(), 1);
    EXPECT_EQ(button->Tip()->ToolText(1), "Remove from Favorite");
    // The tool keeps the rectangle the button had at the first text.
    EXPECT_EQ(button->Tip()->ToolArea(1), QRect(0, 0, 40, 20));

    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(button, &help);
    EXPECT_EQ(QToolTip::text(), "Remove from Favorite");

    // An inactive tip shows nothing, not even a new text.
    button->SetTipText("Search", false);
    EXPECT_FALSE(button->Tip()->IsActive());
    QHelpEvent again(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(button, &again);
    EXPECT_NE(QToolTip::text(), "Search");
    button->ActivateTip(true);
    QApplication::sendEvent(button, &again);
    EXPECT_EQ(QToolTip::text(), "Search");

    // Texts from the string table; an unknown id changes nothing.
    button->SetTipTextById(resources::kBasicButton, true);
    EXPECT_EQ(button->Tip()->ToolText(1), "General Category");
    button->SetTipTextById(1, true);
    EXPECT_EQ(button->Tip()->ToolText(1), "General Category");
    EXPECT_EQ(button->Tip()->ToolCount(), 1);
}
