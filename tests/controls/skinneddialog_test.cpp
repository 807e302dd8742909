#include "aboutdlg.h"
#include "hoverbutton.h"
#include "label.h"
#include "platform/fontfiles.h"
#include "resources/controlids.h"
#include "resources/resourceids.h"
#include "skinneddialog.h"
#include "testapp.h"

#include <gtest/gtest.h>

namespace {

struct CountingWindow : SkinnedDialog {
    int clicks = 0;
    void SurfaceClicked() override { ++clicks; }
};

// `local` is taken relative to where the window was when the test began, as
// the pointer's screen position does not move with the window.
void SendFromStart(QWidget* target, QEvent::Type type, QPoint local)
{
    const QPointF global(QPoint(100, 100) + local);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, global - QPointF(target->pos()), global, Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

TEST(SkinnedDialog, TheSkinIsTheWholeBackgroundEveryTimeAndGivesTheShape)
{
    TestApp();
    CountingWindow window;
    ASSERT_TRUE(window.LoadSkin(resources::kAboutSkin));
    EXPECT_EQ(window.size(), QSize(496, 412));
    ASSERT_TRUE(window.WindowShape());
    EXPECT_FALSE(window.WindowShape()->contains(QPoint(0, 0)));   // black corners are outside
    EXPECT_TRUE(window.WindowShape()->contains(QPoint(248, 200)));
    window.ApplyShape();
    EXPECT_EQ(window.mask(), *window.WindowShape());
    for (int repaint = 0; repaint < 2; ++repaint)
        EXPECT_EQ(window.grab().toImage().convertToFormat(QImage::Format_RGB32),
                  window.Skin().convertToFormat(QImage::Format_RGB32));
    CountingWindow plain;   // without its skin a window keeps its rectangle and background
    plain.resize(200, 100);
    EXPECT_FALSE(plain.LoadSkin(4242) || plain.WindowShape());
    plain.ApplyShape();
    EXPECT_TRUE(plain.mask().isEmpty());
    EXPECT_EQ(plain.size(), QSize(200, 100));
    EXPECT_EQ(plain.grab().toImage().pixelColor(100, 50), plain.palette().color(QPalette::Window));
}

TEST(SkinnedDialog, ADragMovesTheWindowAndAClickWithoutOneIsAClick)
{
    TestApp();
    CountingWindow window;
    window.LoadSkin(resources::kAboutSkin);
    window.move(100, 100);
    window.show();
    SendFromStart(&window, QEvent::MouseButtonPress, QPoint(50, 50));
    SendFromStart(&window, QEvent::MouseMove, QPoint(80, 70));
    SendFromStart(&window, QEvent::MouseMove, QPoint(90, 75));
    SendFromStart(&window, QEvent::MouseButtonRelease, QPoint(90, 75));
    EXPECT_EQ(std::pair(window.pos(), window.clicks), std::pair(QPoint(140, 125), 0));
    SendFromStart(&window, QEvent::MouseButtonPress, QPoint(90, 75));
    SendFromStart(&window, QEvent::MouseMove, QPoint(91, 75));   // within the drag distance
    SendFromStart(&window, QEvent::MouseButtonRelease, QPoint(91, 75));
    EXPECT_EQ(std::pair(window.pos(), window.clicks), std::pair(QPoint(140, 125), 1));
}

TEST(AboutBox, ItsTextsArePaintedOnNothingButTheSkin)
{
    TestApp();
    CAboutDlg box;
    EXPECT_EQ(box.Label(resources::kAboutProductName)->text(), "Lexavant_French");
    EXPECT_EQ(box.Label(resources::kAboutVersion)->text(), "Version 1.5.2");
    box.show();
    const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage skin = box.Skin().convertToFormat(QImage::Format_RGB32);
    for (int id : {resources::kAboutProductName, resources::kAboutVersion, resources::kAboutNoticeFirst,
                   resources::kAboutNoticeSecond}) {
        ASSERT_NE(box.Label(id), nullptr) << id;
        const QPoint corner = box.Label(id)->geometry().bottomRight() - QPoint(1, 1);   // beside the letters
        EXPECT_EQ(shown.pixel(corner), skin.pixel(corner)) << id;
    }
}

TEST(AboutBox, TheCloseButtonOrAClickOnALabelClosesItAndLeavesTheMainWindowsFont)
{
    TestApp();
    platform::FontFiles::Add(platform::kArialFontFile);   // the main window's
    for (bool onLabel : {false, true}) {
        CAboutDlg box;
        EXPECT_EQ(platform::FontFiles::UseCount(platform::kArialFontFile), 2);
        box.show();
        onLabel ? Click(box.Label(resources::kAboutVersion), QPoint(5, 5)) : box.CloseButton()->click();
        EXPECT_EQ(box.result(), QDialog::Accepted) << onLabel;
        EXPECT_FALSE(box.isVisible()) << onLabel;
    }
    EXPECT_EQ(platform::FontFiles::UseCount(platform::kArialFontFile), 1);
    platform::FontFiles::Remove(platform::kArialFontFile);
}
