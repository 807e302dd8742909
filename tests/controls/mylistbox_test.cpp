#include "citem.h"
#include "mylistbox.h"
#include "phraselistowner.h"
#include "slotchooser.h"
#include "slothittest.h"
#include "testapp.h"

#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

struct FakeOwner : PhraseListOwner {
    bool adds = true;
    int shown = 0;
    bool FavoriteButtonAdds() const override { return adds; }
    void ShowSelectedPhrase() override { ++shown; }
};

struct PhraseListBox : ::testing::Test {
    PhraseListBox()
    {
        mainWindow = &owner;
        QFont font("Arial");   // the program's list font
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
        const int x = list.fontMetrics().horizontalAdvance(before) + list.fontMetrics().horizontalAdvance(word) / 2;
        return QPoint(row.left() + CMyListBox::kTextIndent + x, row.center().y());
    }
    // Clicks there; what the open chooser offers, if it opened.
    QStringList ClickOn(const QString& before, const QString& word)
    {
        Click(list.viewport(), PointOn(before, word));
        QStringList offered;
        for (int i = 0; list.Chooser() && list.Chooser()->isVisible() && i < list.Chooser()->count(); ++i)
            offered << list.Chooser()->itemText(i);
        return offered;
    }
    void Pick(int index)
    {
        list.Chooser()->setCurrentIndex(index);
        emit list.Chooser()->activated(index);
    }

    QApplication& app = TestApp();   // before the list
    FakeOwner owner;
    CMyListBox list;
};

// Every character 7 pixels wide; text from x 3, the row from y 20, 18 high.
std::optional<SlotHit> Hit(const QString& display, const QString& raw, QPoint point)
{
    return HitTestSlot(display, raw, point, 3, 0, 20, 18, [](const QString& text) { return 7 * int(text.size()); });
}

const QString kDisplay = "I need [two] tickets.";
const QString kRaw = "I need [one|two|three] tickets.";

} // namespace

TEST_F(PhraseListBox, OneClickOnASlotWordOfAnyRowOpensItsAlternativesOverTheWordDrawnThereAndAPickRewritesIt)
{
    list.setCurrentRow(0);   // a click on a word of another row selects that row and opens the chooser at once
    EXPECT_EQ(ClickOn("I need [", "one"), QStringList({"one", "two", "three"}));
    EXPECT_EQ(list.SelectedRow(), 1);
    EXPECT_EQ(list.Chooser()->currentIndex(), 0);
    EXPECT_EQ(list.Chooser()->x(), CMyListBox::kTextIndent + list.fontMetrics().horizontalAdvance("I need ["));
    ASSERT_TRUE(list.LastHit());
    list.Chooser()->hidePopup();
    list.Chooser()->hide();
    const QImage shown = list.viewport()->grab().toImage();
    const QRect slot = list.LastHit()->slotRect;
    int ink = 0;
    for (int y = slot.top(); y <= slot.bottom(); ++y)
        for (int x = slot.left(); x <= slot.right(); ++x)
            ink += shown.pixelColor(x, y) == list.palette().color(QPalette::HighlightedText);
    EXPECT_GT(ink, 5);

    // Picking an alternative rewrites the word and shows the phrase.
    EXPECT_EQ(ClickOn("I need [one] tickets, [", "please"), QStringList({"please", "now"}));
    Pick(1);
    EXPECT_FALSE(list.Chooser()->isVisible());
    EXPECT_EQ(list.item(1)->text(), "I need [one] tickets, [now].");
    EXPECT_TRUE(list.SelectedRow() == 1 && owner.shown == 1);
    ClickOn("I need [", "one");   // the first slot, after the second changed, offers all its words
    Pick(2);
    EXPECT_EQ(list.item(1)->text(), "I need [three] tickets, [now].");
    EXPECT_EQ(owner.shown, 2);
}

TEST_F(PhraseListBox, StrayClicksThePlainRowTheFavouritesViewTheWheelAndACancelChangeNothing)
{
    ASSERT_FALSE(ClickOn("I need [", "one").isEmpty());
    EXPECT_TRUE(ClickOn("I ", "need").isEmpty());   // outside every slot: the open chooser goes
    EXPECT_TRUE(ClickOn("I need ", "[").isEmpty());
    owner.adds = false;
    EXPECT_TRUE(ClickOn("I need [", "one").isEmpty());
    owner.adds = true;
    list.setCurrentRow(0);
    SendMouse(list.viewport(), QEvent::MouseButtonRelease, QPoint(10, list.visualItemRect(list.item(0)).center().y()));
    EXPECT_FALSE(list.Chooser()->isVisible());
    // While its list is dropped down, Qt gives the wheel to nothing else; the
    // list's wheel handling matters once the drop-down has closed.
    ASSERT_FALSE(ClickOn("I need [", "one").isEmpty());
    list.Chooser()->hidePopup();
    QWheelEvent wheel(QPointF(10, 10), list.viewport()->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list.viewport(), &wheel);
    EXPECT_FALSE(list.Chooser()->isVisible());
    ASSERT_FALSE(ClickOn("I need [", "one").isEmpty());   // closed without a pick
    list.Chooser()->hidePopup();
    QCoreApplication::processEvents();
    EXPECT_FALSE(list.Chooser()->isVisible());
    EXPECT_EQ(owner.shown, 0);
    EXPECT_EQ(list.item(1)->text(), "I need [one] tickets, [please].");
}

TEST_F(PhraseListBox, HorizontalScrollingMovesTheSlotsLeftAndARowCutAtAnEdgeShowsItsWholeTextAsATip)
{
    const QPoint unscrolled = PointOn("I need [", "one");
    const QString longRow = "Where can I find an inexpensive restaurant near the station, please?";
    list.AddPlainRow(longRow.toStdU16String());
    list.SetHorizontalExtent(2000);
    const struct { int row, scroll; QString tip; } cases[] = {   // an empty tip: none shown
        {0, 0, ""}, {1, 0, ""}, {2, 0, longRow}, {0, 40, "Hello."}};   // the last scrolled past its start
    for (const auto& c : cases) {
        QToolTip::hideText();
        QCoreApplication::processEvents();
        list.horizontalScrollBar()->setValue(c.scroll);
        const QPoint at = list.visualItemRect(list.item(c.row)).center();
        QHelpEvent help(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &help);
        EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), c.tip) << "row " << c.row;
    }
    QToolTip::hideText();
    EXPECT_EQ(list.HitTest(unscrolled - QPoint(40, 0)).value_or(SlotHit{}).slotWord, "one");
    EXPECT_NE(list.HitTest(unscrolled).value_or(SlotHit{}).slotWord, "one");
    EXPECT_EQ(PointOn("I need [", "one"), unscrolled - QPoint(40, 0));   // drawn where the hit test finds it
}

TEST_F(PhraseListBox, TheDropDownKeysOpenTheChooserAndAPickGivesTheKeyboardBack)
{
    list.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    const struct { int row; Qt::Key key; Qt::KeyboardModifiers modifiers; bool opens; } cases[] = {
        {1, Qt::Key_F4, Qt::NoModifier, true}, {1, Qt::Key_Down, Qt::AltModifier, true},
        {1, Qt::Key_F4, Qt::ShiftModifier, false}, {0, Qt::Key_F4, Qt::NoModifier, false},   // row 0 has no slot
    };
    for (const auto& c : cases) {
        list.setCurrentRow(c.row);
        list.setFocus();
        QTest::keyClick(&list, c.key, c.modifiers);
        EXPECT_EQ(list.Chooser()->isVisible(), c.opens) << c.key << " on row " << c.row;
        if (!c.opens)
            continue;
        EXPECT_TRUE(list.Chooser()->itemText(0) == "one" && list.Chooser()->count() == 3);   // the first slot's words
        const QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(list.Chooser()->view() == focus || list.Chooser()->view()->isAncestorOf(focus));
        // A drop-down that is a window of its own may be told of the focus moving into it as a change of window.
        QFocusEvent intoDropDown(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(list.Chooser(), &intoDropDown);
        EXPECT_TRUE(list.Chooser()->isVisible());
        Pick(c.key == Qt::Key_F4 ? 1 : 2);   // rewrites the row and gives the keyboard back to the list
        EXPECT_TRUE(!list.Chooser()->isVisible() && list.hasFocus());
    }
    EXPECT_EQ(list.item(1)->text(), "I need [three] tickets, [please].");
    list.resize(60, 234);   // a word beyond the list's edge is scrolled into sight under its chooser
    list.SetHorizontalExtent(400);
    list.setCurrentRow(1);
    QTest::keyClick(&list, Qt::Key_F4);
    ASSERT_TRUE(list.Chooser()->isVisible());
    EXPECT_GT(list.horizontalScrollBar()->value(), 0);
    EXPECT_TRUE(list.viewport()->rect().contains(list.LastHit()->slotRect.topLeft()));
}

TEST_F(PhraseListBox, RowsReadTheirShownTextAndNothingPastEitherEnd)
{
    EXPECT_EQ(std::vector({list.RowText(-1), list.RowText(0), list.RowText(1), list.RowText(2)}),
              std::vector<std::u16string>({u"", u"Hello.", u"I need [one] tickets, [please].", u""}));
    EXPECT_EQ(list.ItemAt(0), nullptr);   // a plain row holds no phrase
}

TEST(SlotHitTest, EdgesBracketsAndTextOutsideTheSlotsHitNothing)
{
    // "I need [" is 8 characters: the word starts at 3 + 56 = 59 and "two" ends at 80. A slot may open the text.
    // A raw text without the matching group offers nothing rather than a wrong list.
    const struct { QString display, raw; QPoint point; bool hits; } cases[] = {
        {kDisplay, kRaw, {59, 20}, true}, {kDisplay, kRaw, {80, 25}, false}, {kDisplay, kRaw, {60, 38}, false},
        {kDisplay, kRaw, {60, 19}, false}, {kDisplay, kRaw, {55, 25}, false}, {kDisplay, kRaw, {82, 25}, false},
        {"No slots here.", "No slots here.", {10, 25}, false}, {kDisplay, "I need two tickets.", {60, 25}, false},
        {"Broken [slot", "Broken [slot|x]", {70, 25}, false}, {"[A] room", "[A|One] room", {12, 21}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Hit(c.display, c.raw, c.point).has_value(), c.hits) << c.display.toStdString() << " at "
                                                                     << c.point.x() << "," << c.point.y();
}

TEST(SlotHitTest, AChoiceReplacesOnlyTheWordOfAStillStandingSlot)
{
    EXPECT_EQ(ApplySlotChoice(kDisplay, 7, 11, "two", "three"), QString("I need [three] tickets."));
    // Positions beyond the text, or a row no longer holding "[two]" at the clicked place, change nothing.
    EXPECT_FALSE(ApplySlotChoice(kDisplay, 7, 40, "two", "three"));
    EXPECT_FALSE(ApplySlotChoice("I need [one] tickets.", 7, 11, "two", "three"));
    EXPECT_FALSE(ApplySlotChoice("Yes, I need [two] tickets.", 7, 11, "two", "three"));
}
