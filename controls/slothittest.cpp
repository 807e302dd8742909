#include "slothittest.h"

#include <algorithm>

namespace {

// The alternatives of the (index + 1)-th bracket group of `rawText`.
std::optional<QStringList> AlternativesOfGroup(const QString& rawText, int index)
{
    qsizetype open = -1;
    for (int k = 0; k <= index; ++k) {
        open = rawText.indexOf(u'[', open + 1);
        if (open < 0)
            return std::nullopt;
    }
    const qsizetype close = rawText.indexOf(u']', open + 1);
    if (close < 0)
        return std::nullopt;
    return rawText.mid(open + 1, close - open - 1).split(u'|');
}

} // namespace

std::optional<SlotHit> HitTestSlot(const QString& displayText, const QString& rawText, QPoint point,
                                   int textLeft, int scroll, int rowTop, int rowHeight,
                                   const std::function<int(const QString&)>& width)
{
    const qsizetype slotCount = displayText.count(u'[');
    qsizetype p = -1;
    for (int k = 0; k < slotCount; ++k) {
        p = displayText.indexOf(u'[', p + 1);
        const qsizetype q = displayText.indexOf(u']', p + 1);
        if (q < 0)
            return std::nullopt;
        const int x1 = width(displayText.left(p + 1));
        const int x2 = width(displayText.left(q));
        const QRect slotRect(textLeft - scroll + x1, rowTop, x2 - x1, rowHeight);
        if (!slotRect.contains(point))
            continue;

        const std::optional<QStringList> alternatives = AlternativesOfGroup(rawText, k);
        if (!alternatives)
            return std::nullopt;
        int widest = 0;
        for (const QString& alternative : *alternatives)
            widest = std::max(widest, width(alternative));
        SlotHit hit;
        hit.slotStart = static_cast<int>(p);
        hit.slotEnd = static_cast<int>(q);
        hit.slotWord = displayText.mid(p + 1, q - p - 1);
        hit.alternatives = *alternatives;
        hit.slotRect = slotRect;
        hit.chooserRect = QRect(slotRect.left(), slotRect.top(), widest + kChooserSlack,
                                slotRect.height() + kDropDownRoom);
        return hit;
    }
    return std::nullopt;
}

std::optional<QString> ApplySlotChoice(const QString& displayText, int slotStart, int slotEnd,
                                       const QString& slotWord, const QString& choice)
{
    if (slotStart < 0 || slotEnd <= slotStart || slotEnd >= displayText.size())
        return std::nullopt;
    if (!displayText.contains(u'[' + slotWord + u']'))
        return std::nullopt;
    // The row may have changed since the click: only a slot still standing
    // at the same place, holding the same word, is rewritten.
    if (displayText.mid(slotStart, slotEnd - slotStart + 1) != u'[' + slotWord + u']')
        return std::nullopt;
    return displayText.left(slotStart + 1) + choice + displayText.mid(slotEnd);
}
