#include "versionorder.h"

#include <QStringList>

namespace {

struct VersionPart {
    qulonglong number = 0;
    QString suffix;
};

VersionPart SplitPart(const QString& part)
{
    qsizetype digits = 0;
    while (digits < part.size() && part[digits].isDigit())
        ++digits;
    // More digits than a number can hold compare by their text.
    bool fits = false;
    const qulonglong number = part.left(digits).toULongLong(&fits);
    return {fits ? number : 0, fits ? part.mid(digits) : part};
}

} // namespace

bool IsOlderVersion(const QString& current, const QString& latest)
{
    const QStringList a = current.trimmed().split(u'.');
    const QStringList b = latest.trimmed().split(u'.');
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const VersionPart x = SplitPart(i < a.size() ? a[i] : QString());
        const VersionPart y = SplitPart(i < b.size() ? b[i] : QString());
        if (x.number != y.number)
            return x.number < y.number;
        const int text = x.suffix.compare(y.suffix, Qt::CaseInsensitive);
        if (text != 0)
            return text < 0;
    }
    return false;
}
