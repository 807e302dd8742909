#include "slothittest.h"

#include <gtest/gtest.h>

namespace {

// Every character 7 pixels wide: positions are easy to work out.
int Width(const QString& text) { return 7 * static_cast<int>(text.size()); }

std::optional<SlotHit> Hit(const QString& display, const QString& raw, QPoint point, int scroll = 0)
{
    return HitTestSlot(display, raw, point, /*textLeft*/ 3, scroll, /*rowTop*/ 20, /*rowHeight*/ 18, Width);
}

} // namespace

TEST(SlotHitTest, AClickOnTheWordOffersItsGroupWithTheChooserOverTheWord)
{
    const QString display = "I need [two] tickets.";
    const QString raw = "I need [one|two|three] tickets.";
    // "I need [" is 8 characters: the word starts at 3 + 56 = 59 and "two" ends at 80.
    const std::optional<SlotHit> hit = Hit(display, raw, QPoint(60, 25));
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->slotStart, 7);
    EXPECT_EQ(hit->slotEnd, 11);
    EXPECT_EQ(hit->slotWord, "two");
    EXPECT_EQ(hit->alternatives, QStringList({"one", "two", "three"}));
    EXPECT_EQ(hit->slotRect, QRect(59, 20, 21, 18));
    // As wide as "three" plus 5, reaching 300 pixels below the slot.
    EXPECT_EQ(hit->chooserRect, QRect(59, 20, 35 + 5, 18 + 300));

    // Left and top edges are inside, right and bottom edges outside.
    EXPECT_TRUE(Hit(display, raw, QPoint(59, 20)));
    EXPECT_FALSE(Hit(display, raw, QPoint(80, 25)));
    EXPECT_FALSE(Hit(display, raw, QPoint(60, 38)));
    EXPECT_FALSE(Hit(display, raw, QPoint(60, 19)));
}

TEST(SlotHitTest, BracketsAndTextOutsideTheSlotsHitNothing)
{
    const QString display = "I need [two] tickets.";
    const QString raw = "I need [one|two|three] tickets.";
    EXPECT_FALSE(Hit(display, raw, QPoint(55, 25)));  // on "["
    EXPECT_FALSE(Hit(display, raw, QPoint(82, 25)));  // on "]"
    EXPECT_FALSE(Hit(display, raw, QPoint(10, 25)));  // on "I"
    EXPECT_FALSE(Hit("No slots here.", "No slots here.", QPoint(10, 25)));
    // A raw text without the matching group offers nothing rather than a wrong list.
    EXPECT_FALSE(Hit(display, "I need two tickets.", QPoint(60, 25)));
    // An unclosed bracket is not a slot.
    EXPECT_FALSE(Hit("Broken [slot", "Broken [slot|x]", QPoint(70, 25)));
}

TEST(SlotHitTest, TheSecondSlotOffersTheSecondGroup)
{
    const QString display = "[A] room for [two] nights";
    const QString raw = "[A|One] room for [two|three|four] nights";
    // "[A] room for [" is 14 characters: "two" runs from 101 to 122.
    const std::optional<SlotHit> second = Hit(display, raw, QPoint(101, 21));
    ASSERT_TRUE(second);
    EXPECT_EQ(second->alternatives, QStringList({"two", "three", "four"}));
    EXPECT_EQ(second->slotStart, 13);
    const std::optional<SlotHit> first = Hit(display, raw, QPoint(12, 21));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->alternatives, QStringList({"A", "One"}));
}

TEST(SlotHitTest, HorizontalScrollingMovesTheSlotsLeft)
{
    const QString display = "I need [two] tickets.";
    const QString raw = "I need [one|two|three] tickets.";
    EXPECT_FALSE(Hit(display, raw, QPoint(60, 25), 40));
    const std::optional<SlotHit> hit = Hit(display, raw, QPoint(20, 25), 40);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->slotRect.left(), 59 - 40);
}

TEST(SlotHitTest, AChoiceReplacesOnlyTheWordOfAStillStandingSlot)
{
    const QString display = "I need [two] tickets.";
    EXPECT_EQ(ApplySlotChoice(display, 7, 11, "two", "three"), QString("I need [three] tickets."));
    // Positions beyond the text, or a row no longer holding "[two]", change nothing.
    EXPECT_FALSE(ApplySlotChoice(display, 7, 40, "two", "three"));
    EXPECT_FALSE(ApplySlotChoice("I need [one] tickets.", 7, 11, "two", "three"));
    // The word is still in the row but no longer at the clicked place.
    EXPECT_FALSE(ApplySlotChoice("Yes, I need [two] tickets.", 7, 11, "two", "three"));
}
