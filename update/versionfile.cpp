#include "versionfile.h"

std::optional<QByteArray> QuotedValueAfter(const QByteArray& content, const QByteArray& keyword)
{
    const qsizetype at = content.indexOf(keyword);
    if (at < 0)
        return std::nullopt;
    const qsizetype open = content.indexOf('"', at + keyword.size());
    if (open < 0)
        return std::nullopt;
    const qsizetype start = open + 1;
    qsizetype close = content.indexOf('"', start);
    if (close < 0)
        close = content.size();
    return content.mid(start, std::min<qsizetype>(close - start, kMaxVersionValue));
}
