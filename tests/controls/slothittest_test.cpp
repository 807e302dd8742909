#include "slothittest.h"

#include <gtest/gtest.h>

namespace {

// Every character 7 pixels wide; text from x 3, the row from y 20, 18 high.
std::optional<SlotHit> Hit(const QString& display, const QString& raw, QPoint point)
{
    return HitTestSlot(display, raw, point, 3, 0, 20, 18, [](const QString& text) { return 7 * int(text.size()); });
}

const QString kDisplay = "I need [two] tickets.";
const QString kRaw = "I need [one|two|three] tickets.";

} // namespace

TEST(SlotHitTest, AClickOnTheWordOffersItsGroupWithTheChooserOverTheWord)
{
    // "I need [" is 8 characters: the word starts at 3 + 56 = 59 and "two" ends at 80.
    const std::optional<SlotHit> hit = Hit(kDisplay, kRaw, QPoint(60, 25));
    ASSERT_TRUE(hit);
    EXPECT_EQ(std::tuple(hit->slotStart, hit->slotEnd, hit->slotWord), std::tuple(7, 11, QString("two")));
    EXPECT_EQ(hit->alternatives, QStringList({"one", "two", "three"}));
    EXPECT_EQ(hit->slotRect, QRect(59, 20, 21, 18));
    EXPECT_EQ(hit->chooserRect, QRect(59, 20, 35 + 5, 18 + 300));   // "three" plus 5 wide, 300 below
    // "[A] room for [" is 14 characters: "two" runs from 101 to 122.
    const QString display = "[A] room for [two] nights", raw = "[A|One] room for [two|three|four] nights";
    EXPECT_EQ(Hit(display, raw, QPoint(101, 21))->alternatives, QStringList({"two", "three", "four"}));
    EXPECT_EQ(Hit(display, raw, QPoint(12, 21))->alternatives, QStringList({"A", "One"}));
}

TEST(SlotHitTest, EdgesBracketsAndTextOutsideTheSlotsHitNothing)
{
    // A raw text without the matching group offers nothing rather than a wrong list.
    const struct { QString display, raw; QPoint point; bool hits; } cases[] = {
        {kDisplay, kRaw, {59, 20}, true}, {kDisplay, kRaw, {80, 25}, false}, {kDisplay, kRaw, {60, 38}, false},
        {kDisplay, kRaw, {60, 19}, false}, {kDisplay, kRaw, {55, 25}, false}, {kDisplay, kRaw, {82, 25}, false},
        {"No slots here.", "No slots here.", {10, 25}, false}, {kDisplay, "I need two tickets.", {60, 25}, false},
        {"Broken [slot", "Broken [slot|x]", {70, 25}, false},
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
