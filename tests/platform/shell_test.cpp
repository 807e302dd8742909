#include "platform/shell.h"
#include "testapp.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Shell, AProgramStartsByItsBareNameWithItsOneParameter)
{
    TestApp();
    QTemporaryDir dir;
    const QString made = dir.filePath("handed over.txt"); // a space stays inside the one parameter
    ASSERT_TRUE(platform::StartProgram("touch", made));
    for (int waited = 0; waited < 5000 && !QFile::exists(made); waited += 20)
        RunEventsFor(20);
    EXPECT_TRUE(QFile::exists(made));
    EXPECT_FALSE(platform::StartProgram("no-such-program-anywhere", "x"));
}
