#include "platform/fontfiles.h"
#include "testapp.h"

#include <QFile>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::FontFiles;

TEST(FontFiles, UsersAreCountedOnlyTheLastRemoveUnregistersAndAMissingFileStaysPaired)
{
    TestApp();
    const char systemFont[] = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
    if (!QFile::exists(systemFont))
        GTEST_SKIP() << "needs " << systemFont << " (package fonts-liberation)";
    QTemporaryDir dir;
    const QString file = dir.filePath("arial.ttf");
    EXPECT_FALSE(FontFiles::Add(file));
    EXPECT_FALSE(FontFiles::Add(dir.path() + "/./arial.ttf")) << "one name is one file";
    EXPECT_EQ(FontFiles::FontId(file), -1);
    FontFiles::Remove(file);
    FontFiles::Remove(file);
    ASSERT_TRUE(QFile::copy(systemFont, file));
    ASSERT_TRUE(FontFiles::Add(file));
    const int id = FontFiles::FontId(file);
    ASSERT_NE(id, -1);
    // A second user (a paint, the about box) neither registers again nor
    // takes the font from the first when it removes it.
    EXPECT_TRUE(FontFiles::Add(file));
    FontFiles::Remove(file);
    EXPECT_FALSE(QFontDatabase::applicationFontFamilies(id).isEmpty());
    FontFiles::Remove(file);
    EXPECT_TRUE(QFontDatabase::applicationFontFamilies(id).isEmpty());
    FontFiles::Remove(file);
    EXPECT_EQ(FontFiles::UseCount(file), 0) << "a remove with nothing outstanding went below zero";
}
