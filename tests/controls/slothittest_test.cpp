#include "slothittest.h"

#include <gtest/gtest.h>

namespace {

// Every character 7 pixels wide: positions are easy to work out.
int Width(const QString& text) { return 7 * static_cast<int>(text.size()); }

std::optional<SlotHit> Hit(const QString& display, const QString& raw, QPoint point, int scroll = 0)
{
    return HitTestSlot(display, raw, point, /*textLeft*/ 3, scroll, /*rowTop*/ 20, /*rowHeight*/ 18, Width);
}

const QString kDisplay = "I need [two] tickets.";
const QString kRaw = "I need [one|two|three] tickets.";

} // namespace

TEST(SlotHitTest, AClickOnTheWordOffersItsGroupWithTheChooserOverTheWord)
{
    // "I need [" is 8 characters: the word starts at 3 + 56 = 59 and "two" ends at 80.
    const std::optional<SlotHit> hit = Hit(kDisplay, kRaw, QPoint(60, 25));
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->slotStart, 7);
    EXPECT_EQ(hit->slotEnd, 11);
    EXPECT_EQ(hit->slotWord, "two");
    EXPECT_EQ(hit->alternatives, QStringList({"one", "two", "three"}));
    EXPECT_EQ(hit->slotRect, QRect(59, 20, 21, 18));
    // As wide as "three" plus 5, reaching 300 pixels below the slot.
    EXPECT_EQ(hit->chooserRect, QRect(59, 20, 35 + 5, 18 + 300));

    // "[A] room for [" is 14 characters: "two" runs from 101 to 122.
    const QString display = "[A] room for [two] nights";
    const QString raw = "[A|One] room for [two|three|four] nights";
    EXPECT_EQ(Hit(display, raw, QPoint(101, 21))->alternatives, QStringList({"two", "three", "four"}));
    EXPECT_EQ(Hit(display, raw, QPoint(101, 21))->slotStart, 13);
    EXPECT_EQ(Hit(display, raw, QPoint(12, 21))->alternatives, QStringList({"A", "One"}));
}

TEST(SlotHitTest, EdgesBracketsAndTextOutsideTheSlotsHitNothing)
{
    const struct {
        const char* what;
        QString display, raw;
        QPoint point;
        bool hits;
    } cases[] = {
        {"left and top edges", kDisplay, kRaw, {59, 20}, true},
        {"right edge", kDisplay, kRaw, {80, 25}, false},
        {"bottom edge", kDisplay, kRaw, {60, 38}, false},
        {"above the row", kDisplay, kRaw, {60, 19}, false},
        {"on [", kDisplay, kRaw, {55, 25}, false},
        {"on ]", kDisplay, kRaw, {82, 25}, false},
        {"on I", kDisplay, kRaw, {10, 25}, false},
        {"no slots", "No slots here.", "No slots here.", {10, 25}, false},
        // A raw text without the matching group offers nothing rather than a wrong list.
        {"raw text without the group", kDisplay, "I need two tickets.", {60, 25}, false},
        {"unclosed bracket", "Broken [slot", "Broken [slot|x]", {70, 25}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Hit(c.display, c.raw, c.point).has_value(), c.hits) << c.what;
}

TEST(SlotHitTest, AChoiceReplacesOnlyTheWordOfAStillStandingSlot)
{
    EXPECT_EQ(ApplySlotChoice(kDisplay, 7, 11, "two", "three"), QString("I need [three] tickets."));
    // Positions beyond the text, or a row no longer holding "[two]" at the clicked place, change nothing.
    EXPECT_FALSE(ApplySlotChoice(kDisplay, 7, 40, "two", "three"));
    EXPECT_FALSE(ApplySlotChoice("I need [one] tickets.", 7, 11, "two", "three"));
    EXPECT_FALSE(ApplySlotChoice("Yes, I need [two] tickets.", 7, 11, "two", "three"));
}
