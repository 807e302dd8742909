#include "platform/messagebox.h"
#include "testapp.h"

#include <gtest/gtest.h>

TEST(MessageBox, AnEmptyCaptionIsTheProgramsName)
{
    TestApp();
    platform::MessageBoxRecorder boxes;
    platform::ShowMessageBox("No favorite phrase!");
    platform::ShowMessageBox("Can't read file", "");
    platform::ShowMessageBox("One item has just added to your favorite category", "Lexavant_French");
    ASSERT_EQ(boxes.Boxes().size(), 3u);
    EXPECT_EQ((QStringList{boxes.Boxes()[0].caption, boxes.Boxes()[1].caption, boxes.Boxes()[2].caption}),
              (QStringList{"platform_services_test", "platform_services_test", "Lexavant_French"}));
}
