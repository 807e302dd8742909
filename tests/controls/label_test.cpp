#include "controlid.h"
#include "label.h"
#include "testapp.h"

#include <QElapsedTimer>
#include <QTimerEvent>
#include <gtest/gtest.h>

namespace {

struct Label : ::testing::Test {
    QApplication& app = TestApp();
    CLabel label;

    // What `read` gives now and after each of `ticks` timer ticks.
    template <typename Read>
    auto AfterEachTick(int ticks, Read read)
    {
        std::vector<decltype(read())> seen{read()};
        for (QTimerEvent tick(1); ticks-- > 0; seen.push_back(read()))
            QApplication::sendEvent(&label, &tick);
        return seen;
    }
};

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

TEST_F(Label, ATextFlashBlanksEveryHalfSecondAndNeverLosesTheText)
{
    label.setText("Version 1.5.2");
    QElapsedTimer clock;
    clock.start();
    label.SetTextFlash(true);
    while (label.text() == "Version 1.5.2" && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(label.text(), "");
    EXPECT_GE(clock.elapsed(), 499);   // a timer never fires early; a busy machine may make it late
    label.SetTextFlash(true);   // starting again while blank restores the text first, then saves it
    EXPECT_EQ(AfterEachTick(3, [&] { return label.text(); }),
              (std::vector<QString>{"Version 1.5.2", "", "Version 1.5.2", ""}));
    label.SetTextFlash(false);
    EXPECT_EQ(label.text(), "Version 1.5.2");
    EXPECT_FALSE(label.FlashTimerRunning());
}

TEST_F(Label, ABackgroundFlashStartsPlainAndAStoppedFlashFreezesItsPhase)
{
    const QColor plain = label.CurrentBrush().color(), yellow(250, 240, 100);
    label.SetBackgroundColour(yellow);
    label.SetBackgroundFlash(true);
    EXPECT_EQ(AfterEachTick(2, [&] { return label.CurrentBrush().color(); }),
              (std::vector<QColor>{plain, yellow, plain}));
    label.SetBackgroundFlash(false);
    EXPECT_FALSE(label.FlashTimerRunning());
    EXPECT_EQ(label.CurrentBrush().color(), plain);
}

TEST_F(Label, ClicksOnlyWhenClickableRightClicksTellTheParentAndOneTipTool)
{
    NoticeRecorder parent;
    auto* child = new CLabel(&parent);
    SetControlId(child, 1040);
    child->resize(100, 20);
    int clicks = 0;
    QObject::connect(child, &CLabel::Clicked, [&clicks] { ++clicks; });
    Click(child, QPoint(4, 4));
    child->SetClickable(true);
    Click(child, QPoint(4, 4));
    EXPECT_TRUE(clicks == 1 && parent.ids.empty());
    Click(child, QPoint(4, 4), Qt::RightButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(parent.ids, std::vector<int>{1040});
    child->SetLabelTip("first");
    child->SetLabelTip("second", 3000);
    ASSERT_NE(child->Tip(), nullptr);
    EXPECT_TRUE(child->Tip()->ToolCount() == 1 && child->Tip()->ToolText(0) == "second");
}
