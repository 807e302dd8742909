#include "citem.h"

CItem::CItem(std::u16string text) : rawText(std::move(text))
{
    // Each group is cut after its first alternative: the first "|" of the group
    // and everything up to the group's "]" go, the "]" stays. A group without
    // "|" (not produced by the data) is left as it is.
    std::u16string w = rawText;
    std::size_t p = 0;
    while ((p = w.find(u'[', p)) != std::u16string::npos) {
        const std::size_t close = w.find(u']', p);
        if (close == std::u16string::npos)
            break;
        const std::size_t bar = w.find(u'|', p);
        if (bar != std::u16string::npos && bar < close)
            w.erase(bar, close - bar);
        p = p + 1;
    }
    displayText = std::move(w);
}
