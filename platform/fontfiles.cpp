#include "platform/fontfiles.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <map>

namespace platform {

namespace {
struct Registration {
    int users = 0;
    int fontId = -1;
};

// Keyed by absolute path, so "arial.ttf" and "./arial.ttf" are one file.
std::map<QString, Registration>& Registrations()
{
    static std::map<QString, Registration> table;
    return table;
}

QString Key(const QString& path) { return QFileInfo(path).absoluteFilePath(); }
} // namespace

bool FontFiles::Add(const QString& path)
{
    Registration& entry = Registrations()[Key(path)];
    if (entry.users++ == 0)
        entry.fontId = QFontDatabase::addApplicationFont(path);
    return entry.fontId != -1;
}

void FontFiles::Remove(const QString& path)
{
    auto found = Registrations().find(Key(path));
    if (found == Registrations().end())
        return;
    if (--found->second.users == 0) {
        if (found->second.fontId != -1)
            QFontDatabase::removeApplicationFont(found->second.fontId);
        Registrations().erase(found);
    }
}

int FontFiles::UseCount(const QString& path)
{
    auto found = Registrations().find(Key(path));
    return found == Registrations().end() ? 0 : found->second.users;
}

int FontFiles::FontId(const QString& path)
{
    auto found = Registrations().find(Key(path));
    return found == Registrations().end() ? -1 : found->second.fontId;
}

} // namespace platform
