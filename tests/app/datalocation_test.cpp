// Which folder the phrase book is read from and where the favourites go, for
// each way the program can be started.

#include "datalocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DataLocation, ChoosesThePhraseBookAndTheFavouritesFolder)
{
    // The folders of one start: the current one, an installation under prefix/ with the program in prefix/bin,
    // a folder given with --data (relative to the current one; "" when not given), and a home. In `files`,
    // "folder/" stands for a phrase book there (English.dat and French.dat); anything else is one file.
    const struct Start {
        const char* what;
        std::initializer_list<const char*> files, readOnly;
        const char *dataOption, *expectedData, *expectedFavourites;
    } starts[] = {
        {"the current folder comes first", {"current/", "prefix/share/tessaly/"}, {}, "", "current", "current"},
        {"the installation serves a folder without a phrase book", {"prefix/share/tessaly/"}, {}, "",
         "prefix/share/tessaly", "home/tessaly"},
        {"one phrase file is not a phrase book", {"current/English.dat", "prefix/share/tessaly/"}, {}, "",
         "prefix/share/tessaly", "home/tessaly"},
        {"--data wins over both", {"current/", "prefix/share/tessaly/", "chosen/"}, {}, "../chosen", "chosen", "chosen"},
        {"without any phrase book the current folder is used", {}, {}, "", "current", "current"},
        {"a read-only folder keeps no favourites", {"current/"}, {"current"}, "", "current", "home/tessaly"},
        {"favourites already beside a read-only phrase book stay there", {"current/", "current/favorite.dat"},
         {"current"}, "", "current", "current"},
        {"the installation is never written, even when it could be",
         {"prefix/share/tessaly/", "prefix/share/tessaly/favorite.dat"}, {}, "", "prefix/share/tessaly", "home/tessaly"},
    };
    for (const Start& start : starts) {
        SCOPED_TRACE(start.what);
        QTemporaryDir scratch;
        const QDir root(scratch.path());
        for (const char* folder : {"current", "prefix/bin", "prefix/share/tessaly", "chosen", "home"})
            ASSERT_TRUE(root.mkpath(QLatin1String(folder)));
        for (const char* file : start.files) {
            const QString path = root.filePath(QLatin1String(file));
            for (const QString& name : path.endsWith('/') ? QStringList{"English.dat", "French.dat"} : QStringList{""})
                ASSERT_TRUE(QFile(path + name).open(QIODevice::WriteOnly)) << (path + name).toStdString();
        }
        for (const char* folder : start.readOnly)
            QFile::setPermissions(root.filePath(QLatin1String(folder)), QFile::ReadOwner | QFile::ExeOwner |
                                                                            QFile::ReadOther | QFile::ExeOther);
        const DataLocation found = FindDataLocation({QLatin1String(start.dataOption), root.filePath("current"),
                                                     root.filePath("prefix/bin"), root.filePath("home")});
        EXPECT_EQ(found.dataFolder, root.filePath(QLatin1String(start.expectedData)));
        EXPECT_EQ(found.favouritesFolder, root.filePath(QLatin1String(start.expectedFavourites)));
        for (const char* folder : start.readOnly)
            QFile::setPermissions(root.filePath(QLatin1String(folder)), QFile::ReadOwner | QFile::WriteOwner |
                                                                            QFile::ExeOwner);
    }
}
