#include "platform/tempfiles.h"

#include <QDir>
#include <QTemporaryFile>

namespace platform {

QString TemporaryFolder()
{
    return QDir::cleanPath(QDir::tempPath());
}

QString CreateUniqueFile(const QString& folder, const QString& prefix)
{
    // QTemporaryFile opens the name it picks exclusively (O_EXCL), which is
    // what makes the creation atomic.
    QTemporaryFile file(QDir(folder).filePath(prefix + QStringLiteral("XXXXXX.tmp")));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    return file.fileName();
}

} // namespace platform
