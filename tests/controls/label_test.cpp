#include "label.h"
#include "controlid.h"
#include "testapp.h"

#include <QElapsedTimer>
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

TEST(Label, ATextFlashBlanksEveryHalfSecondAndNeverLosesTheText)
{
    TestApp();
    CLabel label;
    label.setText("Version 1.5.2");
    QElapsedTimer clock;
    clock.start();
    label.SetTextFlash(true);
    EXPECT_EQ(label.Flash(), CLabel::FlashKind::Text);
    while (label.text() == "Version 1.5.2" && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(label.text(), "");
    // A timer never fires early; a busy machine may only make it late.
    EXPECT_GE(clock.elapsed(), 499);
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

TEST(Label, ItsOwnCursorAndTipClicksOnlyWhenClickableAndRightClicksTellTheParent)
{
    TestApp();
    NoticeRecorder parent;
    auto* label = new CLabel(&parent);
    SetControlId(label, 1040);
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
    Click(label, QPoint(4, 4));
    EXPECT_EQ(clicks, 0);
    label->SetClickable(true);
    Click(label, QPoint(4, 4));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(parent.ids.empty());

    Click(label, QPoint(4, 4), Qt::RightButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(parent.ids, std::vector<int>{1040});
    EXPECT_EQ(LabelRightClickEvent::kType, QEvent::User + 100);
}
