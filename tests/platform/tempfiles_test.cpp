#include "platform/tempfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

TEST(TempFiles, EachCallMakesANewEmptyFileWithThePrefixAndAMissingFolderNone)
{
    EXPECT_TRUE(QFileInfo(platform::TemporaryFolder()).isDir() && !platform::TemporaryFolder().endsWith('/'));
    QTemporaryDir dir;
    std::set<QString> names;
    for (int i = 0; i < 20; ++i) {
        const QFileInfo made(platform::CreateUniqueFile(dir.path(), "upd"));
        EXPECT_TRUE(made.exists() && made.size() == 0 && made.fileName().startsWith("upd") && QDir(made.path()) == QDir(dir.path()))
            << made.filePath().toStdString();
        names.insert(made.filePath());
    }
    EXPECT_EQ(names.size(), 20u);
    EXPECT_TRUE(platform::CreateUniqueFile(dir.filePath("missing/deeper"), "upd").isEmpty());
}
