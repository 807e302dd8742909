#include "label.h"
#include "controlid.h"
#include "testapp.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimerEvent>
#include <gtest/gtest.h>

namespace {

void Tick(CLabel& label)
{
    QTimerEvent tick(1);
    QApplication::sendEvent(&label, &tick);
}

class NoticeRecorder : public QWidget {
public:
    std::vector<int> ids;

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() == LabelRightClickEvent::kType)
            ids.push_back(static_cast<LabelRightClickEvent*>(event)->controlId);
    }
};

} // namespace

TEST(Label, SettersChainAndDescribeTheFont)
{
    TestApp();
    CLabel label;
    label.SetTextColour(QColor(0, 128, 192)).SetBold(true).SetCharHeight(22);
    EXPECT_EQ(label.TextColour(), QColor(0, 128, 192));
    EXPECT_EQ(label.FontDescription().weight, 700);
    EXPECT_EQ(label.FontDescription().height, -22);
    EXPECT_EQ(label.DrawingFont().pixelSize(), 22);
    EXPECT_TRUE(label.DrawingFont().bold());

    label.SetBold(false).SetItalic(true).SetUnderline(true);
    EXPECT_EQ(label.FontDescription().weight, 400);
    EXPECT_EQ(label.DrawingFont().weight(), QFont::Normal);
    EXPECT_TRUE(label.DrawingFont().italic());
    EXPECT_TRUE(label.DrawingFont().underline());

    label.SetFaceName(QString(40, 'x'));
    EXPECT_EQ(label.FontDescription().faceName.size(), FontSpec::kMaxFaceName);
}

TEST(Label, ATextFlashBlanksAndRestoresTheTextAndNeverLosesIt)
{
    TestApp();
    CLabel label;
    label.setText("Version 1.5.2");
    label.SetTextFlash(true);
    EXPECT_TRUE(label.FlashTimerRunning());
    EXPECT_EQ(label.Flash(), CLabel::FlashKind::Text);
    EXPECT_EQ(label.text(), "Version 1.5.2");
    Tick(label);
    EXPECT_EQ(label.text(), "");
    // Starting again while blank restores the text first, then saves it.
    label.SetTextFlash(true);
    EXPECT_EQ(label.text(), "Version 1.5.2");
    Tick(label);
    Tick(label);
    EXPECT_EQ(label.text(), "Version 1.5.2");
    Tick(label);
    EXPECT_EQ(label.text(), "");
    label.SetTextFlash(false);
    EXPECT_EQ(label.text(), "Version 1.5.2");
    EXPECT_FALSE(label.FlashTimerRunning());
}

TEST(Label, TheFlashTimerTicksEveryHalfSecond)
{
    TestApp();
    CLabel label;
    label.setText("blink");
    QElapsedTimer clock;
    clock.start();
    label.SetTextFlash(true);
    while (label.text() == "blink" && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(label.text(), "");
    // A timer never fires early; a busy machine may only make it late.
    EXPECT_GE(clock.elapsed(), 499);
    label.SetTextFlash(false);
}

TEST(Label, ABackgroundFlashStartsPlainAndAStoppedFlashFreezesItsPhase)
{
    TestApp();
    CLabel label;
    const QColor plain = label.CurrentBrush().color();
    label.SetBackgroundColour(QColor(250, 240, 100));
    EXPECT_EQ(label.CurrentBrush().color(), QColor(250, 240, 100));

    label.SetBackgroundFlash(true);
    EXPECT_EQ(label.CurrentBrush().color(), plain);
    Tick(label);
    EXPECT_EQ(label.CurrentBrush().color(), QColor(250, 240, 100));
    Tick(label);
    EXPECT_EQ(label.CurrentBrush().color(), plain);
    label.SetBackgroundFlash(false);
    EXPECT_FALSE(label.FlashTimerRunning());
    EXPECT_EQ(label.CurrentBrush().color(), plain);
    // The text is left alone by a background flash.
    EXPECT_EQ(label.Flash(), CLabel::FlashKind::Background);
}

TEST(Label, ARightClickTellsTheParentTheLabelsId)
{
    TestApp();
    NoticeRecorder parent;
    auto* label = new CLabel(&parent);
    SetControlId(label, 1040);
    label->resize(100, 20);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(4, 4), label->mapToGlobal(QPointF(4, 4)), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QCoreApplication::processEvents();
    ASSERT_EQ(parent.ids.size(), 1u);
    EXPECT_EQ(parent.ids[0], 1040);
    EXPECT_EQ(LabelRightClickEvent::kType, QEvent::User + 100);
}

TEST(Label, ItsOwnCursorAndTipAndClicksOnlyWhenClickable)
{
    TestApp();
    QWidget parent;
    auto* label = new CLabel(&parent);
    label->resize(100, 20);
    label->SetHoverCursor(QCursor(Qt::PointingHandCursor));
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);

    label->SetLabelTip("first");
    label->SetLabelTip("second", 3000);
    ASSERT_NE(label->Tip(), nullptr);
    EXPECT_EQ(label->Tip()->ToolCount(), 1);
    EXPECT_EQ(label->Tip()->ToolText(0), "second");
    EXPECT_TRUE(label->Tip()->IsActive());

    int clicks = 0;
    QObject::connect(label, &CLabel::Clicked, [&clicks] { ++clicks; });
    auto click = [label] {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, QPointF(4, 4), label->mapToGlobal(QPointF(4, 4)), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(label, &event);
        }
    };
    click();
    EXPECT_EQ(clicks, 0);
    label->SetClickable(true);
    click();
    EXPECT_EQ(clicks, 1);
}
