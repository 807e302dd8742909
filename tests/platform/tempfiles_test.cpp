#include "platform/tempfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

TEST(TempFiles, EachCallMakesANewEmptyFileWithThePrefix)
{
    EXPECT_TRUE(QFileInfo(platform::TemporaryFolder()).isDir());
    EXPECT_FALSE(platform::TemporaryFolder().endsWith('/'));

    QTemporaryDir dir;
    std::set<QString> names;
    for (int i = 0; i < 20; ++i) {
        const QString path = platform::CreateUniqueFile(dir.path(), "upd");
        ASSERT_FALSE(path.isEmpty());
        const QFileInfo info(path);
        EXPECT_TRUE(info.exists());
        EXPECT_EQ(info.size(), 0);
        EXPECT_TRUE(info.fileName().startsWith("upd"));
        EXPECT_EQ(QDir(info.path()), QDir(dir.path()));
        names.insert(path);
    }
    EXPECT_EQ(names.size(), 20u);
}

TEST(TempFiles, AFolderThatDoesNotExistGivesNoFile)
{
    QTemporaryDir dir;
    EXPECT_TRUE(platform::CreateUniqueFile(dir.filePath("missing/deeper"), "upd").isEmpty());
}
