#pragma once
// Finding the slot word under a click in a phrase row, and the alternatives
// the row's raw text offers for it.

#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct SlotHit {
    int slotStart;            // index of the slot's "[" in the displayed text
    int slotEnd;              // index of its "]"
    QString slotWord;         // what stood between them
    QStringList alternatives; // the matching group of the raw text, in order
    QRect slotRect;           // the word on screen
    QRect chooserRect;        // where the chooser goes, its drop-down area included
};

// Room below the slot for the chooser's drop-down list.
inline constexpr int kDropDownRoom = 300;
// The chooser is this much wider than its widest entry.
inline constexpr int kChooserSlack = 5;

// `textLeft` is where the row's text starts when the list is not scrolled;
// `scroll` is the horizontal scroll position in pixels; `rowTop` and
// `rowHeight` the row's vertical extent; `width` measures a text in the font
// the rows are drawn in. None when the point is on no slot, or when the raw
// text has no group for the slot.
std::optional<SlotHit> HitTestSlot(const QString& displayText, const QString& rawText, QPoint point,
                                   int textLeft, int scroll, int rowTop, int rowHeight,
                                   const std::function<int(const QString&)>& width);

// The displayed text with the slot's word replaced by `choice`, brackets kept;
// none when the slot is no longer where the hit found it.
std::optional<QString> ApplySlotChoice(const QString& displayText, int slotStart, int slotEnd,
                                       const QString& slotWord, const QString& choice);
