#include "datalocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kPhraseFiles[] = {QStringLiteral("English.dat"), QStringLiteral("French.dat")};
const QString kFavouritesFile = QStringLiteral("favorite.dat");
const QString kInstalledData = QStringLiteral("../share/tessaly");
const QString kUserFolder = QStringLiteral("tessaly");

// Two names of one folder compare equal however they were reached.
bool SameFolder(const QString& a, const QString& b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

} // namespace

LocationSearch LocationSearch::ForThisProcess(const QString& dataOption)
{
    return {dataOption, QDir::currentPath(), QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)};
}

bool HoldsPhraseFiles(const QString& folder)
{
    const QDir dir(folder);
    for (const QString& name : kPhraseFiles) {
        if (!QFileInfo(dir.filePath(name)).isFile())
            return false;
    }
    return true;
}

bool FolderWritable(const QString& folder)
{
    const QFileInfo info(folder);
    constexpr QFile::Permissions kAnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isDir() && info.isWritable() && (info.permissions() & kAnyWrite);
}

DataLocation FindDataLocation(const LocationSearch& search)
{
    const QString installed = QDir::cleanPath(QDir(search.executableFolder).filePath(kInstalledData));
    QString data = search.currentFolder;
    if (!search.dataOption.isEmpty())
        data = search.dataOption;
    else if (!HoldsPhraseFiles(search.currentFolder) && HoldsPhraseFiles(installed))
        data = installed;
    data = QDir::cleanPath(QDir(search.currentFolder).absoluteFilePath(data));

    const bool besideData = !SameFolder(data, installed) &&
                            (FolderWritable(data) || QFileInfo::exists(QDir(data).filePath(kFavouritesFile)));
    return {data, besideData ? data : QDir(search.userDataHome).filePath(kUserFolder)};
}
