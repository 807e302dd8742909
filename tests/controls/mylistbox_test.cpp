#include "citem.h"
#include "mylistbox.h"
#include "phraselistowner.h"
#include "slotchooser.h"
#include "testapp.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

class FakeOwner : public PhraseListOwner {
public:
    bool adds = true;
    int shown = 0;
    bool FavoriteButtonAdds() const override { return adds; }
    void ShowSelectedPhrase() override { ++shown; }
};

class CountingItem : public CItem {
public:
    CountingItem(std::u16string text, int* deleted) : CItem(std::move(text)), deleted(deleted) {}
    ~CountingItem() override { ++*deleted; }
    int* deleted;
};

struct PhraseListBox : ::testing::Test {
    PhraseListBox()
    {
        mainWindow = &owner;
        QFont font("Arial");
        font.setPixelSize(15);
        list.setFont(font);
        list.resize(320, 234);
        list.AddPlainRow(u"Hello.");
        list.AddPhraseItem(std::make_unique<CItem>(u"I need [one|two|three] tickets, [please|now]."));
        list.show();
        list.setCurrentRow(1);
    }
    ~PhraseListBox() override { mainWindow = nullptr; }

    // The middle of `word` in row 1, as the list lays its text out.
    QPoint PointOn(const QString& before, const QString& word) const
    {
        const QRect row = list.visualItemRect(list.item(1));
        const QFontMetrics metrics = list.fontMetrics();
        const int x = row.left() + CMyListBox::kTextIndent + metrics.horizontalAdvance(before)
                    + metrics.horizontalAdvance(word) / 2;
        return QPoint(x, row.center().y());
    }

    void Release(QPoint at) { SendMouse(list.viewport(), QEvent::MouseButtonRelease, at); }

    // The application must exist before the list is made.
    struct AppReady {
        AppReady() { TestApp(); }
    } appReady;
    FakeOwner owner;
    CMyListBox list;
};

} // namespace

TEST_F(PhraseListBox, ClickingASlotWordOpensItsAlternativesOverTheWord)
{
    Release(PointOn("I need [", "one"));
    SlotChooser* chooser = list.Chooser();
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(chooser->isVisible());
    ASSERT_EQ(chooser->count(), 3);
    EXPECT_EQ(chooser->itemText(0), "one");
    EXPECT_EQ(chooser->itemText(2), "three");
    EXPECT_EQ(chooser->currentIndex(), 0);

    EXPECT_EQ(chooser->x(), CMyListBox::kTextIndent + list.fontMetrics().horizontalAdvance("I need ["));
    ASSERT_TRUE(list.LastHit());

    // The word really is drawn there: the slot rectangle holds ink.
    chooser->hidePopup();
    chooser->hide();
    const QImage shown = list.viewport()->grab().toImage();
    const QRect slot = list.LastHit()->slotRect;
    int dark = 0;
    const QColor text = list.palette().color(QPalette::HighlightedText);
    for (int y = slot.top(); y <= slot.bottom(); ++y)
        for (int x = slot.left(); x <= slot.right(); ++x)
            dark += shown.pixelColor(x, y) == text;
    EXPECT_GT(dark, 5);
}

TEST_F(PhraseListBox, PickingAnAlternativeRewritesTheWordAndShowsThePhrase)
{
    Release(PointOn("I need [one] tickets, [", "please"));
    SlotChooser* chooser = list.Chooser();
    ASSERT_NE(chooser, nullptr);
    ASSERT_EQ(chooser->count(), 2);
    EXPECT_EQ(chooser->itemText(1), "now");
    chooser->setCurrentIndex(1);
    emit chooser->activated(1);
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(list.item(1)->text(), "I need [one] tickets, [now].");
    EXPECT_EQ(list.ItemAt(1)->displayText, u"I need [one] tickets, [now].");
    EXPECT_EQ(list.ItemAt(1)->rawText, u"I need [one|two|three] tickets, [please|now].");
    EXPECT_EQ(list.SelectedRow(), 1);
    EXPECT_EQ(owner.shown, 1);

    // The first slot, after the second changed.
    Release(PointOn("I need [", "one"));
    list.Chooser()->setCurrentIndex(2);
    emit list.Chooser()->activated(2);
    EXPECT_EQ(list.item(1)->text(), "I need [three] tickets, [now].");
    EXPECT_EQ(owner.shown, 2);
}

TEST_F(PhraseListBox, StrayClicksTheFavouritesViewTheWheelAndACancelChangeNothing)
{
    Release(PointOn("I need [", "one"));
    ASSERT_TRUE(list.Chooser()->isVisible());
    Release(PointOn("I ", "need")); // outside every slot: the open chooser goes
    EXPECT_FALSE(list.Chooser()->isVisible());
    Release(PointOn("I need ", "[")); // the bracket itself
    EXPECT_FALSE(list.Chooser()->isVisible());

    owner.adds = false;
    Release(PointOn("I need [", "one"));
    EXPECT_FALSE(list.Chooser()->isVisible());

    // A plain row behaves like any list row.
    owner.adds = true;
    list.setCurrentRow(0);
    Release(QPoint(10, list.visualItemRect(list.item(0)).center().y()));
    EXPECT_FALSE(list.Chooser()->isVisible());
    list.setCurrentRow(1);

    // While its list is dropped down, Qt gives the wheel to nothing else; the
    // list's wheel handling matters once the drop-down has closed.
    Release(PointOn("I need [", "one"));
    ASSERT_TRUE(list.Chooser()->isVisible());
    list.Chooser()->hidePopup();
    QWheelEvent wheel(QPointF(10, 10), list.viewport()->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list.viewport(), &wheel);
    EXPECT_FALSE(list.Chooser()->isVisible());

    // Closed without a pick: nothing changes.
    Release(PointOn("I need [", "one"));
    ASSERT_TRUE(list.Chooser()->isVisible());
    list.Chooser()->hidePopup();
    QCoreApplication::processEvents();
    EXPECT_FALSE(list.Chooser()->isVisible());
    EXPECT_EQ(owner.shown, 0);
    EXPECT_EQ(list.item(1)->text(), "I need [one] tickets, [please].");
}

TEST_F(PhraseListBox, HorizontalScrollingMovesTheSlotsLeft)
{
    const QPoint unscrolled = PointOn("I need [", "one");
    list.SetHorizontalExtent(2000);
    list.horizontalScrollBar()->setValue(40);
    ASSERT_EQ(list.horizontalScrollBar()->value(), 40);
    const std::optional<SlotHit> moved = list.HitTest(unscrolled - QPoint(40, 0));
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->slotWord, "one");
    const std::optional<SlotHit> stale = list.HitTest(unscrolled);
    EXPECT_TRUE(!stale || stale->slotWord != "one");
    // The word on screen is where the hit test finds it.
    EXPECT_EQ(PointOn("I need [", "one"), unscrolled - QPoint(40, 0));
}

TEST(PhraseListRows, RowsOwnTheirItemsAndAnswerTheirQuestions)
{
    TestApp();
    int deleted = 0;
    {
        CMyListBox list;
        EXPECT_EQ(list.SelectedRow(), -1);
        EXPECT_EQ(list.AddPhraseItem(std::make_unique<CountingItem>(u"Where is [the station|the bus stop]?", &deleted)), 0);
        list.AddPlainRow(u"Thank you.");
        EXPECT_EQ(list.AddPhraseItem(std::make_unique<CountingItem>(u"[One|Two] coffee", &deleted)), 2);
        EXPECT_EQ(list.RowCount(), 3);
        EXPECT_EQ(list.RowText(0), u"Where is [the station]?");
        EXPECT_EQ(list.RowText(1), u"Thank you.");
        EXPECT_EQ(list.RowText(7), u"");
        EXPECT_EQ(list.ItemAt(1), nullptr);
        list.setCurrentRow(2);
        EXPECT_EQ(list.SelectedRow(), 2);
        EXPECT_EQ(list.TextWidth(u"Thank you."), list.fontMetrics().horizontalAdvance("Thank you."));
        list.ClearRows();
        EXPECT_EQ(deleted, 2);
        EXPECT_EQ(list.RowCount(), 0);
        list.AddPhraseItem(std::make_unique<CountingItem>(u"Bye", &deleted));
    }
    EXPECT_EQ(deleted, 3);
}
