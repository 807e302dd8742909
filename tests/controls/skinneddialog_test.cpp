#include "resources/resourceids.h"
#include "skinneddialog.h"
#include "testapp.h"

#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

class CountingWindow : public SkinnedDialog {
public:
    int clicks = 0;

protected:
    void SurfaceClicked() override { ++clicks; }
};

// `local` is taken relative to where the window was when the test began, as
// the pointer's screen position does not move with the window.
void SendFromStart(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButtons buttons)
{
    static const QPoint origin(100, 100);
    const QPointF global(origin + local);
    QMouseEvent event(type, QPointF(global - QPointF(target->pos())), global, Qt::LeftButton, buttons,
                      Qt::NoModifier);
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
    // Black corners are outside, the panel inside.
    EXPECT_FALSE(window.WindowShape()->contains(QPoint(0, 0)));
    EXPECT_TRUE(window.WindowShape()->contains(QPoint(248, 200)));
    window.ApplyShape();
    EXPECT_EQ(window.mask(), *window.WindowShape());

    for (int repaint = 0; repaint < 2; ++repaint) {
        const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown, window.Skin().convertToFormat(QImage::Format_RGB32));
    }
}

TEST(SkinnedDialog, WithoutItsSkinAWindowKeepsItsRectangleAndDefaultBackground)
{
    TestApp();
    CountingWindow window;
    window.resize(200, 100);
    EXPECT_FALSE(window.LoadSkin(4242));
    EXPECT_FALSE(window.WindowShape());
    window.ApplyShape();
    EXPECT_TRUE(window.mask().isEmpty());
    EXPECT_EQ(window.size(), QSize(200, 100));
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixelColor(100, 50), window.palette().color(QPalette::Window));
}

TEST(SkinnedDialog, ADragMovesTheWindowAndAClickWithoutOneIsAClick)
{
    TestApp();
    CountingWindow window;
    window.LoadSkin(resources::kAboutSkin);
    window.move(100, 100);
    window.show();

    SendFromStart(&window, QEvent::MouseButtonPress, QPoint(50, 50), Qt::LeftButton);
    SendFromStart(&window, QEvent::MouseMove, QPoint(80, 70), Qt::LeftButton);
    SendFromStart(&window, QEvent::MouseMove, QPoint(90, 75), Qt::LeftButton);
    SendFromStart(&window, QEvent::MouseButtonRelease, QPoint(90, 75), Qt::NoButton);
    EXPECT_EQ(window.pos(), QPoint(140, 125));
    EXPECT_EQ(window.clicks, 0);

    SendFromStart(&window, QEvent::MouseButtonPress, QPoint(90, 75), Qt::LeftButton);
    SendFromStart(&window, QEvent::MouseMove, QPoint(91, 75), Qt::LeftButton); // within the drag distance
    SendFromStart(&window, QEvent::MouseButtonRelease, QPoint(91, 75), Qt::NoButton);
    EXPECT_EQ(window.pos(), QPoint(140, 125));
    EXPECT_EQ(window.clicks, 1);
}
